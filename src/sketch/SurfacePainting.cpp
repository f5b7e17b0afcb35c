// SPDX-License-Identifier: GPL-3.0-or-later
#include "SurfacePainting.h"

#include "Colours.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace orvane {

QPointF worldToPixel(const Surface& surface, QSizeF area, WorldPoint p)
{
    const double left = surface.scaleLeft();
    const double top = surface.scaleTop();
    const double x = (double(p.x) - left) * area.width() / (double(surface.scaleRight()) - left);
    const double y = (double(p.y) - top) * area.height() / (double(surface.scaleBottom()) - top);
    return {x, y};
}

float pixelAspectOfArea(const Surface& surface, QSizeF area)
{
    const double xPerPixel =
        std::abs(double(surface.scaleRight()) - surface.scaleLeft()) / std::max(1.0, area.width());
    const double yPerPixel =
        std::abs(double(surface.scaleBottom()) - surface.scaleTop()) / std::max(1.0, area.height());
    if (xPerPixel == 0) return 1.0f;
    return float(yPerPixel / xPerPixel);
}

QPen surfacePen(const Surface::Pen& pen)
{
    Qt::PenStyle style = Qt::SolidLine;
    if (pen.style == DrawStyle::Dotted) style = Qt::DotLine;
    if (pen.style == DrawStyle::DashDot) style = Qt::DashDotLine;
    return QPen(toQColor(pen.colour), pen.width, style, Qt::RoundCap, Qt::RoundJoin);
}

void paintDot(QPainter& painter, QPointF centre, const Surface::Pen& pen)
{
    if (pen.width <= 1) {
        painter.setPen(QPen(toQColor(pen.colour), 1));
        painter.drawPoint(centre);
        return;
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(toQColor(pen.colour));
    const double r = pen.width / 2.0;
    painter.drawEllipse(centre, r, r);
}

} // namespace orvane
