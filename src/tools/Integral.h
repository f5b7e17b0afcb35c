// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Engine.h"

#include <string>
#include <string_view>

// The definite integral of an expression in x between two limits, by adaptive quadrature
// with an error estimate.
namespace orvane::Integral {

// The largest count of sub-intervals the count box takes (a 16-bit count).
inline constexpr int MaxPieces = 32767;

struct Result {
    enum class Status {
        Value,      // `value` holds to about `errorEstimate`
        Divergent,  // the integral grows without bound, or the quadrature cannot tell
        Unreliable, // a value came back, but its error estimate is too large to show it
        Undefined,  // the integrand cannot be evaluated on part of the range
        TooLarge,   // the value lies beyond the range of a double
    };
    Status status = Status::Value;
    double value = 0;
    double errorEstimate = 0;
    // Decimals the estimate vouches for (may be negative for large values).
    int supportedDecimals = 0;
    // Undefined: the first point found where the integrand fails, and why.
    double undefinedAt = 0;
    EvaluationError failure;
};

// The integral of `integrand` from a to b (b < a gives the negative of the integral from
// b to a), the range cut into `pieces` equal sub-intervals (at least 1) that are each
// integrated adaptively and refined as far as the integrand needs. The integrand is
// compiled once and evaluated with `engine`, x bound to each point; it must be readable
// (see Engine::check).
Result integrate(engine::Engine& engine, std::string_view integrand, double a, double b,
                 int pieces);

// The value to the digits the estimate supports: at least two decimals ("1.00"), more
// where the estimate vouches for them, never more than 15 significant digits.
std::string valueText(const Result& result);

} // namespace orvane::Integral
