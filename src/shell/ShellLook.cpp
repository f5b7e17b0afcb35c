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

namespace {

QString resourcePath(ShellPicture picture)
{
    return picture == ShellPicture::Tip ? QStringLiteral(":/shell/tip.svg")
                                        : QStringLiteral(":/shell/sign.svg");
}

} // namespace

QPixmap shellPixmap(ShellPicture picture, int side)
{
    registerShellResources();
    QSvgRenderer renderer(resourcePath(picture));
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

QIcon shellIcon(ShellPicture picture)
{
    QIcon icon;
    for (int side : {16, 32, 48, 64})
        icon.addPixmap(shellPixmap(picture, side));
    return icon;
}

} // namespace orvane
