#pragma once

#include <cmath>
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
        if (!ok())
            throw ArithmeticError{fault()};
        return std::get<T>(state_);
    }

private:
    std::variant<T, Fault> state_;
};

// A double whose operations throw ArithmeticError on a fault.
class Real {
public:
    Real(double v) : v_(v) {}
    double value() const { return v_; }

    friend Real operator+(Real x, Real y) { return checked(x.v_ + y.v_); }
    friend Real operator-(Real x, Real y) { return checked(x.v_ - y.v_); }
    friend Real operator*(Real x, Real y) { return checked(x.v_ * y.v_); }
    friend Real operator/(Real x, Real y)
    {
        if (y.v_ == 0)
            throw ArithmeticError{Fault::DivisionByZero};
        return checked(x.v_ / y.v_);
    }
    friend Real operator-(Real x) { return Real(-x.v_); }

    friend bool operator==(Real x, Real y) { return x.v_ == y.v_; }
    friend bool operator!=(Real x, Real y) { return x.v_ != y.v_; }
    friend bool operator<(Real x, Real y) { return x.v_ < y.v_; }
    friend bool operator>(Real x, Real y) { return x.v_ > y.v_; }

    friend Real sqrt(Real x)
    {
        if (x.v_ < 0)
            throw ArithmeticError{Fault::InvalidOperation};
        return Real(std::sqrt(x.v_));
    }
    friend Real abs(Real x) { return Real(std::fabs(x.v_)); }
    friend Real atan(Real x) { return Real(std::atan(x.v_)); }
    friend Real square(Real x) { return x * x; }

private:
    static Real checked(double r)
    {
        if (std::isnan(r))
            throw ArithmeticError{Fault::InvalidOperation};
        if (std::isinf(r))
            throw ArithmeticError{Fault::Overflow};
        return Real(r);
    }

    double v_;
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
