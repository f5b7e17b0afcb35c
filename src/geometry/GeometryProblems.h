// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Engine.h"
#include "GeometryReports.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The six geometry problems as one call: the texts of the boxes in, the report and the
// worked steps out. The window and `orvane --geometry` both print what comes back.
namespace orvane::geometry {

enum class Problem { TwoPoints, PointLine, TwoLines, LineCurve, PointCurve, TwoCircles };

struct ProblemInfo {
    Problem problem;
    const char* command; // the name on the command line: "two-points" …
    int inputCount;      // how many numbers it reads
    const char* inputs;  // their names for the usage text: "x1 y1 x2 y2"
};
const std::vector<ProblemInfo>& problems();
std::optional<ProblemInfo> problemNamed(std::string_view command);

struct Solution {
    ReportLines report;
    ReportLines steps;
    // False when a box cannot be read or the data pose no such problem (a line
    // 0x+0y+1=0, a radius of 0); the command line then ends with status 1.
    bool answered = true;
};

// The texts in the order of problemNamed's inputs (for LineCurve: a, b, c, then A to F;
// for PointCurve: x0, y0, then A to F). The line and curve report keeps its slope
// sentence in `lineCurve` from one call to the next.
Solution solveProblem(engine::Engine& engine, Problem problem,
                      const std::vector<std::string>& texts, LineCurveReport& lineCurve);

// The result box's text: the report, and with `withSteps` an empty line, "详细步骤："
// and the steps; each line after CR LF.
std::string solutionText(const Solution& solution, bool withSteps);

} // namespace orvane::geometry
