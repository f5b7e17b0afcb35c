// SPDX-License-Identifier: GPL-3.0-or-later
#include "Integral.h"

#include "Engine.h"

#include <cmath>

namespace orvane {

std::optional<double> countIntegral(engine::Engine& engine, std::string_view integrand, double a,
                                    double b, std::int16_t n)
{
    if (n == 0) return std::nullopt;
    const double h = (b - a) / n;
    if (!std::isfinite(h)) return std::nullopt;

    // Compiled once: the same values as scanning the text at every point.
    const auto f = engine.compile(integrand);
    double sum = 0;
    // An overflow or an invalid operation in the sum ends the computation.
    const auto add = [&sum](double term) {
        sum += term;
        return std::isfinite(sum);
    };
    for (int i = 1; i <= n - 1; ++i)
        if (!add(engine.evaluateAtX(*f, a + i * h))) return std::nullopt;
    if (!add(engine.evaluateAtX(*f, a) / 2)) return std::nullopt;
    if (!add(engine.evaluateAtX(*f, b) / 2)) return std::nullopt;

    const double result = h * sum;
    if (!std::isfinite(result)) return std::nullopt;
    return result;
}

} // namespace orvane
