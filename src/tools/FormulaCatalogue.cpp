// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormulaCatalogue.h"

#include "Engine.h"
#include "NumberText.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <limits>

namespace orvane::FormulaCatalogue {

namespace {

// The user's constant Pi at the time of the computation (the error value when removed).
double pi(engine::Engine& engine)
{
    return engine.evaluate("Pi");
}

Result fault(Fault f)
{
    return {0, f};
}

// Every formula hands back at most 13 decimals, the way its result is shown.
Result finish(double value)
{
    if (!std::isfinite(value)) return fault(Fault::OutOfRange);
    const double rounded =
        NumberText::parseNumber(NumberText::formatPattern(value, "#0.0############"))
            .value_or(value);
    return {rounded, Fault::None};
}

// a - b + 1, a - b + 2, ... while the counter is <= a. Once the product is 0 it stays
// 0, so the loop stops there; an overflow ends it with no value. Past that, the
// factors grow like a factorial, which keeps the loop short for any inputs.
Result fallingProduct(double a, double b, double& product)
{
    product = 1;
    for (double i = a - b + 1; i <= a; i += 1) {
        product *= i;
        if (!std::isfinite(product)) return fault(Fault::OutOfRange);
        if (product == 0) break;
    }
    return {};
}

// Beyond this many factors the result of C(a, b) is out of reach anyway (for whole
// numbers the shorter product is taken first); the loop stays short.
constexpr double MaxCombinationFactors = 10'000'000;

struct Entry {
    int number;
    int inputs;
    std::function<Result(engine::Engine&, double, double, double)> compute;
};

const std::array<Entry, 23>& catalogue()
{
    static const std::array<Entry, 23> entries = {{
        {1, 2,
         [](engine::Engine&, double a, double b, double) { return triangleBaseHeight(a, b); }},
        {2, 3,
         [](engine::Engine&, double a, double b, double c) { return triangleSidesAngle(a, b, c); }},
        {3, 3,
         [](engine::Engine&, double a, double b, double c) { return triangleHeron(a, b, c); }},
        {4, 2, [](engine::Engine&, double a, double b, double) { return rectangle(a, b); }},
        {5, 2,
         [](engine::Engine&, double a, double b, double) { return parallelogramBaseHeight(a, b); }},
        {6, 3,
         [](engine::Engine&, double a, double b, double c) {
             return parallelogramSidesAngle(a, b, c);
         }},
        {7, 3, [](engine::Engine&, double a, double b, double c) { return trapezoid(a, b, c); }},
        {8, 1, [](engine::Engine& engine, double a, double, double) { return circle(engine, a); }},
        {9, 2, [](engine::Engine&, double a, double b, double) { return sectorArc(a, b); }},
        {10, 2,
         [](engine::Engine& engine, double a, double b, double) {
             return sectorAngle(engine, a, b);
         }},
        {11, 2,
         [](engine::Engine& engine, double a, double b, double) { return ellipse(engine, a, b); }},
        {12, 1,
         [](engine::Engine& engine, double a, double, double) { return sphereSurface(engine, a); }},
        {13, 2,
         [](engine::Engine& engine, double a, double b, double) {
             return cylinderSurface(engine, a, b);
         }},
        {101, 1,
         [](engine::Engine& engine, double a, double, double) { return sphereVolume(engine, a); }},
        {102, 2,
         [](engine::Engine& engine, double a, double b, double) {
             return cylinderVolume(engine, a, b);
         }},
        {103, 2,
         [](engine::Engine& engine, double a, double b, double) {
             return coneVolume(engine, a, b);
         }},
        {104, 2, [](engine::Engine&, double a, double b, double) { return pyramidVolume(a, b); }},
        {201, 3,
         [](engine::Engine&, double a, double b, double c) { return arithmeticSum(a, b, c); }},
        {202, 3,
         [](engine::Engine&, double a, double b, double c) { return geometricSum(a, b, c); }},
        {203, 1, [](engine::Engine&, double a, double, double) { return sumOfSquares(a); }},
        {204, 1, [](engine::Engine&, double a, double, double) { return sumOfCubes(a); }},
        {301, 2, [](engine::Engine&, double a, double b, double) { return permutations(a, b); }},
        {302, 2, [](engine::Engine&, double a, double b, double) { return combinations(a, b); }},
    }};
    return entries;
}

const Entry* find(int number)
{
    for (const Entry& entry : catalogue())
        if (entry.number == number) return &entry;
    return nullptr;
}

} // namespace

double degToRad(double degrees)
{
    // The double nearest to pi: a 30° triangle with sides 5 and 7 has area 8.75, not
    // 8.7499999997732.
    return degrees / 180 * 3.141592653589793;
}

bool exists(int number)
{
    return find(number) != nullptr;
}

int inputCount(int number)
{
    const Entry* entry = find(number);
    return entry ? entry->inputs : 0;
}

Result compute(engine::Engine& engine, int number, double a, double b, double c)
{
    const Entry* entry = find(number);
    if (!entry) return fault(Fault::OutOfRange);
    return entry->compute(engine, a, b, c);
}

Result triangleBaseHeight(double a, double b)
{
    return finish(0.5 * a * b);
}

Result triangleSidesAngle(double a, double b, double c)
{
    return finish(0.5 * b * c * std::sin(degToRad(a)));
}

Result triangleHeron(double a, double b, double c)
{
    const double s = (a + b + c) / 2;
    const double product = s * (s - a) * (s - b) * (s - c);
    if (product < 0) return fault(Fault::NotATriangle);
    return finish(std::sqrt(product));
}

Result rectangle(double a, double b)
{
    return finish(a * b);
}

Result parallelogramBaseHeight(double a, double b)
{
    return finish(a * b);
}

Result parallelogramSidesAngle(double a, double b, double c)
{
    return finish(b * c * std::sin(degToRad(a)));
}

Result trapezoid(double a, double b, double c)
{
    return finish((a + b) * c / 2);
}

Result circle(engine::Engine& engine, double a)
{
    return finish(pi(engine) * a * a);
}

Result sectorArc(double a, double b)
{
    return finish(0.5 * a * b);
}

Result sectorAngle(engine::Engine& engine, double a, double b)
{
    return finish(pi(engine) * a * a * b / 360);
}

Result ellipse(engine::Engine& engine, double a, double b)
{
    return finish(pi(engine) * a * b);
}

Result sphereSurface(engine::Engine& engine, double a)
{
    return finish(4 * pi(engine) * a * a);
}

Result cylinderSurface(engine::Engine& engine, double a, double b)
{
    return finish(2 * pi(engine) * a * (b + a));
}

Result sphereVolume(engine::Engine& engine, double a)
{
    return finish(4 * pi(engine) * a * a * a / 3);
}

Result cylinderVolume(engine::Engine& engine, double a, double b)
{
    return finish(pi(engine) * a * a * b);
}

Result coneVolume(engine::Engine& engine, double a, double b)
{
    return finish(pi(engine) * a * a * b / 3);
}

Result pyramidVolume(double a, double b)
{
    return finish(a * b / 3);
}

Result arithmeticSum(double a, double b, double c)
{
    return finish(b / 2 * (2 * a + (b - 1) * c));
}

Result geometricSum(double a, double b, double c)
{
    if (c == 1) return fault(Fault::RatioOne);
    return finish(a * (std::pow(c, b) - 1) / (c - 1));
}

Result sumOfSquares(double a)
{
    return finish(a * (a + 1) * (2 * a + 1) / 6);
}

Result sumOfCubes(double a)
{
    const double half = 0.5 * a * (a + 1);
    return finish(half * half);
}

Result permutations(double a, double b)
{
    if (a == 0) return finish(1);
    double product = 1;
    if (const Result r = fallingProduct(a, b, product); !r.ok()) return r;
    return finish(product);
}

Result combinations(double a, double b)
{
    if (a == 0) return finish(1);
    // The factors a - b + 1, ..., a over the divisors 1, 2, ...: as many of each.
    const double count = b >= 1 ? std::floor(b) : 0;
    const bool whole = a == std::floor(a) && b == count;
    // Choosing more than there are: no way at all.
    if (whole && a > 0 && b > a) return finish(0);
    // C(n, m) = C(n, n - m): the shorter of the two products.
    if (whole && a > 0 && a - b < b) return combinations(a, a - b);
    if (count > MaxCombinationFactors) return fault(Fault::OutOfRange);
    // Multiplied and divided in turn, the running value is C(a - b + j, j) after j steps:
    // a whole number for whole inputs (exact up to 2^53) that never exceeds the result
    // when it grows, so no factorial-sized product overflows on the way (C(171, 170) is
    // 171).
    double value = 1;
    for (double j = 1; j <= count && value != 0; j += 1) {
        const double factor = a - b + j;
        value = std::fabs(value) <=
                        std::numeric_limits<double>::max() / std::max(1.0, std::fabs(factor))
                    ? value * factor / j
                    : value / j * factor;
        if (!std::isfinite(value)) return fault(Fault::OutOfRange);
    }
    return finish(value);
}

} // namespace orvane::FormulaCatalogue
