// SPDX-License-Identifier: GPL-3.0-or-later
#include "ControlResources.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

// The resources live in a static library: register them explicitly before first use.
static void registerControlResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(controls);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace orvane {

namespace {

QString bitmapPath(ControlBitmap id)
{
    switch (id) {
    case ControlBitmap::ButtonFace:
        return QStringLiteral(":/controls/button_face_301.svg");
    case ControlBitmap::TabFace:
        return QStringLiteral(":/controls/tab_face_302.svg");
    case ControlBitmap::ButtonFacePressed:
        return QStringLiteral(":/controls/button_face_pressed_304.svg");
    }
    return {};
}

// Renders a drawing at its own size in logical pixels, sharp on dense screens.
QPixmap renderSvg(const QString& path)
{
    registerControlResources();
    QSvgRenderer renderer(path);
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(renderer.defaultSize() * ratio);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        renderer.render(&painter);
    }
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

} // namespace

QPixmap controlBitmap(ControlBitmap id)
{
    return renderSvg(bitmapPath(id));
}

QCursor handCursor()
{
    return QCursor(renderSvg(QStringLiteral(":/controls/hand_cursor_995.svg")), 10, 1);
}

} // namespace orvane
