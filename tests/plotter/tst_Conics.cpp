// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_Conics.h"

#include "Colours.h"
#include "ConicTesting.h"
#include "Conics.h"
#include "RecordingSurface.h"

#include <QTest>

#include <cmath>

using namespace orvane;
using Op = RecordingSurface::Op;

namespace {
const HelpColorFn sameColour = [](Colour c) { return c; };

const auto conic = test::conicParameters;

// Each segment as "(x1,y1)-(x2,y2)/pen width", three decimals.
QStringList segments(const RecordingSurface& s)
{
    QStringList out;
    for (const Op& op : s.ofKind(Op::Line))
        out << QString::asprintf("(%.3f,%.3f)-(%.3f,%.3f)/%d", op.a.x, op.a.y, op.b.x, op.b.y,
                                 op.pen.width);
    return out;
}

QList<float> verticalLinesAt(const RecordingSurface& s)
{
    QList<float> xs;
    for (const Op& op : s.ofKind(Op::Line))
        if (op.a.x == op.b.x && op.a.y == 10 && op.b.y == -10) xs << op.a.x;
    return xs;
}
} // namespace

void TestConics::rowText_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("alongX");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<QString>("text");
    QTest::newRow("circle at origin")
        << 1 << true << 0.0 << 0.0 << 5.0 << 0.0 << "(x- 0)^2+(y- 0)^2= 5^2";
    QTest::newRow("circle (1,-2) r 3")
        << 1 << true << 1.0 << -2.0 << 3.0 << 0.0 << "(x- 1)^2+(y--2)^2= 3^2";
    QTest::newRow("ellipse") << 2 << true << 5.0 << 3.0 << 0.0 << 0.0
                             << "(x- 0)^2/ 5^2+(y- 0)^2/ 3^2=1";
    QTest::newRow("hyperbola x") << 3 << true << 3.0 << 4.0 << 1.0 << -1.0
                                 << "(x- 1)^2/ 3^2-(y--1)^2/ 4^2=1";
    QTest::newRow("hyperbola y") << 3 << false << 3.0 << 3.0 << 0.0 << 0.0
                                 << "-(x- 0)^2/ 3^2+(y- 0)^2/ 3^2=1";
    QTest::newRow("fraction") << 1 << true << 0.0 << 0.0 << 2.5 << 0.0
                              << "(x- 0)^2+(y- 0)^2= 2.5^2";
}

void TestConics::rowText()
{
    QFETCH(int, kind);
    QFETCH(bool, alongX);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(QString, text);
    ConicParameters p = conic(ConicKind(kind), a, b, x, float(y));
    p.alongX = alongX;
    QCOMPARE(conicRowText(p), text);
}

void TestConics::circle()
{
    RecordingSurface s;
    QVERIFY(!drawCircle(s, conic(ConicKind::Circle, 0, 0, 5, 0), 0x00FF00, 3));
    QCOMPARE(s.ops.size(), 2);
    QCOMPARE(s.ops[0].kind, Op::Point);
    QCOMPARE(s.ops[0].pen.colour, Magenta);
    QCOMPARE(s.ops[1].kind, Op::Ellipse);
    QCOMPARE(s.ops[1].radiusX, 5.0f);
    QCOMPARE(s.ops[1].pen.colour, Colour(0x00FF00));
    QCOMPARE(s.ops[1].pen.width, 3);
}

void TestConics::negativeRadius()
{
    RecordingSurface s;
    const auto message = drawCircle(s, conic(ConicKind::Circle, 0, 0, -1, 0), 0, 1);
    QVERIFY(message);
    QCOMPARE(message->text, QStringLiteral("圆的半径不能小于0"));
    QVERIFY(s.ops.isEmpty());
}

void TestConics::ellipseDirectricesAndFoci()
{
    RecordingSurface s;
    ConicParameters p = conic(ConicKind::Ellipse, 5, 3, 1, 0);
    p.directrices = true;
    QVERIFY(!drawEllipse(s, p, 0xFF, 1, sameColour));
    QCOMPARE(verticalLinesAt(s), (QList<float>{7.25f, -5.25f}));
    const Op ellipse = s.ofKind(Op::Ellipse).first();
    QCOMPARE(ellipse.radiusX, 5.0f);
    QCOMPARE(ellipse.radiusY, 3.0f);
    const QList<Op> lines = s.ofKind(Op::Line);
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines[2].a.x, -3.0f);
    QCOMPARE(lines[3].a.x, 5.0f);
    QCOMPARE(lines[3].pen.width, 2);
}

void TestConics::ellipseEqualAxes()
{
    RecordingSurface s;
    ConicParameters p = conic(ConicKind::Ellipse, 2, 2, 0, 0);
    p.directrices = true;
    QVERIFY(!drawEllipse(s, p, 0xFF, 1, sameColour));
    const Op ellipse = s.ofKind(Op::Ellipse).first();
    QCOMPARE(ellipse.radiusX, 2.0f);
    QCOMPARE(ellipse.radiusY, 2.0f);
    const QList<Op> lines = s.ofKind(Op::Line);
    QCOMPARE(lines.size(), 2); // focus marks only, both at the centre
    for (const Op& op : lines)
        QCOMPARE(op.a.y, 0.0f);
}

void TestConics::ellipseWithoutPositiveAxesDrawsNothing()
{
    RecordingSurface s;
    QVERIFY(!drawEllipse(s, conic(ConicKind::Ellipse, 0, 3, 0, 0), 0, 1, sameColour));
    QVERIFY(!drawEllipse(s, conic(ConicKind::Ellipse, 3, -1, 0, 0), 0, 1, sameColour));
    QVERIFY(s.ops.isEmpty());
}

void TestConics::hyperbolaAlongX()
{
    RecordingSurface s;
    ConicParameters p = conic(ConicKind::Hyperbola, 3, 4, 0, 0);
    p.directrices = true;
    p.asymptotes = true;
    QVERIFY(!drawHyperbola(s, p, 0xFF, 1, sameColour));
    QCOMPARE(s.ops.first().pen.colour, Magenta);
    // Points for t = -9 .. 0 and 9 .. 0, two per value.
    QCOMPARE(s.ofKind(Op::Point).size(), 1 + 2 * (901 + 901));
    QCOMPARE(verticalLinesAt(s), (QList<float>{1.8f, -1.8f}));
    const QList<Op> lines = s.ofKind(Op::Line);
    const Op asymptote = lines[0];
    QCOMPARE(asymptote.a, (WorldPoint{-9, -12}));
    QCOMPARE(asymptote.b, (WorldPoint{9, 12}));
    QCOMPARE(lines.last().a.x, 5.0f); // focus at h = 5
    QCOMPARE(lines.last().pen.width, 1);
}

void TestConics::hyperbolaAlongY()
{
    RecordingSurface s;
    ConicParameters p = conic(ConicKind::Hyperbola, 3, 4, 0, 0);
    p.alongX = false;
    QVERIFY(!drawHyperbola(s, p, 0xFF, 3, sameColour));
    const QList<Op> lines = s.ofKind(Op::Line);
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0].a, (WorldPoint{-0.1f, 5}));
    QCOMPARE(lines[0].pen.width, 2);
    const Op vertex = s.ofKind(Op::Point)[1 + 2 * 900];
    QCOMPARE(vertex.a, (WorldPoint{0, 4})); // t = 0: y = b
}

void TestConics::hyperbolaZeroAxis()
{
    RecordingSurface s;
    const auto message =
        drawHyperbola(s, conic(ConicKind::Hyperbola, 0, 4, 0, 0), 0, 1, sameColour);
    QVERIFY(message);
    QCOMPARE(message->text, QStringLiteral("错误：a,b不能等于0"));
    QCOMPARE(message->title, QStringLiteral("错误"));
    QCOMPARE(message->icon, MessageIcon::Error);
    QVERIFY(s.ops.isEmpty());
}

void TestConics::hyperbolaCentreOutsideSweep()
{
    RecordingSurface s;
    QVERIFY(!drawHyperbola(s, conic(ConicKind::Hyperbola, 1, 1, 12, 0), 0, 1, sameColour));
    // t runs from -9 up to 12, then from 9 down to 12: not at all.
    QCOMPARE(s.ofKind(Op::Point).size(), 1 + 2 * 2101);
}

void TestConics::auxiliaryLines_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("alongX");
    QTest::addColumn<bool>("asymptotes");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QSizeF>("radii"); // of the ellipse; empty for a hyperbola
    // Worked by hand: c = √(b² − a²) = 4 on the y axis, directrices y = Y ± b²/c = 2 ± 6.25.
    QTest::newRow("ellipse a=3 < b=5 at (1,2): foci (1,2±4)")
        << 2 << true << false << 3.0 << 5.0 << 1.0 << 2.0
        << QStringList{"(10.000,8.250)-(-10.000,8.250)/1", "(10.000,-4.250)-(-10.000,-4.250)/1",
                       "(0.900,6.000)-(1.100,6.000)/2", "(0.900,-2.000)-(1.100,-2.000)/2"}
        << QSizeF(3, 5);
    // c = √(a² + b²) = 5; asymptotes y + 1 = ±4/3·(x − 1); directrices y = −1 ± 16/5.
    QTest::newRow("hyperbola along y, a=3, b=4 at (1,-1): foci (1,-1±5)")
        << 3 << false << true << 3.0 << 4.0 << 1.0 << -1.0
        << QStringList{"(-9.000,-14.333)-(9.000,9.667)/3", "(-9.000,12.333)-(9.000,-11.667)/3",
                       "(10.000,2.200)-(-10.000,2.200)/1", "(10.000,-4.200)-(-10.000,-4.200)/1",
                       "(0.900,4.000)-(1.100,4.000)/2",    "(0.900,-6.000)-(1.100,-6.000)/2"}
        << QSizeF();
    // Without directrices the focus marks keep the curve's pen width.
    QTest::newRow("hyperbola along x, a=3, b=4: asymptotes y=±4x/3, foci (±5,0)")
        << 3 << true << true << 3.0 << 4.0 << 0.0 << 0.0
        << QStringList{"(-9.000,-12.000)-(9.000,12.000)/3", "(-9.000,12.000)-(9.000,-12.000)/3",
                       "(-5.000,-0.100)-(-5.000,0.100)/3", "(5.000,-0.100)-(5.000,0.100)/3"}
        << QSizeF();
}

void TestConics::auxiliaryLines()
{
    QFETCH(int, kind);
    QFETCH(bool, alongX);
    QFETCH(bool, asymptotes);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(QStringList, lines);
    QFETCH(QSizeF, radii);
    ConicParameters p = conic(ConicKind(kind), a, b, x, float(y));
    p.alongX = alongX;
    p.asymptotes = asymptotes;
    p.directrices = kind == 2 || !alongX;
    RecordingSurface s;
    QVERIFY(!drawConic(s, p, 0xFF, 3, sameColour));
    QCOMPARE(segments(s), lines);
    if (radii.isValid()) {
        const Op ellipse = s.ofKind(Op::Ellipse).first();
        QCOMPARE(QSizeF(ellipse.radiusX, ellipse.radiusY), radii);
    }
}

void TestConics::helpColourAskedPerLine()
{
    RecordingSurface s;
    ConicParameters p = conic(ConicKind::Ellipse, 5, 3, 0, 0);
    p.directrices = true;
    int asked = 0;
    drawEllipse(s, p, 0xFF, 1, [&](Colour) { return Colour(++asked); });
    QCOMPARE(asked, 4);
    const QList<Op> lines = s.ofKind(Op::Line);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(lines[i].pen.colour, Colour(i + 1));
}
