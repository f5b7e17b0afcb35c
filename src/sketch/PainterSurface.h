// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Surface.h"

#include <QPolygonF>
#include <QSizeF>

class QPainter;

namespace orvane {

// A surface that draws onto any painter (an SVG or PDF page): the pad's persistent
// picture as vector shapes. Connected segments in one pen become one polyline, texts
// stay texts. Transient drawing is left out.
class PainterSurface : public Surface {
public:
    PainterSurface(QPainter& painter, QSizeF area);
    ~PainterSurface() override;
    PainterSurface(const PainterSurface&) = delete;
    PainterSurface& operator=(const PainterSurface&) = delete;

    // Draws the polyline still being gathered.
    void flush();
    float pixelAspect() const override;
    PixelArea pixelArea() const override { return {area_.width(), area_.height()}; }

protected:
    void paintLine(WorldPoint from, WorldPoint to, const Pen& pen) override;
    void paintPoint(WorldPoint at, const Pen& pen) override;
    void paintEllipse(WorldPoint centre, float radiusX, float radiusY, const Pen& pen) override;
    void paintText(WorldPoint topLeft, const QString& text, double fontSize,
                   const Pen& pen) override;
    void clearLayer(bool persistentLayer) override;
    void backColourChanged() override;
    void endBatch() override { flush(); }

private:
    QPointF toPixel(WorldPoint p) const;
    void fillBackground();

    QPainter& painter_;
    QSizeF area_;
    QPolygonF polyline_;
    Pen polylinePen_{};
};

} // namespace orvane
