#pragma once

#include "Engine.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Root search for an equation f(x) = 0 in one unknown: eight fixed scans along the
// x axis, each refining its first sign change down to a grid of 0.0001.
namespace orvane::EquationSolver {

inline constexpr int SlotCount = 8;

// Farther than this from 0 a scan would cost minutes (one evaluation per unit) and the
// stepping would stall where x + 1 == x, so the search range is cut to it.
inline constexpr double RangeLimit = 100000;

enum class Sense { AtLeastZero, AtMostZero };

// Where a scan may go. Inward scans test their start with >= and every later point
// with >, so they stop before evaluating the end point a second time.
enum class Bound { UpToMax, UpToZero, DownToZero, DownToMin };

enum class Origin { Zero, Min, Max };

struct Scan {
    Origin start;
    int direction; // +1 to the right, -1 to the left
    Sense sense;
    Bound bound;
};

// The eight scans in the order they run; scan i fills slot i.
const std::array<Scan, SlotCount>& Scans();

// The equation with every "x" replaced by x written as "0#.0000#" (-1.5 -> -01.5000).
std::string WorkingText(std::string_view equation, double x);

// One scan: the root it reports written as "#0.00#", or an empty text.
std::string RunScan(engine::Engine& engine, std::string_view equation, const Scan& scan, double min,
                    double max);
// The same scan with the value at each point taken from `valueAt(x)`: the same points,
// refinements and rounding (the benchmarks compare evaluators through it).
std::string RunScanWith(const Scan& scan, double min, double max,
                        const std::function<double(double)>& valueAt);

struct SearchRange {
    double min = 0;
    double max = 0;
    bool limited = false; // an end was beyond RangeLimit and has been moved to it
};
SearchRange LimitRange(double min, double max);

struct Outcome {
    std::array<std::string, SlotCount> slotTexts; // duplicates emptied
    // The non-empty slots in slot order: the lines the solver prints.
    std::vector<std::string> roots() const;
};

// Runs all eight scans on the equation (letters compared in lower case) and removes
// duplicate texts.
Outcome Solve(engine::Engine& engine, std::string_view equation, double min, double max);

} // namespace orvane::EquationSolver
