// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_CurveWalk.h"

#include "CompiledExpression.h"
#include "CurveWalk.h"

#include <QTest>

#include <cmath>

using namespace orvane::CurveWalk;

Q_DECLARE_METATYPE(Pieces)

namespace {

const Pieces corner{{{0, 0}, {1, 0}, {1, 1}}};
// Two pieces with a break between x = 1 and x = 2, and a lone point at x = 5.
const Pieces broken{{{0, 0}, {1, 0}}, {{2, 0}, {3, 0}}, {}, {{5, 0}}};

bool near(double a, double b)
{
    return std::fabs(a - b) < 1e-12;
}

} // namespace

void TestCurveWalk::nearestIsMeasuredOnTheScreen_data()
{
    QTest::addColumn<Pieces>("pieces");
    QTest::addColumn<double>("px");
    QTest::addColumn<double>("py");
    QTest::addColumn<double>("scaleX");
    QTest::addColumn<double>("scaleY");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("pixels");
    QTest::newRow("foot on a segment")
        << corner << 0.3 << -0.1 << 10.0 << 10.0 << 0.3 << 0.0 << 1.0;
    QTest::newRow("beyond an end") << corner << -1.0 << 0.0 << 10.0 << 10.0 << 0.0 << 0.0 << 10.0;
    // The segment (0,0)-(1,1) is 1 pixel wide and 100 high on the screen: the pointer at
    // (1, 0), one pixel right of its foot, is nearest at t = 1/10001, not half way.
    QTest::newRow("unequal axes") << Pieces{{{0, 0}, {1, 1}}} << 1.0 << 0.0 << 1.0 << 100.0
                                  << 1.0 / 10001 << 1.0 / 10001 << std::sqrt(10000.0 / 10001);
    QTest::newRow("the nearer piece") << broken << 2.4 << 0.5 << 10.0 << 10.0 << 2.4 << 0.0 << 5.0;
    QTest::newRow("a lone point") << broken << 5.0 << 0.3 << 10.0 << 10.0 << 5.0 << 0.0 << 3.0;
}

void TestCurveWalk::nearestIsMeasuredOnTheScreen()
{
    QFETCH(Pieces, pieces);
    QFETCH(double, px);
    QFETCH(double, py);
    QFETCH(double, scaleX);
    QFETCH(double, scaleY);
    const auto found = nearest(pieces, {px, py}, {scaleX, scaleY});
    QVERIFY(found);
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, pixels);
    QVERIFY2(near(found->point.x, x) && near(found->point.y, y),
             qPrintable(QStringLiteral("%1, %2").arg(found->point.x).arg(found->point.y)));
    QVERIFY(near(found->pixels, pixels));
    const PlanePoint again = pointAt(pieces, found->place);
    QVERIFY(near(again.x, x) && near(again.y, y));
}

void TestCurveWalk::nearestOfNothing()
{
    QVERIFY(!nearest({}, {0, 0}, {1, 1}));
    QVERIFY(!nearest({{}, {}}, {0, 0}, {1, 1}));
}

void TestCurveWalk::stepsAlongTheCurve_data()
{
    QTest::addColumn<Pieces>("pieces");
    QTest::addColumn<double>("startX"); // a place on the curve, found as the nearest
    QTest::addColumn<double>("startY");
    // In pixels, 10 per unit; what is left of a step at a break is walked on beyond it,
    // a lone point ends the walk.
    QTest::addColumn<QList<double>>("steps");
    QTest::addColumn<QList<double>>("path"); // x, y after each step
    QTest::newRow("one pixel, then ten round the corner")
        << corner << 0.0 << 0.0 << QList<double>{1, 10, -1} << QList<double>{0.1, 0, 1, 0.1, 1, 0};
    QTest::newRow("stops at the ends") << corner << 0.5 << 0.0 << QList<double>{100, 1, -1000, -1}
                                       << QList<double>{1, 1, 1, 1, 0, 0, 0, 0};
    QTest::newRow("across the break forwards") << broken << 0.9 << 0.0 << QList<double>{2, 9, 1, 1}
                                               << QList<double>{2.1, 0, 3, 0, 5, 0, 5, 0};
    QTest::newRow("across the break backwards")
        << broken << 2.1 << 0.0 << QList<double>{-2, -3} << QList<double>{0.9, 0, 0.6, 0};
}

void TestCurveWalk::stepsAlongTheCurve()
{
    QFETCH(Pieces, pieces);
    QFETCH(double, startX);
    QFETCH(double, startY);
    QFETCH(QList<double>, steps);
    QFETCH(QList<double>, path);
    const PixelScale scale{10, 10};
    Place at = nearest(pieces, {startX, startY}, scale)->place;
    for (int i = 0; i < steps.size(); ++i) {
        at = stepAlong(pieces, at, steps[i], scale);
        const PlanePoint p = pointAt(pieces, at);
        QVERIFY2(near(p.x, path[2 * i]) && near(p.y, path[2 * i + 1]),
                 qPrintable(QStringLiteral("step %1: %2, %3").arg(i).arg(p.x).arg(p.y)));
    }
}

void TestCurveWalk::stepsAlongAFunction_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<bool>("moved");
    QTest::addColumn<double>("expectedX");
    QTest::newRow("one pixel right") << 1.0 << 1 << true << 1.1;
    QTest::newRow("ten pixels left, into the gap") << 1.0 << -10 << true << -0.6;
    QTest::newRow("four pixels left") << 1.0 << -4 << true << 0.6;
    QTest::newRow("over the undefined columns") << -0.6 << 1 << true << 0.6;
    QTest::newRow("stops at the window's edge") << 9.95 << 1 << true << 10.0;
    QTest::newRow("nothing beyond the edge") << 10.0 << 1 << false << 0.0;
    QTest::newRow("no step") << 1.0 << 0 << false << 0.0;
}

void TestCurveWalk::stepsAlongAFunction()
{
    QFETCH(double, x);
    QFETCH(int, pixels);
    QFETCH(bool, moved);
    QFETCH(double, expectedX);
    // x² with a gap where |x| < 0.55, on a window from -10 to 10 at 10 pixels a unit.
    const auto f = [](double t) { return std::fabs(t) < 0.55 ? orvane::ErrorValue : t * t; };
    const auto p = stepAlongFunction(f, x, pixels, {10, 10}, -10, 10);
    QCOMPARE(p.has_value(), moved);
    if (!moved) return;
    QVERIFY2(near(p->x, expectedX), qPrintable(QString::number(p->x, 'g', 17)));
    QCOMPARE(p->y, f(p->x)); // on the curve itself
}

void TestCurveWalk::nextCurve_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("direction");
    QTest::addColumn<QString>("withPoints"); // one letter per curve: y has a point
    QTest::addColumn<int>("next");           // -1: none
    QTest::newRow("up") << 4 << 0 << 1 << "yyyy" << 1;
    QTest::newRow("up past one without a point") << 4 << 1 << 1 << "yyny" << 3;
    QTest::newRow("up round the end") << 4 << 3 << 1 << "yyyy" << 0;
    QTest::newRow("down round the start") << 4 << 0 << -1 << "yyyy" << 3;
    QTest::newRow("only the current one") << 3 << 1 << 1 << "nyn" << -1;
    QTest::newRow("no curves") << 0 << 0 << 1 << "" << -1;
}

void TestCurveWalk::nextCurve()
{
    QFETCH(int, count);
    QFETCH(int, current);
    QFETCH(int, direction);
    QFETCH(QString, withPoints);
    QFETCH(int, next);
    const auto found =
        orvane::CurveWalk::nextCurve(std::size_t(count), std::size_t(current), direction,
                                     [&](std::size_t k) { return withPoints.at(int(k)) == 'y'; });
    QCOMPARE(found ? int(*found) : -1, next);
}
