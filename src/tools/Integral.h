// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Engine.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace orvane {

// Definite integral of `integrand` (an expression in x) from a to b by the composite
// trapezoidal rule with n sub-intervals. No value when the computation faults: n = 0,
// or the step or the running sum leaves the range of a double. Points where the
// integrand cannot be evaluated take part as the evaluator's error value.
std::optional<double> countIntegral(engine::Engine& engine, std::string_view integrand, double a,
                                    double b, std::int16_t n);

} // namespace orvane
