// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlotView.h"
#include "SystemDialogs.h"

#include <QString>

#include <optional>

namespace orvane {

// A point in world coordinates, handed over in single precision.
struct WorldPoint {
    float x = 0;
    float y = 0;
    friend bool operator==(WorldPoint a, WorldPoint b) { return a.x == b.x && a.y == b.y; }
};

enum class DrawStyle { Solid = 0, Dotted = 2, DashDot = 3 };

// Everything the plotter and the pad draw goes through this surface: a user scale
// mapping world coordinates onto the whole drawing area, two layers (persistent and
// transient), and a current point, fore colour, pen width, font size and draw style.
// The base class keeps that state; subclasses only paint resolved primitives.
class Surface {
public:
    virtual ~Surface() = default;

    void setScale(float left, float top, float right, float bottom);
    // The scale of a view's window; the view itself is kept in double precision for
    // whatever traces curves for this surface.
    void setView(const PlotView& view);
    const PlotView& view() const { return view_; }
    // The size of the drawing area in pixels; a surface without pixels of its own
    // (one that records, for instance) traces as for a pad of 800 by 800.
    virtual PixelArea pixelArea() const { return {800, 800}; }
    // While on, a curve traced for another view may be shown as it is (a quick picture
    // while the view moves, until the traces for the new view are ready); otherwise a
    // curve is traced for this surface's view and pixels when it is painted.
    void setTracePreview(bool on) { tracePreview_ = on; }
    bool tracePreview() const { return tracePreview_; }
    float scaleLeft() const { return left_; }
    float scaleTop() const { return top_; }
    float scaleRight() const { return right_; }
    float scaleBottom() const { return bottom_; }

    void setPersistent(bool on) { persistent_ = on; }
    bool isPersistent() const { return persistent_; }

    // With persistence on erases everything; with it off only the transient layer.
    void clear();
    // A segment in `colour` (the fore colour when none); the current point moves to `to`.
    void line(WorldPoint from, WorldPoint to, std::optional<Colour> colour = {});
    void lineTo(WorldPoint to, std::optional<Colour> colour = {});
    // A dot whose size follows the pen width.
    void point(WorldPoint at, std::optional<Colour> colour = {});
    // aspect < 1: radius is the horizontal semi-axis, vertical = radius * aspect;
    // aspect > 1: radius is the vertical semi-axis, horizontal = radius / aspect.
    // Without an aspect the circle is round in units of the x axis.
    void circle(WorldPoint centre, float radius, std::optional<Colour> colour = {},
                std::optional<float> aspect = {});
    // Text with its top-left corner at the current point, in the fore colour.
    void printText(const QString& text);

    WorldPoint currentPoint() const { return current_; }
    void setCurrentPoint(WorldPoint p) { current_ = p; }
    void setForeColour(Colour c) { fore_ = c; }
    Colour foreColour() const { return fore_; }
    void setPenWidth(int width) { penWidth_ = width < 1 ? 1 : width; }
    int penWidth() const { return penWidth_; }
    void setFontSize(double points) { fontSize_ = points; }
    double fontSize() const { return fontSize_; }
    void setDrawStyle(DrawStyle style) { style_ = style; }
    DrawStyle drawStyle() const { return style_; }
    void setBackColour(Colour c);
    Colour backColour() const { return back_; }

    // A run of primitives drawn in one go, such as the segments of a traced curve: while
    // one is open a surface may keep its drawing state between primitives and report the
    // change once at the end. What ends up on the surface is the same as without it.
    // Batches may nest.
    class Batch {
    public:
        explicit Batch(Surface& surface) : surface_(surface) { surface_.beginBatch(); }
        ~Batch() { surface_.endBatch(); }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        Surface& surface_;
    };

    // How the current state applies to one primitive.
    struct Pen {
        Colour colour;
        int width;
        DrawStyle style;
        bool persistent;
    };

protected:
    virtual void paintLine(WorldPoint from, WorldPoint to, const Pen& pen) = 0;
    virtual void paintPoint(WorldPoint at, const Pen& pen) = 0;
    // Semi-axes in world units along x and y.
    virtual void paintEllipse(WorldPoint centre, float radiusX, float radiusY, const Pen& pen) = 0;
    virtual void paintText(WorldPoint topLeft, const QString& text, double fontSize,
                           const Pen& pen) = 0;
    virtual void clearLayer(bool persistentLayer) = 0;
    // The background colour changed: the surface is cleared to it.
    virtual void backColourChanged() {}
    // Around a Batch: nothing to do for a surface that keeps no drawing state.
    virtual void beginBatch() {}
    virtual void endBatch() {}

    // World y units per pixel over world x units per pixel, so that a circle without an
    // aspect is round on screen even when the drawing area is not square.
    virtual float pixelAspect() const { return 1.0f; }

private:
    Pen pen(std::optional<Colour> colour) const
    {
        return {colour.value_or(fore_), penWidth_, style_, persistent_};
    }

    float left_ = -10, top_ = 10, right_ = 10, bottom_ = -10;
    PlotView view_;
    bool tracePreview_ = false;
    bool persistent_ = true;
    WorldPoint current_;
    Colour fore_ = 0;
    Colour back_ = 0xFFFFFF;
    int penWidth_ = 1;
    double fontSize_ = 9;
    DrawStyle style_ = DrawStyle::Solid;
};

} // namespace orvane
