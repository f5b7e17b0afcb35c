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
class Real {
public:
    Real(double v) : v_(v) {}
    // The value rounded to a double.
    double value() const { return static_cast<double>(v_); }

    friend Real operator+(Real x, Real y) { return checked(x.v_ + y.v_); }
    friend Real operator-(Real x, Real y) { return checked(x.v_ - y.v_); }
    friend Real operator*(Real x, Real y) { return checked(x.v_ * y.v_); }
    friend Real operator/(Real x, Real y)
    {
        if (y.v_ == 0) throw ArithmeticError{Fault::DivisionByZero};
        return checked(x.v_ / y.v_);
    }
    friend Real operator-(Real x) { return Real(-x.v_, Extended{}); }

    friend bool operator==(Real x, Real y) { return x.v_ == y.v_; }
    friend bool operator!=(Real x, Real y) { return x.v_ != y.v_; }
    friend bool operator<(Real x, Real y) { return x.v_ < y.v_; }
    friend bool operator>(Real x, Real y) { return x.v_ > y.v_; }

    friend Real sqrt(Real x)
    {
        if (x.v_ < 0) throw ArithmeticError{Fault::InvalidOperation};
        return Real(std::sqrt(x.v_), Extended{});
    }
    friend Real abs(Real x) { return Real(std::fabs(x.v_), Extended{}); }
    friend Real atan(Real x) { return Real(std::atan(x.v_), Extended{}); }
    friend Real square(Real x) { return x * x; }
    // The value as kept in a double variable.
    friend Real stored(Real x) { return Real(x.value()); }

private:
    struct Extended {};
    Real(long double v, Extended) : v_(v) {}

    static Real checked(long double r)
    {
        if (std::isnan(r)) throw ArithmeticError{Fault::InvalidOperation};
        if (std::fabs(r) > static_cast<long double>(std::numeric_limits<double>::max()))
            throw ArithmeticError{Fault::Overflow};
        return Real(r, Extended{});
    }

    long double v_;
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
