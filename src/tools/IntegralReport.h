// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Engine.h"

#include <string>

namespace orvane {

// What the integral window and `orvane --integral` show for the four texts typed: the
// value, or why there is none.
struct IntegralReport {
    std::string value;  // empty when there is no value to show
    std::string notice; // why there is no value; empty with a value

    bool hasValue() const { return !value.empty(); }

    // Limits and count are expressions ("Pi/2", "2*100"); the count, rounded halves to
    // even, must lie between 1 and Integral::MaxPieces.
    static IntegralReport compute(engine::Engine& engine, const std::string& lower,
                                  const std::string& upper, const std::string& integrand,
                                  const std::string& count);
};

} // namespace orvane
