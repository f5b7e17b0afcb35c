// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlotView.h"

#include <atomic>
#include <functional>
#include <optional>
#include <vector>

namespace orvane {

struct PlotPoint {
    double x = 0;
    double y = 0;
    friend bool operator==(PlotPoint a, PlotPoint b) { return a.x == b.x && a.y == b.y; }
};
// One unbroken stretch of a curve.
using PlotPath = std::vector<PlotPoint>;

// The point of the curve at a value of its free variable; nothing where it is undefined.
using CurveFunction = std::function<std::optional<PlotPoint>(double)>;

struct SamplingRequest {
    // How the free variable lies on the pad: along x (y = f(x)), along y (x = f(y)), or a
    // parameter of no direction of its own (polar and parametric curves).
    enum class Free { X, Y, Parameter };
    Free free = Free::X;
    double from = -10;
    double to = 10;
    // The least number of samples per unit of the free variable.
    double samplesPerUnit = 100;
    // Stops the sampling soon after it is set.
    const std::atomic<bool>* cancel = nullptr;
};

struct SampledCurve {
    std::vector<PlotPath> paths;
    bool cancelled = false;
    long long evaluations = 0;
};

// Samples a curve in the pixels of a view: at least one sample per pixel column of the
// free variable, pieces halved until they are at most 2 pixels long or straight within
// half a pixel. A path breaks only where the curve is undefined or jumps; the place is
// narrowed below a pixel, and a branch that grows without bound runs on to the edge.
// Everything is clipped to the window with a margin of a few pixels.
SampledCurve sampleCurve(const CurveFunction& curve, const SamplingRequest& request,
                         const PlotView& view, PixelArea area);

// Beyond the window, in pixels, that a clipped path reaches (wider than any pen).
inline constexpr double ClipMarginPixels = 24;

} // namespace orvane
