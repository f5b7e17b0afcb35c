// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_PointsOfInterest.h"

#include "PointsOfInterest.h"
#include "ToolsTesting.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace orvane;
using PointsOfInterest::Kind;

namespace {

struct Expected {
    Kind kind;
    double x;
    double y;
};
using ExpectedPoints = QList<Expected>;

constexpr double Pi = 3.14159265358979323846;
constexpr double Tolerance = 1e-9;

Expected root(double x)
{
    return {Kind::Root, x, 0};
}
Expected maximum(double x, double y)
{
    return {Kind::Maximum, x, y};
}
Expected minimum(double x, double y)
{
    return {Kind::Minimum, x, y};
}
Expected onYAxis(double y)
{
    return {Kind::YAxisCrossing, 0, y};
}
Expected crossing(double x, double y)
{
    return {Kind::CurveCrossing, x, y};
}

QString describe(const PointsOfInterest::Result& result)
{
    QString text;
    for (const auto& p : result.points)
        text += QStringLiteral("%1:(%2, %3) ")
                    .arg(int(p.kind))
                    .arg(p.x, 0, 'g', 17)
                    .arg(p.y, 0, 'g', 17);
    return text;
}

QString text(double x, double y)
{
    return QString::fromStdString(PointsOfInterest::coordinatesText(x, y));
}

} // namespace

Q_DECLARE_METATYPE(ExpectedPoints)

void TestPointsOfInterest::pointsMatchWorkedAnswers_data()
{
    QTest::addColumn<QString>("curve");
    QTest::addColumn<QString>("other"); // empty: the curve's own points
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");
    QTest::addColumn<ExpectedPoints>("expected");

    const double r3 = std::sqrt(3.0), r2 = std::sqrt(2.0);
    // x^3 - 3x: roots 0 and ±√3, f'(x) = 3x² - 3 vanishes at ±1.
    QTest::newRow("cubic") << "x^3-3*x"
                           << "" << -10.0 << 10.0
                           << ExpectedPoints{root(-r3),      root(0),        root(r3),
                                             maximum(-1, 2), minimum(1, -2), onYAxis(0)};
    QTest::newRow("parabola") << "x^2-4"
                              << "" << -10.0 << 10.0
                              << ExpectedPoints{root(-2), root(2), minimum(0, -4), onYAxis(-4)};
    QTest::newRow("no real roots")
        << "x^2+1"
        << "" << -10.0 << 10.0 << ExpectedPoints{minimum(0, 1), onYAxis(1)};
    QTest::newRow("double root, square form")
        << "(x-1)^2"
        << "" << -10.0 << 10.0 << ExpectedPoints{root(1), minimum(1, 0), onYAxis(1)};
    // Expanded, the values near 1 drown in rounding within 1E-8 of it: only the slope
    // pins the root down to 1E-9.
    QTest::newRow("double root, expanded")
        << "x^2-2*x+1"
        << "" << -10.0 << 10.0 << ExpectedPoints{root(1), minimum(1, 0), onYAxis(1)};
    // (x-1)²(x+2): f'(x) = 3x² - 3, f(-1) = 4.
    QTest::newRow("cubic touching the axis")
        << "x^3-3*x+2"
        << "" << -10.0 << 10.0
        << ExpectedPoints{root(-2), root(1), maximum(-1, 4), minimum(1, 0), onYAxis(2)};
    // x²(x² - 2): a double root at the top of a hump, f'(x) = 4x³ - 4x.
    QTest::newRow("quartic") << "x^4-2*(x^2)"
                             << "" << -10.0 << 10.0
                             << ExpectedPoints{root(-r2),     root(0),         root(r2),
                                               maximum(0, 0), minimum(-1, -1), minimum(1, -1),
                                               onYAxis(0)};
    QTest::newRow("odd triple root") << "x^3"
                                     << "" << -10.0 << 10.0 << ExpectedPoints{root(0), onYAxis(0)};
    QTest::newRow("corner") << "abs(x)-1"
                            << "" << -10.0 << 10.0
                            << ExpectedPoints{root(-1), root(1), minimum(0, -1), onYAxis(-1)};
    QTest::newRow("sine")
        << "sin(x)"
        << "" << -4.0 << 4.0
        << ExpectedPoints{root(-Pi), root(0), root(Pi), maximum(Pi / 2, 1), minimum(-Pi / 2, -1),
                          onYAxis(0)};
    QTest::newRow("cosine") << "cos(x)"
                            << "" << -4.0 << 4.0
                            << ExpectedPoints{root(-Pi / 2),    root(Pi / 2),    maximum(0, 1),
                                              minimum(-Pi, -1), minimum(Pi, -1), onYAxis(1)};
    QTest::newRow("sine doubled") << "sin(2*x)"
                                  << "" << -2.0 << 2.0
                                  << ExpectedPoints{root(-Pi / 2),        root(0),
                                                    root(Pi / 2),         maximum(Pi / 4, 1),
                                                    minimum(-Pi / 4, -1), onYAxis(0)};
    // sin²x touches the axis at every multiple of π.
    QTest::newRow("sine squared") << "sin(x)^2"
                                  << "" << -4.0 << 4.0
                                  << ExpectedPoints{root(-Pi),
                                                    root(0),
                                                    root(Pi),
                                                    minimum(-Pi, 0),
                                                    minimum(0, 0),
                                                    minimum(Pi, 0),
                                                    maximum(-Pi / 2, 1),
                                                    maximum(Pi / 2, 1),
                                                    onYAxis(0)};
    QTest::newRow("tangent between its poles")
        << "tan(x)"
        << "" << -3.0 << 3.0 << ExpectedPoints{root(0), onYAxis(0)};
    QTest::newRow("exponential") << "exp(x)-2"
                                 << "" << -10.0 << 10.0
                                 << ExpectedPoints{root(std::log(2.0)), onYAxis(-1)};
    // (x e^-x)' = (1 - x) e^-x.
    QTest::newRow("exponential hump")
        << "x*exp(-x)"
        << "" << -10.0 << 10.0 << ExpectedPoints{root(0), maximum(1, std::exp(-1.0)), onYAxis(0)};
    QTest::newRow("natural logarithm") << "log(x)"
                                       << "" << -10.0 << 10.0 << ExpectedPoints{root(1)};
    QTest::newRow("common logarithm") << "ln(x)-1"
                                      << "" << -5.0 << 15.0 << ExpectedPoints{root(10)};
    QTest::newRow("square root from its border")
        << "sqr(x)-1"
        << "" << -10.0 << 10.0 << ExpectedPoints{root(1), onYAxis(-1)};
    QTest::newRow("flat turn") << "x^4"
                               << "" << -10.0 << 10.0
                               << ExpectedPoints{root(0), minimum(0, 0), onYAxis(0)};
    QTest::newRow("corner on the axis")
        << "abs(x^3-1)"
        << "" << -10.0 << 10.0 << ExpectedPoints{root(1), minimum(1, 0), onYAxis(1)};
    // x - int(x) climbs to just below 1 and drops to 0 at every integer: the tops of the
    // teeth are no turning points, the integers are roots.
    QTest::newRow("jumps are no turns")
        << "x-int(x)"
        << "" << -2.5 << 2.5
        << ExpectedPoints{root(-2), root(-1), root(0), root(1), root(2), onYAxis(0)};
    QTest::newRow("pole is no extremum") << "1/(x^2)"
                                         << "" << -10.0 << 10.0 << ExpectedPoints{};
    QTest::newRow("hyperbola") << "1/x"
                               << "" << -10.0 << 10.0 << ExpectedPoints{};

    // Curve pairs: where they meet.
    QTest::newRow("line and cubic")
        << "x"
        << "x^3-3*x" << -10.0 << 10.0
        << ExpectedPoints{crossing(-2, -2), crossing(0, 0), crossing(2, 2)};
    QTest::newRow("tangent line to a parabola")
        << "x^2"
        << "2*x-1" << -10.0 << 10.0 << ExpectedPoints{crossing(1, 1)};
    QTest::newRow("parabola and level line")
        << "x^2"
        << "4" << -10.0 << 10.0 << ExpectedPoints{crossing(-2, 4), crossing(2, 4)};
    // tan x = 1.
    QTest::newRow("sine and cosine")
        << "sin(x)"
        << "cos(x)" << -4.0 << 4.0
        << ExpectedPoints{crossing(-3 * Pi / 4, -std::sqrt(0.5)), crossing(Pi / 4, std::sqrt(0.5)),
                          crossing(5 * Pi / 4, -std::sqrt(0.5))};
    QTest::newRow("sine touching its top")
        << "sin(x)"
        << "1" << -4.0 << 4.0 << ExpectedPoints{crossing(Pi / 2, 1)};
    // e^x ≥ 1 + x and ln x ≤ x - 1, equal only where they touch.
    QTest::newRow("exponential and its tangent")
        << "exp(x)"
        << "x+1" << -10.0 << 10.0 << ExpectedPoints{crossing(0, 1)};
    QTest::newRow("logarithm and its tangent")
        << "log(x)"
        << "x-1" << -10.0 << 10.0 << ExpectedPoints{crossing(1, 0)};
    QTest::newRow("exponential and logarithm never meet")
        << "exp(x)"
        << "log(x)" << -10.0 << 10.0 << ExpectedPoints{};
}

void TestPointsOfInterest::pointsMatchWorkedAnswers()
{
    QFETCH(QString, curve);
    QFETCH(QString, other);
    QFETCH(double, min);
    QFETCH(double, max);
    QFETCH(ExpectedPoints, expected);

    const engine::Engine engine = testing::engineWithDefaults();
    const auto functions = PointsOfInterest::curveFunctions(
        engine, {curve.toStdString(), other.isEmpty() ? "0" : other.toStdString()});
    const PointsOfInterest::Result result =
        other.isEmpty() ? PointsOfInterest::ofCurve(functions[0], min, max)
                        : PointsOfInterest::crossings(functions[0], functions[1], min, max);

    QVERIFY2(int(result.points.size()) == expected.size(), qPrintable(describe(result)));
    std::vector<bool> matched(result.points.size(), false);
    for (const Expected& e : expected) {
        bool found = false;
        for (std::size_t i = 0; i < result.points.size() && !found; ++i) {
            const auto& p = result.points[i];
            if (matched[i] || p.kind != e.kind) continue;
            if (std::fabs(p.x - e.x) <= Tolerance && std::fabs(p.y - e.y) <= Tolerance)
                matched[i] = found = true;
        }
        QVERIFY2(found, qPrintable(QStringLiteral("missing %1:(%2, %3) in %4")
                                       .arg(int(e.kind))
                                       .arg(e.x, 0, 'g', 17)
                                       .arg(e.y, 0, 'g', 17)
                                       .arg(describe(result))));
    }
    QVERIFY(!result.mayBeIncomplete);
}

void TestPointsOfInterest::pointsAreWrittenAsCoordinates()
{
    const engine::Engine engine = testing::engineWithDefaults();
    const auto f = PointsOfInterest::curveFunctions(engine, {"x^3-3*x"});
    QStringList texts;
    for (const auto& p : PointsOfInterest::ofCurve(f[0], -10, 10).points)
        texts << QString::fromStdString(p.text);
    texts.sort();
    // √3 = 1.7320508075688772…, to 12 significant digits; the turning points read -1 and
    // 1 although their x carries rounding noise beyond that.
    QCOMPARE(texts, (QStringList{"(-1, 2)", "(-1.73205080757, 0)", "(0, 0)", "(0, 0)", "(1, -2)",
                                 "(1.73205080757, 0)"}));
    QCOMPARE(text(Pi / 2, -0.5), "(1.57079632679, -0.5)");
    QCOMPARE(text(-1.00000000000009, 2.0000000000000004), "(-1, 2)");
    QCOMPARE(text(1e-5, 2.5e15), "(1E-05, 2.5E+15)");
    QCOMPARE(text(123456789012.7, 0), "(123456789013, 0)");
}

void TestPointsOfInterest::clickShowsCrossingsWithEveryOtherCurve()
{
    const engine::Engine engine = testing::engineWithDefaults();
    const auto curves = PointsOfInterest::curveFunctions(engine, {"x", "x^3-3*x", "x^2+1"});
    const auto result = PointsOfInterest::forCurve(curves, 1, -10, 10);
    // x³ - 3x = x meets at 0 and ±2; x³ - 3x = x² + 1 is (x + 1)(x² - 2x - 1) = 0.
    const double r2 = std::sqrt(2.0);
    const QList<std::tuple<std::size_t, double, double>> expected{{0, -2, -2},
                                                                  {0, 0, 0},
                                                                  {0, 2, 2},
                                                                  {2, -1, 2},
                                                                  {2, 1 - r2, 4 - 2 * r2},
                                                                  {2, 1 + r2, 4 + 2 * r2}};
    int crossings = 0;
    for (const auto& p : result.points) {
        if (p.kind != Kind::CurveCrossing) continue;
        ++crossings;
        QVERIFY2(std::any_of(expected.begin(), expected.end(),
                             [&](const auto& e) {
                                 return std::get<0>(e) == p.otherCurve &&
                                        std::fabs(std::get<1>(e) - p.x) < Tolerance &&
                                        std::fabs(std::get<2>(e) - p.y) < Tolerance;
                             }),
                 p.text.c_str());
    }
    QCOMPARE(crossings, expected.size());
    // The curve's own points come too, everything in order of x.
    QCOMPARE(std::count_if(result.points.begin(), result.points.end(),
                           [](const auto& p) { return p.kind == Kind::Maximum; }),
             1);
    QVERIFY(std::is_sorted(result.points.begin(), result.points.end(),
                           [](const auto& a, const auto& b) { return a.x < b.x; }));
    // A curve index outside the list gives nothing.
    QVERIFY(PointsOfInterest::forCurve(curves, 3, -10, 10).points.empty());
}

void TestPointsOfInterest::unusableIntervalsGiveNothing_data()
{
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("reversed") << 1.0 << -1.0;
    QTest::newRow("infinite") << -inf << inf;
    QTest::newRow("wider than a double") << -1.7e308 << 1.7e308;
}

void TestPointsOfInterest::unusableIntervalsGiveNothing()
{
    QFETCH(double, min);
    QFETCH(double, max);
    const engine::Engine engine = testing::engineWithDefaults();
    const auto f = PointsOfInterest::curveFunctions(engine, {"x^2-1", "x"});
    QVERIFY(PointsOfInterest::ofCurve(f[0], min, max).points.empty());
    QVERIFY(PointsOfInterest::crossings(f[0], f[1], min, max).points.empty());
}

void TestPointsOfInterest::sampleCountBelowTwoIsTwo()
{
    const engine::Engine engine = testing::engineWithDefaults();
    const auto f = PointsOfInterest::curveFunctions(engine, {"x^2-1"});
    // Samples at -2, 0 and 2 still bracket both roots and the turn.
    const auto result = PointsOfInterest::ofCurve(f[0], -2, 2, {-5});
    QStringList texts;
    for (const auto& p : result.points)
        texts << QString::fromStdString(p.text);
    QCOMPARE(texts, (QStringList{"(-1, 0)", "(0, -1)", "(0, -1)", "(1, 0)"}));
}
