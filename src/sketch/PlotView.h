// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace orvane {

// A size in pixels of the area a view is shown on.
struct PixelArea {
    double width = 1;
    double height = 1;
};

// The window of the plane the pad shows: a square given by its centre and half-width,
// stretched over the pad as the classic scale is. A plain value: it is kept by the pad
// document (outside the undo history) and handed to whatever paints or traces.
class PlotView {
public:
    // Narrower than this a single-precision world point no longer tells pixels apart;
    // wider than this the tick labels no longer fit.
    static constexpr double MinHalfWidth = 1e-4;
    static constexpr double MaxHalfWidth = 1e6;
    // The centre stays this far from the origin at most.
    static constexpr double MaxCentre = 1e7;
    // Float precision at the centre: the half-width keeps this share of |centre| at least.
    static constexpr double MinHalfWidthPerCentre = 1e-3;

    // The classic view of axis size 10.
    PlotView() = default;
    // Limits applied (see clamped()).
    PlotView(double centreX, double centreY, double halfWidth, bool piLabels = false);

    // −S…S on both axes, the view of the axis-size scroll bar.
    static PlotView classic(int axisSize);
    // Two periods of sin x across, the x axis labelled in multiples of π/2.
    static PlotView trigonometric();
    // The square around that rectangle (x0 < x1, y0 < y1); invalid input gives false.
    static bool fromRectangle(double x0, double x1, double y0, double y1, PlotView& view);

    double centreX() const { return centreX_; }
    double centreY() const { return centreY_; }
    double halfWidth() const { return halfWidth_; }
    // Ticks of the x axis at multiples of π/2, labelled with the glyph π.
    bool piLabels() const { return piLabels_; }

    double left() const { return centreX_ - halfWidth_; }
    double right() const { return centreX_ + halfWidth_; }
    double bottom() const { return centreY_ - halfWidth_; }
    double top() const { return centreY_ + halfWidth_; }

    bool isClassic(int axisSize) const;

    // `factor` < 1 zooms in. The plot point (x, y) stays where it is on the pad (as far
    // as the limits allow).
    PlotView zoomedAbout(double x, double y, double factor) const;
    PlotView zoomed(double factor) const { return zoomedAbout(centreX_, centreY_, factor); }
    // Moves the window by (dx, dy) plot units.
    PlotView panned(double dx, double dy) const;

    // Plot coordinates <-> pixel positions on an area (y grows downwards there).
    double pixelX(double x, PixelArea area) const;
    double pixelY(double y, PixelArea area) const;
    double plotX(double px, PixelArea area) const;
    double plotY(double py, PixelArea area) const;
    double unitsPerPixelX(PixelArea area) const;
    double unitsPerPixelY(PixelArea area) const;

    // Distance of the ticks on the axes: a 1–2–5 step (times π/2 for the x axis of a π
    // view) that gives about ten ticks on each half of the window.
    double tickStepX() const;
    double tickStepY() const;

    friend bool operator==(const PlotView& a, const PlotView& b)
    {
        return a.centreX_ == b.centreX_ && a.centreY_ == b.centreY_ &&
               a.halfWidth_ == b.halfWidth_ && a.piLabels_ == b.piLabels_;
    }
    friend bool operator!=(const PlotView& a, const PlotView& b) { return !(a == b); }

private:
    void clamp();

    double centreX_ = 0;
    double centreY_ = 0;
    double halfWidth_ = 10;
    bool piLabels_ = false;
};

// The smallest step of the 1–2–5 series (…, 0.1, 0.2, 0.5, 1, 2, 5, 10, …) at least as
// large as `value`, and the largest one at most as large; `value` > 0.
double niceStepAtLeast(double value);
double niceStepAtMost(double value);

} // namespace orvane
