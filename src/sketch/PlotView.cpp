// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlotView.h"

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

constexpr double Pi = 3.14159265358979323846;
// About this many ticks on each half of an axis.
constexpr double TicksPerHalf = 10;

double positiveOr(double value, double fallback)
{
    return value > 0 && std::isfinite(value) ? value : fallback;
}

} // namespace

double niceStepAtLeast(double value)
{
    value = positiveOr(value, 1);
    const double decade = std::pow(10.0, std::floor(std::log10(value)));
    for (double m : {1.0, 2.0, 5.0, 10.0}) {
        // A little slack so that 0.3/0.1 and the like do not step over an exact match.
        if (m * decade >= value * (1 - 1e-12)) return m * decade;
    }
    return 10 * decade;
}

double niceStepAtMost(double value)
{
    value = positiveOr(value, 1);
    const double decade = std::pow(10.0, std::floor(std::log10(value)));
    for (double m : {10.0, 5.0, 2.0, 1.0}) {
        if (m * decade <= value * (1 + 1e-12)) return m * decade;
    }
    return decade / 2;
}

PlotView::PlotView(double centreX, double centreY, double halfWidth, bool piLabels)
    : centreX_(centreX), centreY_(centreY), halfWidth_(halfWidth), piLabels_(piLabels)
{
    clamp();
}

void PlotView::clamp()
{
    if (!std::isfinite(centreX_)) centreX_ = 0;
    if (!std::isfinite(centreY_)) centreY_ = 0;
    centreX_ = std::clamp(centreX_, -MaxCentre, MaxCentre);
    centreY_ = std::clamp(centreY_, -MaxCentre, MaxCentre);
    const double least = std::max(
        MinHalfWidth, MinHalfWidthPerCentre * std::max(std::fabs(centreX_), std::fabs(centreY_)));
    halfWidth_ = std::clamp(positiveOr(halfWidth_, 10), least, MaxHalfWidth);
}

PlotView PlotView::classic(int axisSize)
{
    return PlotView(0, 0, axisSize);
}

PlotView PlotView::trigonometric()
{
    return PlotView(0, 0, 2 * Pi, true);
}

bool PlotView::fromRectangle(double x0, double x1, double y0, double y1, PlotView& view)
{
    for (double v : {x0, x1, y0, y1})
        if (!std::isfinite(v)) return false;
    if (!(x1 > x0) || !(y1 > y0)) return false;
    view = PlotView((x0 + x1) / 2, (y0 + y1) / 2, std::max(x1 - x0, y1 - y0) / 2);
    return true;
}

bool PlotView::isClassic(int axisSize) const
{
    return *this == classic(axisSize);
}

PlotView PlotView::zoomedAbout(double x, double y, double factor) const
{
    PlotView next = *this;
    next.halfWidth_ = halfWidth_ * positiveOr(factor, 1);
    next.clamp();
    // The fixed point keeps its share of the window on both sides.
    const double ratio = next.halfWidth_ / halfWidth_;
    next.centreX_ = x + (centreX_ - x) * ratio;
    next.centreY_ = y + (centreY_ - y) * ratio;
    next.clamp();
    return next;
}

PlotView PlotView::panned(double dx, double dy) const
{
    PlotView next = *this;
    next.centreX_ += std::isfinite(dx) ? dx : 0;
    next.centreY_ += std::isfinite(dy) ? dy : 0;
    next.clamp();
    return next;
}

double PlotView::pixelX(double x, PixelArea area) const
{
    return (x - left()) / unitsPerPixelX(area);
}

double PlotView::pixelY(double y, PixelArea area) const
{
    return (top() - y) / unitsPerPixelY(area);
}

double PlotView::plotX(double px, PixelArea area) const
{
    return left() + px * unitsPerPixelX(area);
}

double PlotView::plotY(double py, PixelArea area) const
{
    return top() - py * unitsPerPixelY(area);
}

double PlotView::unitsPerPixelX(PixelArea area) const
{
    return 2 * halfWidth_ / std::max(1.0, area.width);
}

double PlotView::unitsPerPixelY(PixelArea area) const
{
    return 2 * halfWidth_ / std::max(1.0, area.height);
}

double PlotView::tickStepX() const
{
    if (!piLabels_) return tickStepY();
    // Multiples of π/2 are wider apart than decimal ticks: about four on each half.
    return Pi / 2 * niceStepAtLeast(halfWidth_ / (Pi / 2) / 4);
}

double PlotView::tickStepY() const
{
    return niceStepAtLeast(halfWidth_ / TicksPerHalf);
}

} // namespace orvane
