// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_Tracer.h"

#include "CurveTracer.h"
#include "Engine.h"
#include "RecordingSurface.h"

#include <QTest>

#include <cmath>

using namespace orvane;
using Op = RecordingSurface::Op;

namespace {
TraceRequest request(const char* expression, double smoothness, double from = -10, double to = 10)
{
    TraceRequest r;
    r.expression = expression;
    r.step = stepFromSmoothness(smoothness).value();
    r.rangeMin = from;
    r.rangeMax = to;
    r.colour = 0x0000FF;
    r.width = 2;
    return r;
}
} // namespace

void TestTracer::init()
{
    engine_ = engine::Engine();
    engine_.addUserConstant("Pi", "3.14159265358979");
}

void TestTracer::stepFromSmoothness_data()
{
    QTest::addColumn<double>("smoothness");
    QTest::addColumn<double>("step");
    const double table[][2] = {{10, 0.1},   {15, 0.067}, {20, 0.05},  {25, 0.04},
                               {30, 0.033}, {40, 0.025}, {50, 0.02},  {60, 0.017},
                               {70, 0.014}, {80, 0.013}, {90, 0.011}, {100, 0.01}};
    for (const auto& row : table)
        QTest::addRow("s=%g", row[0]) << row[0] << row[1];
}

void TestTracer::stepFromSmoothness()
{
    QFETCH(double, smoothness);
    QFETCH(double, step);
    QCOMPARE(orvane::stepFromSmoothness(smoothness).value(), step);
    QVERIFY(!orvane::stepFromSmoothness(0));
    QVERIFY(!orvane::stepFromSmoothness(-5));
    QVERIFY(!orvane::stepFromSmoothness(2001));
    QVERIFY(!orvane::stepFromSmoothness(NAN));
}

void TestTracer::samplePositions_data()
{
    QTest::addColumn<double>("smoothness");
    QTest::addColumn<int>("positions");
    QTest::newRow("10") << 10.0 << 201;
    QTest::newRow("100") << 100.0 << 2001;
}

void TestTracer::samplePositions()
{
    QFETCH(double, smoothness);
    QFETCH(int, positions);
    RecordingSurface s;
    drawFunctionY(s, engine_, request("x", smoothness));
    const QList<Op> lines = s.ofKind(Op::Line);
    QCOMPARE(lines.size(), positions);
    QCOMPARE(lines.first().a, (WorldPoint{-10, -10}));
    QCOMPARE(lines.last().a, (WorldPoint{10, 10}));
    for (const Op& op : lines) {
        QCOMPARE(op.pen.colour, Colour(0x0000FF));
        QCOMPARE(op.pen.width, 2);
    }
}

void TestTracer::noSegmentAcrossPole()
{
    RecordingSurface s;
    drawFunctionY(s, engine_, request("1/x", 10));
    QVERIFY(!s.ofKind(Op::Line).isEmpty());
    for (const Op& op : s.ofKind(Op::Line))
        QVERIFY2(!(op.a.x < 0 && op.b.x > 0) && op.a.x != 0 && op.b.x != 0,
                 qPrintable(QStringLiteral("segment %1..%2").arg(op.a.x).arg(op.b.x)));
}

void TestTracer::tanJumps()
{
    RecordingSurface s;
    drawFunctionY(s, engine_, request("tan(x)", 100));
    const QList<Op> lines = s.ofKind(Op::Line);
    QVERIFY(lines.size() > 1900);
    QVERIFY(lines.size() < 2001);
    for (const Op& op : lines)
        QVERIFY(std::fabs(op.b.y - op.a.y) <= 10);
    // No segment straddles the pole at pi/2.
    for (const Op& op : lines)
        QVERIFY(!(op.a.x < 1.5708f && op.b.x > 1.5708f));
}

void TestTracer::startsOutsideVisibleSquare()
{
    RecordingSurface s;
    drawFunctionY(s, engine_, request("x^2-100", 10, -20, 20));
    const Op first = s.ofKind(Op::Line).first();
    QCOMPARE(first.a.x, -20.0f);
    QCOMPARE(first.a.y, 300.0f);
}

void TestTracer::functionOfY()
{
    RecordingSurface s;
    drawFunctionX(s, engine_, request("2*y", 10, 0, 1));
    const QList<Op> lines = s.ofKind(Op::Line);
    QCOMPARE(lines.size(), 11);
    QCOMPARE(lines.first().a, (WorldPoint{0, 0}));
    QCOMPARE(lines.first().b, (WorldPoint{0.2f, 0.1f}));
    // The unknown is unbound again; the list of constants is untouched.
    QVERIFY(!engine_.constantExists("y"));
    QCOMPARE(engine_.constantNames().size(), std::size_t(1));
}

void TestTracer::polarClosedLoop()
{
    RecordingSurface s;
    drawPolar(s, engine_, request("4/(3-2*cos(x))", 100));
    const QList<Op> lines = s.ofKind(Op::Line);
    QCOMPARE(lines.size(), 630);                // theta = 0, 0.01, ..., 6.28 and 2π
    QCOMPARE(lines.first().a, lines.first().b); // the first segment has zero length
    QCOMPARE(lines.first().a, (WorldPoint{4, 0}));
    QVERIFY(std::fabs(lines.last().b.x - 4) < 0.01);
    QVERIFY(std::fabs(lines.last().b.y) < 0.02);
}

void TestTracer::polarSweepEndsAtTwoPi_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<double>("smoothness");
    QTest::addColumn<int>("segments");
    QTest::addColumn<double>("radius"); // r(0) = r(2π)
    // Samples k·h for k·h ≤ 2π, then 2π itself: 6.2/0.1 → 63 + 1, 93·0.067 → 94 + 1.
    QTest::newRow("4/(3-2cos θ), s=10: r(2π)=r(0)=4") << "4/(3-2*cos(x))" << 10.0 << 64 << 4.0;
    QTest::newRow("4/(3-2cos θ), s=15: r(2π)=r(0)=4") << "4/(3-2*cos(x))" << 15.0 << 95 << 4.0;
    QTest::newRow("circle r=2, s=30: 190·0.033 = 6.27") << "2" << 30.0 << 192 << 2.0;
    QTest::newRow("circle r=2, s=100") << "2" << 100.0 << 630 << 2.0;
}

void TestTracer::polarSweepEndsAtTwoPi()
{
    QFETCH(QString, expression);
    QFETCH(double, smoothness);
    QFETCH(int, segments);
    QFETCH(double, radius);
    RecordingSurface s;
    drawPolar(s, engine_, request(expression.toLatin1().constData(), smoothness));
    const QList<Op> lines = s.ofKind(Op::Line);
    QCOMPARE(lines.size(), segments);
    QCOMPARE(lines.first().a, (WorldPoint{float(radius), 0}));
    // The curve closes: the last segment ends where the first began.
    QVERIFY(std::fabs(lines.last().b.x - radius) < 1e-5);
    QVERIFY(std::fabs(lines.last().b.y) < 1e-5);
    // ... and comes from the last sample of the grid, no longer than one step.
    const double lastStep =
        std::hypot(lines.last().b.x - lines.last().a.x, lines.last().b.y - lines.last().a.y);
    QVERIFY(lastStep <= radius * orvane::stepFromSmoothness(smoothness).value() + 1e-6);
}

void TestTracer::polarChordOverUndefinedSample()
{
    RecordingSurface s;
    drawPolar(s, engine_, request("1/(x-3)", 10));
    int chords = 0;
    for (const Op& op : s.ofKind(Op::Line)) {
        const double r1 = std::hypot(op.a.x, op.a.y);
        const double r2 = std::hypot(op.b.x, op.b.y);
        // 2.9 and 3.1 lie on both sides of the undefined sample 3.0.
        if (std::fabs(r1 - 10) < 1e-3 && std::fabs(r2 - 10) < 1e-3) ++chords;
    }
    QCOMPARE(chords, 1);
}

void TestTracer::neverDefinedDrawsNothing()
{
    RecordingSurface s;
    drawFunctionY(s, engine_, request("sqr(-1)", 10));
    drawPolar(s, engine_, request("zz", 10));
    QVERIFY(s.ofKind(Op::Line).isEmpty());
}

void TestTracer::hugeRangeIsRefused()
{
    RecordingSurface s;
    QCOMPARE(drawFunctionY(s, engine_, request("x", 100, -1e9, 1e9)), TraceOutcome::RangeTooLarge);
    QVERIFY(s.ofKind(Op::Line).isEmpty());
}

void TestTracer::rangeAtLimitsOfDoubleEnds()
{
    RecordingSurface s;
    QCOMPARE(drawFunctionY(s, engine_, request("x", 100, 1e300, 1e300)), TraceOutcome::Traced);
    QVERIFY(s.ofKind(Op::Line).size() <= 1);
}

void TestTracer::startAboveEndDrawsNothing()
{
    RecordingSurface s;
    drawFunctionY(s, engine_, request("x", 10, 5, -5));
    QVERIFY(s.ofKind(Op::Line).isEmpty());
}
