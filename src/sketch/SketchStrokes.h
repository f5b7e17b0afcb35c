// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PadDocument.h"

#include <QString>

#include <utility>
#include <vector>

namespace orvane {

// The hand drawing of the pad as document operations, each one mouse action.

// A dot of the pen width (point mode, the centre of a circle).
class DotStroke : public PadOperation {
public:
    DotStroke(WorldPoint at, Colour colour, int width) : at_(at), colour_(colour), width_(width) {}
    void paint(Surface& surface) const override;

private:
    WorldPoint at_;
    Colour colour_;
    int width_;
};

// Straight lines in one pen: a line, or the two perpendiculars to the axes.
class LineStroke : public PadOperation {
public:
    using Segment = std::pair<WorldPoint, WorldPoint>;
    LineStroke(std::vector<Segment> segments, Colour colour, int width, DrawStyle style)
        : segments_(std::move(segments)), colour_(colour), width_(width), style_(style)
    {
    }
    void paint(Surface& surface) const override;

private:
    std::vector<Segment> segments_;
    Colour colour_;
    int width_;
    DrawStyle style_;
};

// A circle with its centre dot, as the pad draws it from press to release.
class CircleStroke : public PadOperation {
public:
    CircleStroke(WorldPoint centre, float radius, Colour colour, int width)
        : centre_(centre), radius_(radius), colour_(colour), width_(width)
    {
    }
    void paint(Surface& surface) const override;

private:
    WorldPoint centre_;
    float radius_;
    Colour colour_;
    int width_;
};

// Text with its top-left corner at a point, in a font size.
class TextStroke : public PadOperation {
public:
    TextStroke(WorldPoint topLeft, QString text, Colour colour, double fontSize)
        : topLeft_(topLeft), text_(std::move(text)), colour_(colour), fontSize_(fontSize)
    {
    }
    void paint(Surface& surface) const override;

private:
    WorldPoint topLeft_;
    QString text_;
    Colour colour_;
    double fontSize_;
};

// One drag of the eraser: dots in the background colour, each of the eraser size it
// was made with.
class EraserStroke : public PadOperation {
public:
    explicit EraserStroke(Colour background) : background_(background) {}
    // Adds a dot and paints it at once, as the drag goes on.
    void extend(Surface& surface, WorldPoint at, int width);
    bool isEmpty() const { return dots_.empty(); }
    void paint(Surface& surface) const override;

private:
    struct Dot {
        WorldPoint at;
        int width;
    };
    void paintDot(Surface& surface, const Dot& dot) const;

    Colour background_;
    std::vector<Dot> dots_;
};

} // namespace orvane
