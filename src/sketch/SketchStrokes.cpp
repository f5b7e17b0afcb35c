// SPDX-License-Identifier: GPL-3.0-or-later
#include "SketchStrokes.h"

namespace orvane {

void DotStroke::paint(Surface& surface) const
{
    surface.setPenWidth(width_);
    surface.point(at_, colour_);
}

void LineStroke::paint(Surface& surface) const
{
    surface.setPenWidth(width_);
    surface.setDrawStyle(style_);
    for (const Segment& segment : segments_)
        surface.line(segment.first, segment.second, colour_);
    surface.setDrawStyle(DrawStyle::Solid);
}

void CircleStroke::paint(Surface& surface) const
{
    surface.setPenWidth(width_);
    surface.point(centre_, colour_);
    surface.circle(centre_, radius_, colour_);
}

void TextStroke::paint(Surface& surface) const
{
    surface.setFontSize(fontSize_);
    surface.setForeColour(colour_);
    surface.setCurrentPoint(topLeft_);
    surface.printText(text_);
}

void EraserStroke::paintDot(Surface& surface, const Dot& dot) const
{
    surface.setPenWidth(dot.width);
    surface.point(dot.at, background_);
}

void EraserStroke::extend(Surface& surface, WorldPoint at, int width)
{
    dots_.push_back({at, width});
    paintDot(surface, dots_.back());
}

void EraserStroke::paint(Surface& surface) const
{
    for (const Dot& dot : dots_)
        paintDot(surface, dot);
}

} // namespace orvane
