// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CheckedArithmetic.h"
#include "Surd.h"

#include <optional>
#include <string>

// A number of the worked steps: exact (a Surd) while every operation keeps it so, else
// a decimal that carries its rounding size like Real. Faults throw ArithmeticError as
// Real does, so a derivation stops at the first one.
namespace orvane::geometry {

class ExactReal {
public:
    ExactReal(long long value) : exact_(Surd(value)), real_(static_cast<double>(value)) {}
    ExactReal(const Surd& value);
    // A decimal value, for data that are not exact (π, sin 1).
    static ExactReal decimal(double value) { return ExactReal(Real(value)); }

    bool isExact() const { return exact_.has_value(); }
    const std::optional<Surd>& exact() const { return exact_; }
    bool isRational() const { return exact_ && exact_->isRational(); }
    bool isInteger() const { return exact_ && exact_->isInteger(); }
    double value() const { return real_.value(); }
    // −1, 0 or 1; a decimal within rounding noise of 0 is 0.
    int sign() const;
    bool isZero() const { return sign() == 0; }

    friend ExactReal operator+(const ExactReal& x, const ExactReal& y);
    friend ExactReal operator-(const ExactReal& x, const ExactReal& y);
    friend ExactReal operator*(const ExactReal& x, const ExactReal& y);
    friend ExactReal operator/(const ExactReal& x, const ExactReal& y);
    friend ExactReal operator-(const ExactReal& x);
    friend ExactReal sqrt(const ExactReal& x);
    friend ExactReal abs(const ExactReal& x) { return x.sign() < 0 ? -x : x; }
    friend ExactReal square(const ExactReal& x) { return x * x; }
    // Equal as the steps decide it: exactly, or within rounding noise for decimals.
    friend bool same(const ExactReal& x, const ExactReal& y) { return (x - y).isZero(); }

private:
    explicit ExactReal(Real real) : real_(real) {}
    ExactReal(std::optional<Surd> exact, Real real);

    std::optional<Surd> exact_;
    Real real_;
};

} // namespace orvane::geometry
