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
    WorldPoint at() const { return at_; }
    Colour colour() const { return colour_; }
    int width() const { return width_; }

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
    const std::vector<Segment>& segments() const { return segments_; }
    Colour colour() const { return colour_; }
    int width() const { return width_; }
    DrawStyle style() const { return style_; }

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
    WorldPoint centre() const { return centre_; }
    float radius() const { return radius_; }
    Colour colour() const { return colour_; }
    int width() const { return width_; }

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
    WorldPoint topLeft() const { return topLeft_; }
    const QString& text() const { return text_; }
    Colour colour() const { return colour_; }
    double fontSize() const { return fontSize_; }

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

    struct Dot {
        WorldPoint at;
        int width;
    };
    // A drag read back from a file: the dots are not painted here.
    void addDot(WorldPoint at, int width) { dots_.push_back({at, width}); }
    const std::vector<Dot>& dots() const { return dots_; }
    Colour background() const { return background_; }

private:
    void paintDot(Surface& surface, const Dot& dot) const;

    Colour background_;
    std::vector<Dot> dots_;
};

} // namespace orvane
