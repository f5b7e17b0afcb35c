// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "GeometryReports.h"
#include "MathText.h"

#include <array>
#include <optional>
#include <vector>

// The worked steps of each geometry problem, as a textbook writes them, from the values
// read out of the boxes. Every function may throw ArithmeticError; the caller catches it.
namespace orvane::geometry {

using MathText::Coefficient;

// Small numbers the steps compute with, exactly.
inline const ExactReal Zero(0);
inline const ExactReal One(1);
inline const ExactReal Two(2);
inline const ExactReal Four(4);

struct PlaneLine {
    Coefficient a, b, c; // a·x + b·y + c = 0
};

// A·x² + B·y² + C·x + D·y + E·xy + F = 0.
struct Conic {
    Coefficient A, B, C, D, E, F;
};

// The curve as an equation: 9x²+16y²−144=0.
std::string conicEquation(const Conic& curve);

ReportLines twoPointsSteps(const std::array<Coefficient, 4>& xy); // x₁ y₁ x₂ y₂
ReportLines pointLineSteps(const Coefficient& x0, const Coefficient& y0, const PlaneLine& line);
ReportLines twoLinesSteps(const PlaneLine& l1, const PlaneLine& l2);

// Where a line meets a conic, found with the steps that `lineCurveSteps` writes.
struct Meeting {
    enum Kind { TwoPoints, Tangent, NoPoint, OnePoint, LineOnCurve } kind = NoPoint;
    std::vector<std::pair<ExactReal, ExactReal>> points;
    std::optional<ExactReal> chord;
};
// Appends the steps for line and conic: the line solved for y (or x = m), the
// substitution, the quadratic, Δ, Vieta, the chord and the crossing points. `name` is
// the curve's name in the text ("曲线C", "圆C₁").
Meeting lineCurveSteps(ReportLines& out, const PlaneLine& line, const Conic& curve,
                       const std::string& name);

// The point and conic problem and the two circles problem: both report and steps.
struct Worked {
    ReportLines report;
    ReportLines steps;
    bool answered = true; // false when the data pose no such problem
};
Worked pointCurve(const Coefficient& x0, const Coefficient& y0, const Conic& curve);
// Circles with centres (h₁, k₁), (h₂, k₂) and radii r₁, r₂.
Worked twoCircles(const std::array<Coefficient, 6>& data);

// What the line a·x + b·y + c = 0 is when a = b = 0: "L₁：0x+0y+1=0 不是直线".
std::string notALine(const std::string& name, const PlaneLine& line);

} // namespace orvane::geometry
