// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Engine.h"
#include "RootScan.h"

#include <string>
#include <string_view>
#include <vector>

// Real roots of an equation f(x) = 0 in one unknown within the range the user gives,
// each written as "#0.00#".
namespace orvane::EquationSolver {

// Beyond this a search would keep the window frozen for long, so the range is cut to it.
inline constexpr double RangeLimit = 100000;

struct SearchRange {
    double min = 0;
    double max = 0;
    bool limited = false; // an end was beyond RangeLimit and has been moved to it
};
SearchRange limitRange(double min, double max);

struct Outcome {
    // The lines the solver prints: the roots from 0 upwards, then the negative ones from
    // 0 downwards, each text once.
    std::vector<std::string> roots;
    // The list may lack roots (see RootScan::Result): the window says so.
    bool mayBeIncomplete = false;
};

// The left side as a function of x, evaluated with `engine` (which must outlive it). The
// unknown is bound as the engine's x, never written into the text, so names such as exp
// or fix stay as they are; the text is translated once.
RootScan::Function equationFunction(engine::Engine& engine, std::string_view equation);

// Every root of the equation in [min, max] (none when min > max).
Outcome solve(engine::Engine& engine, std::string_view equation, double min, double max);
// The same for any function (the benchmarks compare evaluators through it).
Outcome solveFunction(const RootScan::Function& f, double min, double max);

// What the solver window and `orvane --roots` show for the texts typed: the equation's
// left side, and the ends of the range read as leading numbers ("Pi" reads as 0).
struct Report {
    std::string error;       // the equation cannot be read; nothing else is set then
    std::string rangeNotice; // the range was cut to RangeLimit
    std::vector<std::string> roots;
    std::string incompleteNotice; // the list may lack roots
};
Report report(engine::Engine& engine, std::string_view equation, std::string_view minText,
              std::string_view maxText);

} // namespace orvane::EquationSolver
