// SPDX-License-Identifier: GPL-3.0-or-later
#include "Surface.h"

#include <cmath>

namespace orvane {

void Surface::setScale(float left, float top, float right, float bottom)
{
    left_ = left;
    top_ = top;
    right_ = right;
    bottom_ = bottom;
    view_ = PlotView((double(left) + right) / 2, (double(top) + bottom) / 2,
                     (double(right) - left) / 2);
}

void Surface::setView(const PlotView& view)
{
    setScale(float(view.left()), float(view.top()), float(view.right()), float(view.bottom()));
    view_ = view;
}

void Surface::clear()
{
    clearLayer(persistent_);
    current_ = {0, 0};
}

void Surface::line(WorldPoint from, WorldPoint to, std::optional<Colour> colour)
{
    paintLine(from, to, pen(colour));
    current_ = to;
}

void Surface::lineTo(WorldPoint to, std::optional<Colour> colour)
{
    line(current_, to, colour);
}

void Surface::point(WorldPoint at, std::optional<Colour> colour)
{
    paintPoint(at, pen(colour));
    current_ = at;
}

void Surface::circle(WorldPoint centre, float radius, std::optional<Colour> colour,
                     std::optional<float> aspect)
{
    radius = std::fabs(radius);
    float rx = radius;
    float ry = radius;
    if (!aspect) {
        // Round on screen: the vertical semi-axis in y units matches the horizontal one.
        ry = radius * pixelAspect();
    } else if (*aspect < 1) {
        ry = radius * std::fabs(*aspect);
    } else {
        rx = radius / *aspect;
    }
    paintEllipse(centre, rx, ry, pen(colour));
    current_ = centre;
}

void Surface::printText(const QString& text)
{
    paintText(current_, text, fontSize_, pen(std::nullopt));
}

void Surface::setBackColour(Colour c)
{
    back_ = c;
    backColourChanged();
}

} // namespace orvane
