// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CheckedArithmetic.h"
#include "Engine.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The numeric side of the geometry window: distances, and what is left of a line and a
// second-degree curve after one variable is eliminated. Nothing here writes on screen;
// every arithmetic fault comes back as a Fault, never as a number.
namespace orvane::AnalyticGeometry {

using geometry::Checked;
using geometry::Fault;

// Line a·x + b·y + c = 0 and curve A·x² + B·y² + C·x + D·y + E·xy + F = 0, in the
// order in which the window reads them: {a, b, c, A, B, C, D, E, F}.
struct LineAndCurve {
    double a = 0, b = 0, c = 0;
    double A = 0, B = 0, C = 0, D = 0, E = 0, F = 0;
};

// A distance with 9 to 19 decimals ("#0.000000000##########"), but no more than the 15
// significant digits a double holds: 1414213562.3731, not 1414213562.373100000 with
// padding zeros that look like digits.
std::string distanceText(double distance);

// Distance from (x1, y1) to (x2, y2); note the order of the arguments.
Checked<double> twoPointDistance(double x1, double x2, double y1, double y2);

// The distance from (x0, y0) to the line a·x + b·y + c = 0, each given as an expression
// text, formatted with "#0.000000000##########"; “c=0”不能成为直线 (c as typed) when
// only c is non-zero; empty when a = b = c = 0. A text that fails to evaluate gives
// Fault::BadInput.
Checked<std::string> pointLineDistanceText(engine::Engine& engine, std::string_view x0,
                                           std::string_view y0, std::string_view a,
                                           std::string_view b, std::string_view c);

// The slope sentence that goes with lineCurveA; nullopt for a = b = 0, where the
// sentence of the previous line stands.
std::optional<std::string> slopeNote(const LineAndCurve& lc);

// qa·t² + qb·t + qc = 0 with t = x when b ≠ 0 (y eliminated) and t = y when b = 0
// (x eliminated). All three are 0 for a = b = 0.
Checked<double> lineCurveA(const LineAndCurve& lc);
Checked<double> lineCurveB(const LineAndCurve& lc);
Checked<double> lineCurveC(const LineAndCurve& lc);
// qb² − 4·qa·qc.
Checked<double> lineCurveDiscriminant(const LineAndCurve& lc);

struct Chord {
    double length = 0;
    // The two y of the intersection points of a vertical line (b = 0), when Δ ≥ 0.
    std::optional<double> RootY1;
    std::optional<double> RootY2;
};

// The eliminated quadratic as the report shows it. A coefficient or discriminant that is
// only rounding noise of its terms (see Real) is 0 here, so decimal coefficients lead
// to the same decisions as whole numbers.
struct Elimination {
    double qa = 0, qb = 0, qc = 0;
    double delta = 0; // qb² − 4·qa·qc
};
Checked<Elimination> eliminate(const LineAndCurve& lc);

// Where the line meets the curve, from the eliminated equation in t (x when b ≠ 0, y
// when b = 0).
struct Meeting {
    enum Kind {
        TwoPoints,   // Δ > 0
        Tangent,     // Δ = 0
        NoPoint,     // Δ < 0, or qa = qb = 0 ≠ qc
        OnePoint,    // qa = 0: the equation is linear
        LineOnCurve, // qa = qb = qc = 0: every point of the line is on the curve
    } kind = NoPoint;
    // The roots: (−qb + √Δ)/(2·qa) before (−qb − √Δ)/(2·qa) for two points.
    std::vector<double> t;
};
Checked<Meeting> meet(const LineAndCurve& lc);

// Length of the chord that the curve cuts from the line. With b ≠ 0 it needs Δ > 0 and
// qa ≠ 0 (otherwise a fault); with b = 0 it is 0 when Δ < 0; with a = b = 0 it is 0.
Checked<Chord> chordLength(const LineAndCurve& lc);

} // namespace orvane::AnalyticGeometry
