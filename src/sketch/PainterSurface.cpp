// SPDX-License-Identifier: GPL-3.0-or-later
#include "PainterSurface.h"

#include "Colours.h"
#include "PadSurface.h"
#include "SurfacePainting.h"

#include <QPainter>

#include <cmath>

namespace orvane {

namespace {

bool samePen(const Surface::Pen& a, const Surface::Pen& b)
{
    return a.colour == b.colour && a.width == b.width && a.style == b.style;
}

} // namespace

PainterSurface::PainterSurface(QPainter& painter, QSizeF area) : painter_(painter), area_(area) {}

PainterSurface::~PainterSurface()
{
    flush();
}

QPointF PainterSurface::toPixel(WorldPoint p) const
{
    return worldToPixel(*this, area_, p);
}

float PainterSurface::pixelAspect() const
{
    return pixelAspectOfArea(*this, area_);
}

void PainterSurface::flush()
{
    if (polyline_.size() >= 2) {
        painter_.setPen(surfacePen(polylinePen_));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawPolyline(polyline_);
    }
    polyline_.clear();
}

void PainterSurface::paintLine(WorldPoint from, WorldPoint to, const Pen& pen)
{
    if (!pen.persistent) return;
    const QPointF a = toPixel(from);
    const QPointF b = toPixel(to);
    if (polyline_.isEmpty() || !samePen(pen, polylinePen_) || polyline_.last() != a) {
        flush();
        polyline_ << a;
        polylinePen_ = pen;
    }
    polyline_ << b;
}

void PainterSurface::paintPoint(WorldPoint at, const Pen& pen)
{
    if (!pen.persistent) return;
    flush();
    paintDot(painter_, toPixel(at), pen);
}

void PainterSurface::paintEllipse(WorldPoint centre, float radiusX, float radiusY, const Pen& pen)
{
    if (!pen.persistent) return;
    flush();
    const QPointF c = toPixel(centre);
    const QPointF corner = toPixel({centre.x + radiusX, centre.y + radiusY});
    painter_.setPen(surfacePen(pen));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawEllipse(c, std::abs(corner.x() - c.x()), std::abs(corner.y() - c.y()));
}

void PainterSurface::paintText(WorldPoint topLeft, const QString& text, double fontSize,
                               const Pen& pen)
{
    if (!pen.persistent) return;
    flush();
    painter_.setFont(PadSurface::textFont(fontSize));
    painter_.setPen(toQColor(pen.colour));
    const QPointF at = toPixel(topLeft);
    painter_.drawText(QPointF(at.x(), at.y() + painter_.fontMetrics().ascent()), text);
}

void PainterSurface::fillBackground()
{
    polyline_.clear();
    painter_.fillRect(QRectF(QPointF(0, 0), area_), toQColor(backColour()));
}

void PainterSurface::clearLayer(bool persistentLayer)
{
    if (persistentLayer) fillBackground();
}

void PainterSurface::backColourChanged()
{
    fillBackground();
}

} // namespace orvane
