// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Surface.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QSize>

#include <functional>
#include <memory>

namespace orvane {

// The pad's real drawing surface: a persistent image and a transient layer above it,
// the world scale stretched over the whole image.
//
// Sizes, positions and pen widths are in device-independent pixels; the layers hold
// devicePixelRatio() image pixels for each of them, so the pad is sharp on high-density
// screens.
//
// Everything is drawn aliased (text too), so drawing the same primitives again in the
// background colour restores every pixel: erasing a curve is tracing it once more.
// Like a retained window canvas, the pad shows the persistent image afresh whenever
// something is drawn into it, so a persistent drawing also removes the transient marks.
class PadSurface : public Surface {
public:
    PadSurface();

    // New blank layers of that size in device-independent pixels (the persistent one in
    // the back colour), at the given number of image pixels per device-independent one.
    void resize(QSize size, qreal devicePixelRatio = 1);
    QSize size() const { return size_; }
    qreal devicePixelRatio() const { return persistent_.devicePixelRatio(); }

    // The persistent image with the transient layer on top, at size().
    void render(QPainter& painter) const;
    // The layers in image pixels, carrying the device pixel ratio.
    QImage persistentImage() const
    {
        closeBatchPainter();
        return persistent_;
    }
    QImage composedImage() const;

    // Called after every change of the visible picture (the pad repaints itself).
    void setChangedHandler(std::function<void()> handler) { changed_ = std::move(handler); }

    // World coordinates <-> device-independent pixel positions; world values in single
    // precision.
    QPointF toPixel(WorldPoint p) const;
    WorldPoint toWorld(QPointF pixel) const;

    float pixelAspect() const override;
    PixelArea pixelArea() const override { return {double(size_.width()), double(size_.height())}; }

    // The face used for text and numbers, at a size in points.
    static QFont textFont(double points);

protected:
    void paintLine(WorldPoint from, WorldPoint to, const Pen& pen) override;
    void paintPoint(WorldPoint at, const Pen& pen) override;
    void paintEllipse(WorldPoint centre, float radiusX, float radiusY, const Pen& pen) override;
    void paintText(WorldPoint topLeft, const QString& text, double fontSize,
                   const Pen& pen) override;
    void clearLayer(bool persistentLayer) override;
    void backColourChanged() override;
    void beginBatch() override;
    void endBatch() override;

private:
    // The layer a pen draws into, prepared for aliased painting; null when empty.
    QImage* target(const Pen& pen);
    void clearTransient();
    void notify();
    // Ends the painter a batch keeps open, before the images are read or painted
    // any other way.
    void closeBatchPainter() const;

    QSize size_;
    QImage persistent_;
    QImage transient_;
    bool transientMarked_ = false; // something is drawn on the transient layer
    std::function<void()> changed_;
    // While a batch is open, consecutive lines with the same pen share one painter and
    // the change is reported once at the end.
    int batchDepth_ = 0;
    bool changedInBatch_ = false;
    mutable std::unique_ptr<QPainter> batchPainter_;
    Pen batchPen_{};
    bool batchDots_ = false; // the batch painter draws dots (its pen and brush are theirs)
};

} // namespace orvane
