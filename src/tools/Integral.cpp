#include "Integral.h"

#include "mCount.h"

#include <cmath>

namespace orvane {

std::optional<double> CountIntegral(std::string_view integrand, double a, double b, std::int16_t n)
{
    if (n == 0) return std::nullopt;
    const double h = (b - a) / n;
    if (!std::isfinite(h)) return std::nullopt;

    double sum = 0;
    // An overflow or an invalid operation in the sum ends the computation.
    const auto add = [&sum](double term) {
        sum += term;
        return std::isfinite(sum);
    };
    for (int i = 1; i <= n - 1; ++i)
        if (!add(mCount::EvaluateAtX(integrand, a + i * h))) return std::nullopt;
    if (!add(mCount::EvaluateAtX(integrand, a) / 2)) return std::nullopt;
    if (!add(mCount::EvaluateAtX(integrand, b) / 2)) return std::nullopt;

    const double result = h * sum;
    if (!std::isfinite(result)) return std::nullopt;
    return result;
}

} // namespace orvane
