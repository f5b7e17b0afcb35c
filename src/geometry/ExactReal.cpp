// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExactReal.h"

namespace orvane::geometry {

namespace {

// The exact result when both operands are exact and the operation stays in a + b√c.
template <typename F>
std::optional<Surd> both(const std::optional<Surd>& x, const std::optional<Surd>& y, F f)
{
    if (!x || !y) return std::nullopt;
    return f(*x, *y);
}

} // namespace

ExactReal::ExactReal(const Surd& value)
    : exact_(value), real_(static_cast<double>(value.approximate()))
{
    if (!std::isfinite(real_.value())) throw ArithmeticError{Fault::Overflow};
}

ExactReal::ExactReal(std::optional<Surd> exact, Real real) : exact_(std::move(exact)), real_(real)
{
    // The decimal keeps the exact value's nearest double, not the rounded chain.
    if (exact_) real_ = Real(static_cast<double>(exact_->approximate()));
    // Rounding noise of a decimal chain is the 0 that exact arithmetic would give:
    // x₁ = 0 of x(2x+2+√2) = 0, not 1.3E−17.
    else if (real_.negligible()) *this = ExactReal(0);
}

int ExactReal::sign() const
{
    if (exact_) return exact_->sign();
    if (real_.negligible()) return 0;
    return real_.value() < 0 ? -1 : 1;
}

ExactReal operator+(const ExactReal& x, const ExactReal& y)
{
    return {both(x.exact_, y.exact_, [](const Surd& a, const Surd& b) { return a + b; }),
            x.real_ + y.real_};
}

ExactReal operator-(const ExactReal& x, const ExactReal& y)
{
    return {both(x.exact_, y.exact_, [](const Surd& a, const Surd& b) { return a - b; }),
            x.real_ - y.real_};
}

ExactReal operator*(const ExactReal& x, const ExactReal& y)
{
    return {both(x.exact_, y.exact_, [](const Surd& a, const Surd& b) { return a * b; }),
            x.real_ * y.real_};
}

ExactReal operator/(const ExactReal& x, const ExactReal& y)
{
    if (y.isZero()) throw ArithmeticError{Fault::DivisionByZero};
    return {both(x.exact_, y.exact_, [](const Surd& a, const Surd& b) { return a / b; }),
            x.real_ / y.real_};
}

ExactReal operator-(const ExactReal& x)
{
    return {x.exact_ ? std::optional<Surd>(-*x.exact_) : std::nullopt, -x.real_};
}

ExactReal sqrt(const ExactReal& x)
{
    if (x.sign() < 0) throw ArithmeticError{Fault::InvalidOperation};
    if (x.sign() == 0) return ExactReal(0);
    return {x.exact_ ? sqrt(*x.exact_) : std::nullopt, sqrt(x.real_)};
}

} // namespace orvane::geometry
