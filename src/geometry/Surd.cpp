// SPDX-License-Identifier: GPL-3.0-or-later
#include "Surd.h"

#include <cmath>

namespace orvane::geometry {

namespace {

// Trial division goes this far; what is left above it is taken as square-free unless it
// is itself a square. Data typed by hand never comes near.
constexpr unsigned TrialLimit = 100000;

const std::string Minus = "\u2212";

// n = s²·f with f square-free (as far as trial division and a final square test tell).
void splitSquare(Integer n, Integer& s, Integer& f)
{
    s = 1;
    f = 1;
    for (unsigned p = 2; p <= TrialLimit && Integer(p) * p <= n; p += (p == 2 ? 1 : 2)) {
        while (n % (Integer(p) * p) == 0) {
            n /= Integer(p) * p;
            s *= p;
        }
        if (n % p == 0) {
            n /= p;
            f *= p;
        }
    }
    const Integer r = boost::multiprecision::sqrt(n);
    if (r * r == n)
        s *= r;
    else
        f *= n;
}

std::string integerText(const Integer& value)
{
    return value < 0 ? Minus + Integer(-value).str() : value.str();
}

} // namespace

std::string rationalText(const Rational& value)
{
    const Integer n = numerator(value);
    const Integer d = denominator(value);
    if (d == 1) return integerText(n);
    return integerText(n) + "/" + d.str();
}

bool terminates(const Rational& value)
{
    Integer d = denominator(value);
    while (d % 2 == 0)
        d /= 2;
    while (d % 5 == 0)
        d /= 5;
    return d == 1;
}

std::optional<Surd> Surd::make(Rational a, Rational b, Integer c)
{
    if (c < 0) return std::nullopt;
    Integer s, f;
    splitSquare(c, s, f);
    Surd x;
    if (b == 0 || f == 1 || c == 0) {
        x.a_ = a + (c == 0 ? Rational(0) : b * Rational(s));
        return x;
    }
    x.a_ = std::move(a);
    x.b_ = b * Rational(s);
    x.c_ = f;
    return x;
}

bool Surd::isInteger() const
{
    return b_ == 0 && denominator(a_) == 1;
}

int Surd::sign() const
{
    const int sa = a_.sign();
    const int sb = b_.sign();
    if (sb == 0) return sa;
    if (sa == 0 || sa == sb) return sb;
    // a and b·√c of opposite signs: the larger square wins.
    const Rational aa = a_ * a_;
    const Rational bb = b_ * b_ * Rational(c_);
    if (aa == bb) return 0;
    return aa > bb ? sa : sb;
}

long double Surd::approximate() const
{
    const long double a = static_cast<long double>(a_);
    if (b_ == 0) return a;
    return a + static_cast<long double>(b_) * std::sqrt(static_cast<long double>(c_));
}

Surd operator-(const Surd& x)
{
    Surd r = x;
    r.a_ = -r.a_;
    r.b_ = -r.b_;
    return r;
}

std::optional<Surd> operator+(const Surd& x, const Surd& y)
{
    if (x.b_ != 0 && y.b_ != 0 && x.c_ != y.c_) return std::nullopt;
    const Integer c = x.b_ != 0 ? x.c_ : y.c_;
    return Surd::make(x.a_ + y.a_, x.b_ + y.b_, c);
}

std::optional<Surd> operator-(const Surd& x, const Surd& y)
{
    return x + (-y);
}

std::optional<Surd> operator*(const Surd& x, const Surd& y)
{
    if (x.b_ == 0 || y.b_ == 0 || x.c_ == y.c_) {
        const Integer c = x.b_ != 0 ? x.c_ : y.c_;
        const Rational cc = (x.b_ != 0 && y.b_ != 0) ? Rational(c) : Rational(0);
        return Surd::make(x.a_ * y.a_ + x.b_ * y.b_ * cc, x.a_ * y.b_ + x.b_ * y.a_, c);
    }
    // Two different roots multiply into one only without rational parts: √2·√6 = 2√3.
    if (x.a_ != 0 || y.a_ != 0) return std::nullopt;
    return Surd::make(0, x.b_ * y.b_, x.c_ * y.c_);
}

std::optional<Surd> operator/(const Surd& x, const Surd& y)
{
    if (y.sign() == 0) return std::nullopt;
    if (y.b_ == 0) return Surd::make(x.a_ / y.a_, x.b_ / y.a_, x.c_);
    // Multiply by the conjugate: its product with y is rational.
    Surd conjugate = y;
    conjugate.a_ = y.a_;
    conjugate.b_ = -y.b_;
    const Rational norm = y.a_ * y.a_ - y.b_ * y.b_ * Rational(y.c_);
    const std::optional<Surd> top = x * conjugate;
    if (!top) return std::nullopt;
    return Surd::make(top->a_ / norm, top->b_ / norm, top->c_);
}

std::optional<Surd> sqrt(const Surd& x)
{
    if (x.sign() < 0) return std::nullopt;
    if (x.b_ != 0) {
        // √(a+b√c) = √((a+s)/2) ± √((a−s)/2) when a²−b²c is the square s² of a rational:
        // √(6+4√2) = 2+√2.
        const std::optional<Surd> s = sqrt(Surd(x.a_ * x.a_ - x.b_ * x.b_ * Rational(x.c_)));
        if (!s || !s->isRational()) return std::nullopt;
        const std::optional<Surd> u = sqrt(Surd((x.a_ + s->a_) / 2));
        const std::optional<Surd> v = sqrt(Surd((x.a_ - s->a_) / 2));
        if (!u || !v) return std::nullopt;
        return x.b_ > 0 ? *u + *v : *u - *v;
    }
    // √(p/q) = √(p·q)/q.
    const Integer p = numerator(x.a_);
    const Integer q = denominator(x.a_);
    return Surd::make(0, Rational(1, q), p * q);
}

std::string Surd::text() const
{
    if (b_ == 0) return rationalText(a_);
    // Over one denominator: (p + q√c)/d.
    const Integer d = boost::multiprecision::lcm(denominator(a_), denominator(b_));
    const Integer p = numerator(a_ * Rational(d));
    const Integer q = numerator(b_ * Rational(d));
    std::string root;
    if (q == 1)
        root = "√" + c_.str();
    else if (q == -1)
        root = Minus + "√" + c_.str();
    else
        root = integerText(q) + "√" + c_.str();
    if (p == 0) return d == 1 ? root : root + "/" + d.str();
    std::string sum = integerText(p) + (q > 0 ? "+" : "") + root;
    return d == 1 ? sum : "(" + sum + ")/" + d.str();
}

} // namespace orvane::geometry
