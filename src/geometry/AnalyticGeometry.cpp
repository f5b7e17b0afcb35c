// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnalyticGeometry.h"

#include "Engine.h"
#include "NumberText.h"

namespace orvane::AnalyticGeometry {

using geometry::ArithmeticError;
using geometry::guarded;
using geometry::Real;

namespace {

// The same coefficients as Real, so that every step of the elimination is checked.
struct Terms {
    explicit Terms(const LineAndCurve& lc)
        : a(lc.a), b(lc.b), c(lc.c), A(lc.A), B(lc.B), C(lc.C), D(lc.D), E(lc.E), F(lc.F)
    {
    }
    Real a, b, c, A, B, C, D, E, F;
    bool vertical() const { return b == 0 && a != 0; }
    bool noLine() const { return a == 0 && b == 0; }
};

// Substituting y = −(a·x + c)/b, or x = −c/a for a vertical line, into the curve. Each
// coefficient is kept as a double, like every named result below.
Real quadraticA(const Terms& t)
{
    if (t.noLine()) return 0;
    if (t.vertical()) return t.B;
    return stored(t.A + t.B * square(t.a) / square(t.b) - t.E * t.a / t.b);
}

Real quadraticB(const Terms& t)
{
    if (t.noLine()) return 0;
    if (t.vertical()) return stored(t.D - t.c * t.E / t.a);
    return stored(2 * t.a * t.c * t.B / square(t.b) + t.C - t.D * t.a / t.b - t.c * t.E / t.b);
}

Real quadraticC(const Terms& t)
{
    if (t.noLine()) return 0;
    if (t.vertical()) return stored(t.A * square(t.c) / square(t.a) - t.C * t.c / t.a + t.F);
    return stored(square(t.c) * t.B / square(t.b) - t.c * t.D / t.b + t.F);
}

Real discriminant(const Terms& t)
{
    const Real qa = quadraticA(t);
    const Real qb = quadraticB(t);
    const Real qc = quadraticC(t);
    return stored(square(qb) - 4 * qa * qc);
}

Elimination eliminate(const Terms& t)
{
    const Real qa = quadraticA(t);
    const Real qb = quadraticB(t);
    const Real qc = quadraticC(t);
    const Real delta = stored(square(qb) - 4 * qa * qc);
    return {cleaned(qa).value(), cleaned(qb).value(), cleaned(qc).value(), cleaned(delta).value()};
}

Meeting meet(const Terms& t)
{
    const Elimination e = eliminate(t);
    const Real qa = e.qa, qb = e.qb, qc = e.qc, delta = e.delta;
    if (qa == 0) {
        if (qb != 0) return {Meeting::OnePoint, {stored(-qc / qb).value()}};
        return {qc == 0 ? Meeting::LineOnCurve : Meeting::NoPoint, {}};
    }
    if (delta < 0) return {Meeting::NoPoint, {}};
    if (delta == 0) return {Meeting::Tangent, {stored(-qb / (2 * qa)).value()}};
    return {Meeting::TwoPoints,
            {stored((-qb + sqrt(delta)) / (2 * qa)).value(),
             stored((-qb - sqrt(delta)) / (2 * qa)).value()}};
}

Chord chord(const Terms& t)
{
    Chord result;
    if (t.noLine()) return result;
    const Real delta = discriminant(t);
    if (!t.vertical()) {
        // |x1 − x2|·√(1 + k²) with the slope k = −a/b.
        result.length =
            (sqrt(delta) / abs(quadraticA(t)) * sqrt(square(t.a) / square(t.b) + 1)).value();
        return result;
    }
    if (delta < 0) return result;
    const Real qa = quadraticA(t);
    const Real qb = quadraticB(t);
    const Real y1 = stored((sqrt(delta) - qb) / (2 * qa));
    const Real y2 = stored((-qb - sqrt(delta)) / (2 * qa));
    result.RootY1 = y1.value();
    result.RootY2 = y2.value();
    result.length = abs(y2 - y1).value();
    return result;
}

} // namespace

std::string distanceText(double distance)
{
    constexpr std::size_t DoubleDigits = 15;
    std::string text = NumberText::formatPattern(distance, "#0.000000000##########");
    const std::size_t point = text.find('.');
    if (point == std::string::npos) return text;
    std::size_t significant = 0;
    for (std::size_t i = text.find_first_of("123456789"); i < text.size(); ++i)
        if (text[i] != '.') ++significant;
    // Only decimals are trimmed, and only where some of them carry digits of the value.
    const std::size_t firstDigit = text.find_first_of("123456789");
    const bool integerHoldsAll = firstDigit < point && point - firstDigit >= DoubleDigits;
    while (!integerHoldsAll && significant > DoubleDigits && text.back() == '0') {
        text.pop_back();
        --significant;
    }
    return text;
}

Checked<double> twoPointDistance(double x1, double x2, double y1, double y2)
{
    return guarded([&] { return sqrt(square(Real(x2) - x1) + square(Real(y2) - y1)).value(); });
}

Checked<std::string> pointLineDistanceText(engine::Engine& engine, std::string_view x0Text,
                                           std::string_view y0Text, std::string_view aText,
                                           std::string_view bText, std::string_view cText)
{
    double values[5];
    const std::string_view texts[5] = {x0Text, y0Text, aText, bText, cText};
    for (int i = 0; i < 5; ++i) {
        values[i] = engine.evaluate(texts[i]);
        if (values[i] == ErrorValue) return Fault::BadInput;
    }
    const Real x0 = values[0], y0 = values[1], a = values[2], b = values[3], c = values[4];
    if (a == 0 && b == 0) {
        if (c == 0) return std::string();
        return "“" + std::string(cText) + "=0”不能成为直线";
    }
    return guarded([&] {
        const Real d = abs(a * x0 + b * y0 + c) / sqrt(square(a) + square(b));
        return distanceText(d.value());
    });
}

std::optional<std::string> slopeNote(const LineAndCurve& lc)
{
    if (lc.b != 0) return std::string("∵b≠0,∴直线的斜率存在,即有");
    if (lc.a != 0) return std::string("∵b=0,∴直线l没有斜率");
    return std::nullopt;
}

Checked<double> lineCurveA(const LineAndCurve& lc)
{
    return guarded([&] { return quadraticA(Terms(lc)).value(); });
}

Checked<double> lineCurveB(const LineAndCurve& lc)
{
    return guarded([&] { return quadraticB(Terms(lc)).value(); });
}

Checked<double> lineCurveC(const LineAndCurve& lc)
{
    return guarded([&] { return quadraticC(Terms(lc)).value(); });
}

Checked<double> lineCurveDiscriminant(const LineAndCurve& lc)
{
    return guarded([&] { return discriminant(Terms(lc)).value(); });
}

Checked<Elimination> eliminate(const LineAndCurve& lc)
{
    return guarded([&] { return eliminate(Terms(lc)); });
}

Checked<Meeting> meet(const LineAndCurve& lc)
{
    return guarded([&] { return meet(Terms(lc)); });
}

Checked<Chord> chordLength(const LineAndCurve& lc)
{
    return guarded([&] { return chord(Terms(lc)); });
}

} // namespace orvane::AnalyticGeometry
