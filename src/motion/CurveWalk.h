// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

// Tracing a point along a curve: the marker snaps onto the curve nearest the pointer and
// moves along it pixel by pixel, and the arrow keys take it to the next curve. Distances
// are measured on the screen, so that a step is one pixel whatever the scale of either
// axis.
namespace orvane::CurveWalk {

struct PlanePoint {
    double x = 0;
    double y = 0;
};

// Pixels per unit of the plane along each axis.
struct PixelScale {
    double x = 1;
    double y = 1;
};

// A traced curve in plane coordinates: pieces of polyline, broken where the curve is
// undefined or jumps.
using Pieces = std::vector<std::vector<PlanePoint>>;

// A place on the pieces: the segment from point `segment` to the next of piece `piece`,
// a share `t` (0 to 1) along it. A piece of one point has only the place 0, 0.
struct Place {
    std::size_t piece = 0;
    std::size_t segment = 0;
    double t = 0;
};

PlanePoint pointAt(const Pieces& pieces, const Place& place);

struct Nearest {
    Place place;
    PlanePoint point;
    double pixels = 0; // its distance from the pointer on the screen
};
// The place of the curve nearest `pointer`; std::nullopt for a curve without points.
std::optional<Nearest> nearest(const Pieces& pieces, PlanePoint pointer, PixelScale scale);

// `pixels` further along the curve (backwards when negative), measured along the curve
// on the screen; the end of a piece leads to the start of the next (and back to the end
// of the one before), and the ends of the curve stop the walk.
Place stepAlong(const Pieces& pieces, const Place& from, double pixels, PixelScale scale);

// For a curve y = f(x) (ErrorValue where undefined): the point `pixels` pixel columns
// away from x, on the curve itself. Columns where f is undefined are passed over; the
// walk stops at the ends of [min, max]. std::nullopt when no column in that direction
// has a value.
std::optional<PlanePoint> stepAlongFunction(const std::function<double(double)>& f, double x,
                                            int pixels, PixelScale scale, double min, double max);

// The curve ↑ (direction +1) or ↓ (-1) goes to from `current` among `count` curves,
// round the list, passing over those without a point to show (`hasPoint` false);
// std::nullopt when no other curve has one.
std::optional<std::size_t> nextCurve(std::size_t count, std::size_t current, int direction,
                                     const std::function<bool(std::size_t)>& hasPoint);

} // namespace orvane::CurveWalk
