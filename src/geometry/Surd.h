// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <boost/multiprecision/cpp_int.hpp>

#include <optional>
#include <string>

// Exact numbers of the form a + b·√c (a, b rational, c a square-free whole number above
// 1): every length, root and coordinate of the school problems on lines, circles and
// conics with rational data is one of them. An operation whose result leaves this form
// (the sum of √2 and √3, the root of 1 + √2) gives std::nullopt, and the caller goes on
// in decimals.
namespace orvane::geometry {

using Integer = boost::multiprecision::cpp_int;
using Rational = boost::multiprecision::cpp_rational;

class Surd {
public:
    Surd() = default;
    Surd(long long value) : a_(value) {}
    Surd(Rational value) : a_(std::move(value)) {}
    // a + b·√c; c is reduced to its square-free part.
    static std::optional<Surd> make(Rational a, Rational b, Integer c);

    const Rational& rationalPart() const { return a_; }
    const Rational& rootCoefficient() const { return b_; }
    const Integer& radicand() const { return c_; }
    bool isRational() const { return b_ == 0; }
    bool isInteger() const;
    int sign() const;
    long double approximate() const;

    friend Surd operator-(const Surd& x);
    friend std::optional<Surd> operator+(const Surd& x, const Surd& y);
    friend std::optional<Surd> operator-(const Surd& x, const Surd& y);
    friend std::optional<Surd> operator*(const Surd& x, const Surd& y);
    // std::nullopt also for a division by zero.
    friend std::optional<Surd> operator/(const Surd& x, const Surd& y);
    friend bool operator==(const Surd& x, const Surd& y)
    {
        return x.a_ == y.a_ && x.b_ == y.b_ && (x.b_ == 0 || x.c_ == y.c_);
    }
    // √x for x ≥ 0 rational; std::nullopt for a negative number or a nested root.
    friend std::optional<Surd> sqrt(const Surd& x);
    friend Surd abs(const Surd& x) { return x.sign() < 0 ? -x : x; }

    // As a textbook writes it, with the minus sign U+2212: 3, −1/2, 2√10/3, (−16+24√6)/25.
    std::string text() const;

private:
    Rational a_ = 0;
    Rational b_ = 0;
    Integer c_ = 1;
};

// The text of a rational number: 3, −1/2.
std::string rationalText(const Rational& value);
// True when the rational number has a finite decimal expansion.
bool terminates(const Rational& value);

} // namespace orvane::geometry
