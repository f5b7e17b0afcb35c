// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CheckedArithmetic.h"
#include "Engine.h"

#include <array>
#include <string>
#include <vector>

// The worked derivations of the four geometry problems, line by line, built from the
// texts of the input boxes. The window only shows what comes back.
namespace orvane::geometry {

using ReportLines = std::vector<std::string>;

// The result box's text: every line preceded by CR LF, so it begins with an empty line.
std::string resultText(const ReportLines& lines);

// What a derivation prints where a fault stopped it.
std::string faultLine(Fault fault);

struct TwoPointTexts {
    std::string x1, y1; // point A
    std::string x2, y2; // point B
};
ReportLines twoPointDistanceReport(engine::Engine& engine, const TwoPointTexts& texts);

struct PointLineTexts {
    std::string x0, y0;  // the point
    std::string a, b, c; // the line a·x + b·y + c = 0
};
ReportLines pointLineReport(engine::Engine& engine, const PointLineTexts& texts);

struct TwoLinesTexts {
    std::string a1, b1, c1; // L1
    std::string a2, b2, c2; // L2
};
// The coefficients are expressions like on the other pages; an empty box is 0.
ReportLines twoLinesReport(engine::Engine& engine, const TwoLinesTexts& texts);

// Line and curve. The slope sentence of the last real line is kept from one report to
// the next: a "line" with a = b = 0 repeats it.
class LineCurveReport {
public:
    // a, b, c of the line, then A, B, C, D, E, F of the curve, as expression texts.
    using Texts = std::array<std::string, 9>;
    ReportLines build(engine::Engine& engine, const Texts& texts);

private:
    std::string slopeNote_;
};

} // namespace orvane::geometry
