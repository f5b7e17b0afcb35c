// SPDX-License-Identifier: GPL-3.0-or-later
#include "MathText.h"

#include "NumberText.h"

#include <cmath>

namespace orvane::geometry::MathText {

const char* const Minus = "\u2212";

namespace {

constexpr long double Pi = 3.141592653589793238462643383279502884L;

std::string unicodeMinus(std::string text)
{
    for (std::size_t at = text.find('-'); at != std::string::npos; at = text.find('-', at + 3))
        text.replace(at, 1, Minus);
    return text;
}

std::string decimalText(double v)
{
    return unicodeMinus(NumberText::generalForm(v));
}

bool startsWithMinus(const std::string& text)
{
    return text.rfind(Minus, 0) == 0;
}

// A term's magnitude with its unknown: x, 3x, (3/2)x, 2√3·x, (1+√2)x, 0.5x.
std::string magnitudeTerm(const Coefficient& c, const std::string& unknown)
{
    const ExactReal m = abs(c.value);
    std::string text;
    if (!c.typed.empty()) {
        text = c.typed.front() == '-' ? c.typed.substr(1) : c.typed;
    } else {
        text = number(m);
    }
    if (unknown.empty()) return text;
    if (m.isExact() && *m.exact() == Surd(1)) return unknown;
    if (m.isInteger() || !c.typed.empty() || !m.isExact()) return text + unknown;
    const Surd& s = *m.exact();
    if (s.isRational()) return "(" + text + ")" + unknown;
    if (s.rationalPart() == 0 && denominator(s.rootCoefficient()) == 1) return text + "·" + unknown;
    return "(" + text + ")" + unknown;
}

long double degreesOf(long double radians)
{
    return radians * 180 / Pi;
}

// The acute angle for the special tangents 0, √3/3, 1, √3; 0 when it is none of them.
int specialAngle(const ExactReal& t)
{
    if (!t.isExact()) return -1;
    const Surd& s = *t.exact();
    if (s.sign() == 0) return 0;
    if (s == Surd(1)) return 45;
    if (s.rationalPart() == 0 && s.radicand() == 3) {
        if (s.rootCoefficient() == 1) return 60;
        if (s.rootCoefficient() == Rational(1, 3)) return 30;
    }
    return -1;
}

} // namespace

std::string number(const ExactReal& v)
{
    if (v.isExact()) return v.exact()->text();
    return decimalText(v.value());
}

std::string withDecimal(const ExactReal& v)
{
    if (!v.isExact()) return decimalText(v.value());
    const Surd& s = *v.exact();
    if (s.isRational() && terminates(s.rationalPart())) return s.text();
    return s.text() + "≈" + decimalText(v.value());
}

std::string factor(const ExactReal& v, bool forPower)
{
    const std::string text = number(v);
    const bool compound = v.isExact() && !v.exact()->isRational() && v.exact()->rationalPart() != 0;
    const bool fraction = v.isRational() && !v.isInteger();
    const bool root = v.isExact() && !v.exact()->isRational();
    // √3/2×(−1) would read as √(3/2)… or 3/(2×…): a root over a denominator is bracketed.
    const bool rootFraction = root && text.find('/') != std::string::npos;
    if (v.sign() < 0 || compound || fraction || rootFraction || (forPower && root))
        return "(" + text + ")";
    return text;
}

std::string subtrahend(const ExactReal& v)
{
    const bool compound = v.isExact() && !v.exact()->isRational() && v.exact()->rationalPart() != 0;
    return v.sign() < 0 || compound ? "(" + number(v) + ")" : number(v);
}

Term term(const ExactReal& value, std::string unknown)
{
    return Term{Coefficient{value, {}}, std::move(unknown)};
}

std::string polynomial(const std::vector<Term>& terms, bool keepZeros)
{
    std::string text;
    for (const Term& t : terms) {
        const int sign = t.coefficient.value.sign();
        if (sign == 0 && !keepZeros) continue;
        std::string body = sign == 0 ? "0" + t.unknown : magnitudeTerm(t.coefficient, t.unknown);
        if (sign < 0)
            text += Minus + body;
        else
            text += (text.empty() ? "" : "+") + body;
    }
    return text.empty() ? "0" : text;
}

std::string lineEquation(const Coefficient& a, const Coefficient& b, const Coefficient& c,
                         bool keepZeros)
{
    return polynomial({{a, "x"}, {b, "y"}, {c, ""}}, keepZeros) + "=0";
}

std::string lineEquation(const ExactReal& a, const ExactReal& b, const ExactReal& c)
{
    return lineEquation(Coefficient{a, {}}, Coefficient{b, {}}, Coefficient{c, {}});
}

std::string shifted(const std::string& unknown, const ExactReal& v)
{
    if (v.isZero()) return unknown;
    if (v.sign() > 0) return unknown + Minus + subtrahend(v);
    const std::string magnitude = number(-v);
    return unknown + "+" + (startsWithMinus(magnitude) ? "(" + magnitude + ")" : magnitude);
}

std::string point(const ExactReal& x, const ExactReal& y)
{
    return "(" + number(x) + "," + number(y) + ")";
}

std::vector<ExactReal> wholeCoefficients(const std::vector<ExactReal>& values,
                                         bool divideCommonFactor)
{
    std::vector<ExactReal> out = values;
    bool rational = true;
    for (const ExactReal& v : values)
        rational = rational && v.isRational();
    if (rational) {
        Integer multiple = 1;
        Integer divisor = 0;
        for (const ExactReal& v : values) {
            const Integer d = denominator(v.exact()->rationalPart());
            multiple = multiple / boost::multiprecision::gcd(multiple, d) * d;
        }
        for (const ExactReal& v : values)
            divisor = boost::multiprecision::gcd(
                divisor, numerator(v.exact()->rationalPart() * Rational(multiple)));
        if (divisor == 0 || !divideCommonFactor) divisor = 1;
        for (ExactReal& v : out)
            v = v * ExactReal(Surd(Rational(multiple, divisor)));
    }
    for (const ExactReal& v : out) {
        if (v.isZero()) continue;
        if (v.sign() < 0)
            for (ExactReal& w : out)
                w = -w;
        break;
    }
    return out;
}

std::string angleFromTangent(const ExactReal& t)
{
    const int special = specialAngle(t);
    if (special >= 0) return NumberText::integerText(special) + "°";
    const long double degrees = degreesOf(std::atan(static_cast<long double>(t.value())));
    return "arctan" + factor(t, true) + "≈" + decimalText(static_cast<double>(degrees)) + "°";
}

std::string inclination(const ExactReal& k)
{
    if (k.sign() >= 0) return angleFromTangent(k);
    const int special = specialAngle(-k);
    if (special >= 0) return NumberText::integerText(180 - special) + "°";
    const long double degrees = 180 - degreesOf(std::atan(static_cast<long double>(-k.value())));
    return "180°" + std::string(Minus) + "arctan" + factor(-k, true) + "≈" +
           decimalText(static_cast<double>(degrees)) + "°";
}

} // namespace orvane::geometry::MathText
