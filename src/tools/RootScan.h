// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <vector>

// The real roots of a function of one variable on a closed interval, found by sampling
// at even steps and refining what the samples reveal:
// - a sign change between two samples is narrowed to neighbouring doubles and kept when
//   the values shrink towards zero there (a pole or a jump makes them grow or stay);
// - a sample that is exactly zero is a root (this also catches double roots that fall
//   on a sample);
// - a dip towards zero between samples is searched for its lowest point, which may
//   touch zero (a double root), go below it (two close roots) or stay clear;
// - where the function stops being defined, the border is located and kept as a root
//   when the values vanish there (sqr(x) at 0).
namespace orvane::RootScan {

// The function's value, or ErrorValue where it is undefined.
using Function = std::function<double(double)>;

struct Settings {
    double finestStep = 0.005; // roots at least twice this far apart are told apart
    int maxSteps = 1'000'000;  // a wider range is sampled more coarsely
    int maxRoots = 1000;       // the scan stops once it has found this many
};

struct Result {
    std::vector<double> roots; // in increasing order, each once
    // The scan cannot vouch for a complete list: its step was coarser than the finest
    // one, two roots fell into neighbouring steps, a dip came close to zero without
    // reaching it, the root limit was reached, or nothing could be evaluated at all.
    bool mayBeIncomplete = false;
};

Result scan(const Function& f, double min, double max, const Settings& settings = {});

} // namespace orvane::RootScan
