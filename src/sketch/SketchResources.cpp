// SPDX-License-Identifier: GPL-3.0-or-later
#include "SketchResources.h"

#include <QGuiApplication>
#include <QPixmap>

// The resources live in a static library: register them explicitly before first use.
static void registerSketchResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(sketch);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace orvane {

namespace {

QString iconPath(int id)
{
    switch (id) {
    case AboutIconId:
        return QStringLiteral(":/sketch/about.svg");
    case 2001:
        return QStringLiteral(":/sketch/tool_integral_2001.svg");
    case 2002:
        return QStringLiteral(":/sketch/tool_console_2002.svg");
    case 2003:
        return QStringLiteral(":/sketch/tool_geometry_2003.svg");
    case 2004:
        return QStringLiteral(":/sketch/tool_equation_2004.svg");
    case 3001:
        return QStringLiteral(":/sketch/mode_pointer_3001.svg");
    case 3002:
        return QStringLiteral(":/sketch/mode_point_3002.svg");
    case 3003:
        return QStringLiteral(":/sketch/mode_line_3003.svg");
    case 3004:
        return QStringLiteral(":/sketch/mode_perpendicular_3004.svg");
    case 3005:
        return QStringLiteral(":/sketch/mode_circle_3005.svg");
    case 3006:
        return QStringLiteral(":/sketch/mode_text_3006.svg");
    case 3007:
        return QStringLiteral(":/sketch/mode_eraser_3007.svg");
    default:
        return {};
    }
}

QString cursorPath(int id)
{
    if (id == 990) return QStringLiteral(":/sketch/status_move_990.svg");
    if (id >= 900 && id <= 930 && id % 5 == 0)
        return QStringLiteral(":/sketch/eraser_cursor_%1.svg").arg(id);
    return {};
}

} // namespace

QIcon sketchIcon(int id)
{
    registerSketchResources();
    const QString path = iconPath(id);
    return path.isEmpty() ? QIcon() : QIcon(path);
}

QCursor sketchCursor(int id, qreal ratio)
{
    registerSketchResources();
    const QString path = cursorPath(id);
    if (path.isEmpty()) return QCursor(Qt::ArrowCursor);
    if (ratio <= 0) ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    // Every cursor image is 32 logical pixels square with its hot spot in the middle.
    const QPixmap pixmap = QIcon(path).pixmap(QSize(32, 32), ratio);
    return QCursor(pixmap, 16, 16);
}

} // namespace orvane
