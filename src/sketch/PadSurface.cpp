// SPDX-License-Identifier: GPL-3.0-or-later
#include "PadSurface.h"

#include "Colours.h"
#include "SurfacePainting.h"

#include <QPainter>
#include <QPen>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

// Point sizes are meant for a 96 dpi screen.
constexpr int DotsPerMeter96 = 3780;

QImage makeLayer(QSize size, qreal devicePixelRatio, QImage::Format format)
{
    QImage image(
        QSize(qCeil(size.width() * devicePixelRatio), qCeil(size.height() * devicePixelRatio)),
        format);
    image.setDevicePixelRatio(devicePixelRatio);
    // The dots per inch stay those of a device-independent pixel: text of a point size
    // takes the same room at every ratio.
    image.setDotsPerMeterX(DotsPerMeter96);
    image.setDotsPerMeterY(DotsPerMeter96);
    return image;
}

bool samePen(const Surface::Pen& a, const Surface::Pen& b)
{
    return a.colour == b.colour && a.width == b.width && a.style == b.style &&
           a.persistent == b.persistent;
}

} // namespace

PadSurface::PadSurface()
{
    resize(QSize(1, 1));
}

void PadSurface::resize(QSize size, qreal devicePixelRatio)
{
    closeBatchPainter();
    size_ = size.expandedTo(QSize(0, 0));
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1;
    persistent_ = makeLayer(size_, ratio, QImage::Format_RGB32);
    persistent_.fill(toQColor(backColour()));
    transient_ = makeLayer(size_, ratio, QImage::Format_ARGB32_Premultiplied);
    clearTransient();
    notify();
}

void PadSurface::render(QPainter& painter) const
{
    closeBatchPainter();
    const QRectF area(QPointF(0, 0), QSizeF(size_));
    painter.drawImage(area, persistent_);
    painter.drawImage(area, transient_);
}

QImage PadSurface::composedImage() const
{
    closeBatchPainter();
    QImage out = persistent_.copy();
    if (!out.isNull()) {
        QPainter painter(&out);
        painter.drawImage(0, 0, transient_);
    }
    return out;
}

QPointF PadSurface::toPixel(WorldPoint p) const
{
    return worldToPixel(*this, QSizeF(size_), p);
}

WorldPoint PadSurface::toWorld(QPointF pixel) const
{
    const double w = std::max(1, size_.width());
    const double h = std::max(1, size_.height());
    const double x = scaleLeft() + pixel.x() * (double(scaleRight()) - scaleLeft()) / w;
    const double y = scaleTop() + pixel.y() * (double(scaleBottom()) - scaleTop()) / h;
    return {float(x), float(y)};
}

float PadSurface::pixelAspect() const
{
    return pixelAspectOfArea(*this,
                             QSizeF(std::max(1, size_.width()), std::max(1, size_.height())));
}

QFont PadSurface::textFont(double points)
{
    QFont font(QStringLiteral("WenQuanYi Micro Hei"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points > 0 ? points : 1);
    // Aliased glyphs, so that printing the text again in the background colour wipes it.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

QImage* PadSurface::target(const Pen& pen)
{
    closeBatchPainter();
    QImage* layer = pen.persistent ? &persistent_ : &transient_;
    if (layer->isNull()) return nullptr;
    if (!pen.persistent)
        transientMarked_ = true;
    else if (transientMarked_)
        clearTransient();
    return layer;
}

void PadSurface::paintLine(WorldPoint from, WorldPoint to, const Pen& pen)
{
    if (!batchPainter_ || batchDots_ || !samePen(pen, batchPen_)) {
        QImage* layer = target(pen);
        if (!layer) return;
        if (batchDepth_ == 0) {
            QPainter painter(layer);
            painter.setPen(surfacePen(pen));
            painter.drawLine(toPixel(from), toPixel(to));
            painter.end();
            notify();
            return;
        }
        // In a batch the painter stays open for the lines that follow with this pen:
        // the same pixels as a painter per line, at a fraction of the cost.
        batchPainter_ = std::make_unique<QPainter>(layer);
        batchPainter_->setPen(surfacePen(pen));
        batchPen_ = pen;
        batchDots_ = false;
    }
    batchPainter_->drawLine(toPixel(from), toPixel(to));
    notify();
}

void PadSurface::paintPoint(WorldPoint at, const Pen& pen)
{
    if (batchDepth_ > 0) {
        // Dot after dot (the points of a hyperbola) share one painter, as lines do.
        if (!batchPainter_ || !batchDots_ || !samePen(pen, batchPen_)) {
            QImage* layer = target(pen);
            if (!layer) return;
            batchPainter_ = std::make_unique<QPainter>(layer);
            batchPen_ = pen;
            batchDots_ = true;
        }
        paintDot(*batchPainter_, toPixel(at), pen);
        notify();
        return;
    }
    QImage* layer = target(pen);
    if (!layer) return;
    QPainter painter(layer);
    paintDot(painter, toPixel(at), pen);
    painter.end();
    notify();
}

void PadSurface::paintEllipse(WorldPoint centre, float radiusX, float radiusY, const Pen& pen)
{
    QImage* layer = target(pen);
    if (!layer) return;
    const QPointF c = toPixel(centre);
    const QPointF corner = toPixel({centre.x + radiusX, centre.y + radiusY});
    QPainter painter(layer);
    painter.setPen(surfacePen(pen));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(c, std::abs(corner.x() - c.x()), std::abs(corner.y() - c.y()));
    painter.end();
    notify();
}

void PadSurface::paintText(WorldPoint topLeft, const QString& text, double fontSize, const Pen& pen)
{
    QImage* layer = target(pen);
    if (!layer) return;
    // Glyphs painted through the ratio's scaling come out antialiased whatever the font
    // asks for, so the text goes straight onto the image pixels, at the size it takes there.
    const qreal ratio = layer->devicePixelRatio();
    QImage pixels(layer->bits(), layer->width(), layer->height(), layer->bytesPerLine(),
                  layer->format());
    pixels.setDotsPerMeterX(DotsPerMeter96);
    pixels.setDotsPerMeterY(DotsPerMeter96);
    QPainter painter(&pixels);
    painter.setFont(textFont(fontSize * ratio));
    painter.setPen(toQColor(pen.colour));
    const QPointF at = toPixel(topLeft) * ratio;
    painter.drawText(QPointF(at.x(), at.y() + painter.fontMetrics().ascent()), text);
    painter.end();
    notify();
}

void PadSurface::clearLayer(bool persistentLayer)
{
    closeBatchPainter();
    if (persistentLayer) persistent_.fill(toQColor(backColour()));
    clearTransient();
    notify();
}

void PadSurface::backColourChanged()
{
    closeBatchPainter();
    persistent_.fill(toQColor(backColour()));
    clearTransient();
    notify();
}

void PadSurface::clearTransient()
{
    transient_.fill(Qt::transparent);
    transientMarked_ = false;
}

void PadSurface::notify()
{
    if (batchDepth_ > 0) {
        changedInBatch_ = true;
        return;
    }
    if (changed_) changed_();
}

void PadSurface::beginBatch()
{
    ++batchDepth_;
}

void PadSurface::endBatch()
{
    if (--batchDepth_ > 0) return;
    closeBatchPainter();
    if (changedInBatch_) {
        changedInBatch_ = false;
        notify();
    }
}

void PadSurface::closeBatchPainter() const
{
    batchPainter_.reset();
}

} // namespace orvane
