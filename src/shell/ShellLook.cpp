// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShellLook.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

// The pictures live in a static library: register them explicitly before first use.
static void registerShellResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(shell);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace orvane {

void setApplicationIdentity(const QString& desktopFileName)
{
    QCoreApplication::setApplicationName(QStringLiteral("orvane"));
    QGuiApplication::setDesktopFileName(desktopFileName);
}

QPixmap tipPixmap(int side)
{
    registerShellResources();
    QSvgRenderer renderer(QStringLiteral(":/shell/tip.svg"));
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(QSize(side, side) * ratio);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QIcon tipIcon()
{
    QIcon icon;
    for (int side : {16, 32, 48, 64})
        icon.addPixmap(tipPixmap(side));
    return icon;
}

} // namespace orvane
