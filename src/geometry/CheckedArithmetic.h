// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <limits>
#include <variant>

// Arithmetic that notices its own faults. The geometry derivations stop at the first
// division by zero, square root of a negative number or overflow and say so, instead
// of printing "inf" or "nan" as if it were a result.
namespace orvane::geometry {

enum class Fault {
    BadInput,         // a coefficient text that does not evaluate
    DivisionByZero,   // x / 0, 0 / 0 included
    InvalidOperation, // square root of a negative number
    Overflow,         // a result beyond the range of a double
};

// Carries a fault out of a chain of Real operations to the nearest handler. It never
// leaves the geometry module: the public operations turn it into a Checked result.
struct ArithmeticError {
    Fault fault;
};

// A value, or the fault that prevented it.
template <typename T> class Checked {
public:
    Checked(T value) : state_(std::move(value)) {}
    Checked(Fault fault) : state_(fault) {}

    bool ok() const { return std::holds_alternative<T>(state_); }
    Fault fault() const { return std::get<Fault>(state_); }
    // The value; throws ArithmeticError when there is none, so that a derivation can
    // run straight through and stop where the first fault happens.
    const T& value() const
    {
        if (!ok()) throw ArithmeticError{fault()};
        return std::get<T>(state_);
    }

private:
    std::variant<T, Fault> state_;
};

// A number whose operations throw ArithmeticError on a fault. Within an expression it
// keeps extended precision, as the floating-point unit does, and it becomes a double
// where a result is kept (stored()) or shown (value()); so 2/√2 prints as √2. A result
// beyond the range of a double is an overflow even where extended precision would
// hold it.
//
// Each number also carries the size of the terms it was computed from (the sum of
// their magnitudes), which bounds its rounding error. A result within
// NegligibleShare of that size is rounding noise: the decimals a user types (0.1, 0.3)
// are not exact in binary, so 0.1·0.9 − 0.3·0.3 comes out near 1E-17 where the typed
// numbers mean 0. A relative test serves typed decimals and expressions such as 1/3
// or sqr(2) alike, and it does not depend on the scale of the coefficients.
class Real {
public:
    static constexpr long double NegligibleShare = 1e-12L;

    Real(double v) : v_(v), size_(std::fabs(static_cast<long double>(v))) {}
    // The value rounded to a double.
    double value() const { return static_cast<double>(v_); }
    // Rounding noise of the terms it came from: what exact arithmetic would make 0.
    bool negligible() const { return std::fabs(v_) <= NegligibleShare * size_; }

    friend Real operator+(Real x, Real y) { return checked(x.v_ + y.v_, x.size_ + y.size_); }
    friend Real operator-(Real x, Real y) { return checked(x.v_ - y.v_, x.size_ + y.size_); }
    friend Real operator*(Real x, Real y) { return checked(x.v_ * y.v_, x.size_ * y.size_); }
    friend Real operator/(Real x, Real y)
    {
        if (y.v_ == 0) throw ArithmeticError{Fault::DivisionByZero};
        const long double ay = std::fabs(y.v_);
        return checked(x.v_ / y.v_, x.size_ / ay + std::fabs(x.v_) * y.size_ / (ay * ay));
    }
    friend Real operator-(Real x) { return Real(-x.v_, x.size_); }

    friend bool operator==(Real x, Real y) { return x.v_ == y.v_; }
    friend bool operator!=(Real x, Real y) { return x.v_ != y.v_; }
    friend bool operator<(Real x, Real y) { return x.v_ < y.v_; }
    friend bool operator>(Real x, Real y) { return x.v_ > y.v_; }

    friend Real sqrt(Real x)
    {
        if (x.v_ < 0) throw ArithmeticError{Fault::InvalidOperation};
        return Real(std::sqrt(x.v_), std::sqrt(x.size_));
    }
    friend Real abs(Real x) { return Real(std::fabs(x.v_), x.size_); }
    friend Real atan(Real x)
    {
        const long double a = std::atan(x.v_);
        return Real(a, std::fabs(a));
    }
    friend Real square(Real x) { return x * x; }
    // The value as kept in a double variable.
    friend Real stored(Real x) { return Real(static_cast<long double>(x.value()), x.size_); }
    // 0 where the value is rounding noise, else the value itself.
    friend Real cleaned(Real x) { return x.negligible() ? Real(0.0) : x; }

private:
    Real(long double v, long double size) : v_(v), size_(size) {}

    static Real checked(long double r, long double size)
    {
        if (std::isnan(r)) throw ArithmeticError{Fault::InvalidOperation};
        if (std::fabs(r) > static_cast<long double>(std::numeric_limits<double>::max()))
            throw ArithmeticError{Fault::Overflow};
        return Real(r, size);
    }

    long double v_;
    long double size_;
};

// Runs a derivation step written with Real and turns a fault into a Checked result.
template <typename F> auto guarded(F&& step) -> Checked<decltype(step())>
{
    try {
        return step();
    } catch (const ArithmeticError& e) {
        return e.fault;
    }
}

} // namespace orvane::geometry
