// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_Axes.h"

#include "AxesPainter.h"
#include "RecordingSurface.h"

#include <QTest>

using namespace orvane;
using Op = RecordingSurface::Op;

Q_DECLARE_METATYPE(QList<int>)

namespace {
// Positions of the x ticks: short vertical lines starting on the x axis.
QList<int> xTicks(const RecordingSurface& s, int size)
{
    QList<int> out;
    for (const Op& op : s.ofKind(Op::Line))
        if (op.a.y == 0 && op.b.x == op.a.x && op.b.y == float(0.025 * size)) out << int(op.a.x);
    return out;
}
} // namespace

void TestAxes::ticksAndLabels_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QList<int>>("ticks");
    QTest::addColumn<double>("font");
    QTest::addColumn<int>("zeroLabels");
    QList<int> ten;
    for (int i = -9; i <= 9; ++i)
        ten << i;
    QList<int> sixteen;
    for (int i = -15; i <= 15; i += 2)
        sixteen << i;
    QList<int> seventeen;
    for (int i = -16; i <= 16; i += 2)
        seventeen << i;
    QTest::newRow("S=10") << 10 << ten << 9.0 << 1;
    QTest::newRow("S=16") << 16 << sixteen << 11.25 << 0;
    QTest::newRow("S=17") << 17 << seventeen << 90.0 * 2 / 17 << 1;
}

void TestAxes::ticksAndLabels()
{
    QFETCH(int, size);
    QFETCH(QList<int>, ticks);
    QFETCH(double, font);
    QFETCH(int, zeroLabels);
    RecordingSurface s;
    AxesPainter::drawAxes(s, 0xFF0000, size, 9);
    QCOMPARE(xTicks(s, size), ticks);
    const QList<Op> texts = s.ofKind(Op::Text);
    for (const Op& t : texts)
        QCOMPARE(t.fontSize, font);
    // Two names plus one label per x tick and one per y tick off the origin.
    QCOMPARE(texts.size(), 2 + ticks.size() * 2 - zeroLabels);
    QCOMPARE(s.texts().count(" 0"), zeroLabels);
    QCOMPARE(s.scaleLeft(), float(-size));
    QCOMPARE(s.scaleTop(), float(size));
    for (const Op& op : s.ops) {
        QVERIFY(op.pen.persistent);
        QCOMPARE(op.pen.colour, Colour(0xFF0000));
        QCOMPARE(op.pen.width, 1);
    }
    if (size == 17) {
        const Op zero = texts[s.texts().indexOf(" 0")];
        QCOMPARE(zero.a, (WorldPoint{float(-0.85), float(-0.85)}));
    }
}

void TestAxes::axisNamesAndArrowheads()
{
    RecordingSurface s;
    AxesPainter::drawAxes(s, 0, 10, 9);
    const QList<Op> texts = s.ofKind(Op::Text);
    QCOMPARE(texts[0].text, QStringLiteral("x"));
    QCOMPARE(texts[0].a, (WorldPoint{9.5f, -0.5f}));
    QCOMPARE(texts[1].text, QStringLiteral("y"));
    QCOMPARE(texts[1].a, (WorldPoint{-0.5f, 9.5f}));
    const QList<Op> lines = s.ofKind(Op::Line);
    QCOMPARE(lines[1].a, (WorldPoint{10, 0}));
    QCOMPARE(lines[1].b, (WorldPoint{9.5f, 0.5f}));
    QCOMPARE(lines[2].b, (WorldPoint{9.5f, -0.5f}));
    QCOMPARE(texts[2].text, QStringLiteral("-9"));
    QCOMPARE(texts[2].a, (WorldPoint{-9.5f, -0.5f}));
    QVERIFY(s.texts().contains(QStringLiteral(" 9")));
}

void TestAxes::fontSizeRestored()
{
    RecordingSurface s;
    AxesPainter::drawAxes(s, 0, 6, 12);
    QCOMPARE(s.ofKind(Op::Text).first().fontSize, 15.0);
    QCOMPARE(s.fontSize(), 12.0);
}
