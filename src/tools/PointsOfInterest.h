// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RootScan.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::engine {
class Engine;
}

// The points a teacher asks about on a curve y = f(x) in the window shown: where it
// meets the x axis, where it turns, where it crosses the y axis and where it meets the
// other curves. Roots and crossings come from the solver's root scan; turning points are
// bracketed by the samples, located by Brent's minimiser and then polished as a root of
// the derivative, so that both coordinates are good to about the last digits a double
// holds. A root where the curve only touches the axis (a double root) and a crossing
// where two curves touch are polished the same way.
namespace orvane::PointsOfInterest {

using Function = RootScan::Function;

enum class Kind { Root, Maximum, Minimum, YAxisCrossing, CurveCrossing };

struct Point {
    Kind kind = Kind::Root;
    double x = 0;
    double y = 0;
    // For a crossing: the index of the other curve in the list handed in.
    std::size_t otherCurve = 0;
    // "(x, y)" in the program's general number form, to 12 significant digits.
    std::string text;
};

struct Settings {
    // Samples across the interval: features closer than two sample steps may be taken
    // for one (the scan then says its list may be incomplete).
    int samples = 4000;
};

struct Result {
    std::vector<Point> points; // by x, then by kind
    bool mayBeIncomplete = false;
};

// "(x, y)" with both numbers in the general form, to the 12 significant digits the
// refinement vouches for ("(-1, 2)", "(1.57079632679, 1)").
std::string coordinatesText(double x, double y);

// Roots, maxima, minima and the y-axis crossing of f on [min, max].
Result ofCurve(const Function& f, double min, double max, const Settings& settings = {});
// Where f and g meet on [min, max]; otherCurve is left 0.
Result crossings(const Function& f, const Function& g, double min, double max,
                 const Settings& settings = {});
// What a click on curve `clicked` shows: its own points and its crossings with each of
// the other curves.
Result forCurve(const std::vector<Function>& curves, std::size_t clicked, double min, double max,
                const Settings& settings = {});

// Each text as a curve y = f(x) evaluated with a copy of `engine` of its own, so that
// curves evaluated in turn do not spoil each other's quick path and can move to
// another thread.
std::vector<Function> curveFunctions(const engine::Engine& engine,
                                     const std::vector<std::string>& texts);

} // namespace orvane::PointsOfInterest
