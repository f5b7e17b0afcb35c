#include "PadSurface.h"

#include "Colours.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

// Point sizes are meant for a 96 dpi screen.
constexpr int DotsPerMeter96 = 3780;

QImage makeLayer(QSize size, QImage::Format format)
{
    QImage image(size, format);
    image.setDotsPerMeterX(DotsPerMeter96);
    image.setDotsPerMeterY(DotsPerMeter96);
    return image;
}

bool samePen(const Surface::Pen& a, const Surface::Pen& b)
{
    return a.colour == b.colour && a.width == b.width && a.style == b.style &&
           a.persistent == b.persistent;
}

Qt::PenStyle qtStyle(DrawStyle style)
{
    switch (style) {
    case DrawStyle::Dotted:
        return Qt::DotLine;
    case DrawStyle::DashDot:
        return Qt::DashDotLine;
    case DrawStyle::Solid:
        break;
    }
    return Qt::SolidLine;
}

QPen qtPen(const Surface::Pen& pen)
{
    QPen p(toQColor(pen.colour), pen.width, qtStyle(pen.style), Qt::RoundCap, Qt::RoundJoin);
    return p;
}

} // namespace

PadSurface::PadSurface()
{
    resize(QSize(1, 1));
}

void PadSurface::resize(QSize size)
{
    closeBatchPainter();
    persistent_ = makeLayer(size, QImage::Format_RGB32);
    persistent_.fill(toQColor(backColour()));
    transient_ = makeLayer(size, QImage::Format_ARGB32_Premultiplied);
    clearTransient();
    notify();
}

void PadSurface::render(QPainter& painter) const
{
    closeBatchPainter();
    painter.drawImage(0, 0, persistent_);
    painter.drawImage(0, 0, transient_);
}

QImage PadSurface::composedImage() const
{
    closeBatchPainter();
    QImage out = persistent_.copy();
    if (!out.isNull()) {
        QPainter painter(&out);
        render(painter);
    }
    return out;
}

QPointF PadSurface::toPixel(WorldPoint p) const
{
    const double w = persistent_.width();
    const double h = persistent_.height();
    const double x = (double(p.x) - scaleLeft()) * w / (double(scaleRight()) - scaleLeft());
    const double y = (double(p.y) - scaleTop()) * h / (double(scaleBottom()) - scaleTop());
    return {x, y};
}

WorldPoint PadSurface::toWorld(QPointF pixel) const
{
    const double w = std::max(1, persistent_.width());
    const double h = std::max(1, persistent_.height());
    const double x = scaleLeft() + pixel.x() * (double(scaleRight()) - scaleLeft()) / w;
    const double y = scaleTop() + pixel.y() * (double(scaleBottom()) - scaleTop()) / h;
    return {float(x), float(y)};
}

float PadSurface::pixelAspect() const
{
    const double xPerPixel =
        std::abs(double(scaleRight()) - scaleLeft()) / std::max(1, persistent_.width());
    const double yPerPixel =
        std::abs(double(scaleBottom()) - scaleTop()) / std::max(1, persistent_.height());
    if (xPerPixel == 0) return 1.0f;
    return float(yPerPixel / xPerPixel);
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
    if (!batchPainter_ || !samePen(pen, batchPen_)) {
        QImage* layer = target(pen);
        if (!layer) return;
        if (batchDepth_ == 0) {
            QPainter painter(layer);
            painter.setPen(qtPen(pen));
            painter.drawLine(toPixel(from), toPixel(to));
            painter.end();
            notify();
            return;
        }
        // In a batch the painter stays open for the lines that follow with this pen:
        // the same pixels as a painter per line, at a fraction of the cost.
        batchPainter_ = std::make_unique<QPainter>(layer);
        batchPainter_->setPen(qtPen(pen));
        batchPen_ = pen;
    }
    batchPainter_->drawLine(toPixel(from), toPixel(to));
    notify();
}

void PadSurface::paintPoint(WorldPoint at, const Pen& pen)
{
    QImage* layer = target(pen);
    if (!layer) return;
    QPainter painter(layer);
    const QPointF c = toPixel(at);
    if (pen.width <= 1) {
        painter.setPen(QPen(toQColor(pen.colour), 1));
        painter.drawPoint(c);
    } else {
        // A filled dot as wide as the pen.
        painter.setPen(Qt::NoPen);
        painter.setBrush(toQColor(pen.colour));
        const double r = pen.width / 2.0;
        painter.drawEllipse(c, r, r);
    }
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
    painter.setPen(qtPen(pen));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(c, std::abs(corner.x() - c.x()), std::abs(corner.y() - c.y()));
    painter.end();
    notify();
}

void PadSurface::paintText(WorldPoint topLeft, const QString& text, double fontSize, const Pen& pen)
{
    QImage* layer = target(pen);
    if (!layer) return;
    QPainter painter(layer);
    painter.setFont(textFont(fontSize));
    painter.setPen(toQColor(pen.colour));
    const QPointF at = toPixel(topLeft);
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
