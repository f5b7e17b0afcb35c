// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_ConstantSlider.h"

#include "ConstantSlider.h"

#include <QTest>

#include <climits>
#include <cmath>
#include <limits>

using orvane::ConstantSlider;
using orvane::SliderRange;

Q_DECLARE_METATYPE(SliderRange)

void TestConstantSlider::defaultRangeAroundTheValue_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<SliderRange>("range");
    QTest::newRow("zero") << 0.0 << SliderRange{-10, 10, 0.1};
    QTest::newRow("g") << 9.8 << SliderRange{-0.2, 19.8, 0.1};
    QTest::newRow("Pi as listed") << 3.14159265358979
                                  << SliderRange{-6.85840734641021, 13.1415926535898, 0.1};
    // Ten units are lost in rounding beside 4E+16: a quarter either way instead.
    QTest::newRow("huge") << 4e16 << SliderRange{3e16, 5e16, 4e14};
    // A quarter more would overflow: from 0 to the value.
    QTest::newRow("near the largest double") << 1.5e308 << SliderRange{0, 1.5e308, 1.5e306};
}

void TestConstantSlider::defaultRangeAroundTheValue()
{
    QFETCH(double, value);
    QFETCH(SliderRange, range);
    const SliderRange made = ConstantSlider::defaultRange(value);
    QCOMPARE(made.minimum, range.minimum);
    QCOMPARE(made.maximum, range.maximum);
    QCOMPARE(made.step, range.step);
    const ConstantSlider slider(value);
    QCOMPARE(slider.value(), value); // kept until the slider moves
}

void TestConstantSlider::valuesSnapToPositions_data()
{
    QTest::addColumn<SliderRange>("range");
    QTest::addColumn<double>("set");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("count");
    const SliderRange standard{-10, 10, 0.1};
    QTest::newRow("onto a position") << standard << 3.14159 << 3.1 << 131 << 201;
    QTest::newRow("a clean decimal") << standard << -6.3 << -6.3 << 37 << 201;
    QTest::newRow("just below a position") << standard << 0.06 << 0.1 << 101 << 201;
    QTest::newRow("the minimum") << standard << -10.0 << -10.0 << 0 << 201;
    QTest::newRow("the maximum") << standard << 10.0 << 10.0 << 200 << 201;
    QTest::newRow("beyond the maximum") << standard << 1e300 << 10.0 << 200 << 201;
    QTest::newRow("below the minimum") << standard << -10.04 << -10.0 << 0 << 201;
    // 0, 0.3, 0.6, 0.9 and the maximum 1 as a last, shorter step.
    const SliderRange uneven{0, 1, 0.3};
    QTest::newRow("uneven: nearer the maximum") << uneven << 0.97 << 1.0 << 4 << 5;
    QTest::newRow("uneven: nearer the last step") << uneven << 0.94 << 0.9 << 3 << 5;
    QTest::newRow("whole steps") << SliderRange{0, 1, 0.25} << 0.8 << 0.75 << 3 << 5;
    QTest::newRow("one step") << SliderRange{-1, 1, 2} << 0.2 << 1.0 << 1 << 2;
}

void TestConstantSlider::valuesSnapToPositions()
{
    QFETCH(SliderRange, range);
    QFETCH(double, set);
    QFETCH(double, value);
    QFETCH(int, position);
    QFETCH(int, count);
    ConstantSlider slider(range, 0);
    QCOMPARE(slider.setValue(set), value);
    QCOMPARE(slider.value(), value);
    QCOMPARE(slider.position(), position);
    QCOMPARE(slider.positionCount(), count);
    QCOMPARE(slider.valueAt(position), value);
    // Not a number changes nothing.
    QCOMPARE(slider.setValue(std::nan("")), value);
}

void TestConstantSlider::steppingStopsAtTheEnds()
{
    ConstantSlider slider(SliderRange{-10, 10, 0.1}, 9.9);
    QCOMPARE(slider.stepBy(1), 10.0);
    QCOMPARE(slider.stepBy(1), 10.0);
    QCOMPARE(slider.stepBy(-3), 9.7);
    QCOMPARE(slider.stepBy(-1000), -10.0);
    QCOMPARE(slider.stepBy(-1), -10.0);
    QCOMPARE(slider.stepBy(INT_MAX), 10.0);
    QCOMPARE(slider.stepBy(INT_MIN), -10.0);
    // From a value between positions (Pi as listed, before the slider moved): one step
    // up from the position it is nearest to.
    ConstantSlider pi(3.14159265358979);
    QCOMPARE(pi.stepBy(1), 3.24159265358979);
    QCOMPARE(pi.stepBy(-2), 3.04159265358979);
    pi.setPosition(-5);
    QCOMPARE(pi.value(), -6.85840734641021);
    pi.setPosition(pi.positionCount());
    QCOMPARE(pi.value(), 13.1415926535898);
}

void TestConstantSlider::unusableRangesAreRefused_data()
{
    QTest::addColumn<SliderRange>("range");
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("empty") << SliderRange{1, 1, 0.1};
    QTest::newRow("reversed") << SliderRange{1, -1, 0.1};
    QTest::newRow("step zero") << SliderRange{-1, 1, 0};
    QTest::newRow("step beyond the range") << SliderRange{-1, 1, 2.5};
    QTest::newRow("too many positions") << SliderRange{-10, 10, 1e-5};
    QTest::newRow("infinite end") << SliderRange{-inf, 1, 0.1};
    QTest::newRow("wider than a double") << SliderRange{-1.7e308, 1.7e308, 1e306};
}

void TestConstantSlider::unusableRangesAreRefused()
{
    QFETCH(SliderRange, range);
    QVERIFY(!ConstantSlider::isUsable(range));
    ConstantSlider slider(SliderRange{0, 5, 0.5}, 2);
    QVERIFY(!slider.setRange(range));
    QCOMPARE(slider.range(), (SliderRange{0, 5, 0.5}));
    QCOMPARE(slider.value(), 2.0);
    // Handed to the constructor, the default range around the value is taken instead.
    QCOMPARE(ConstantSlider(range, 2).range(), ConstantSlider::defaultRange(2));
}

void TestConstantSlider::narrowerRangeMovesTheValueIn()
{
    ConstantSlider slider(SliderRange{-10, 10, 0.1}, 5);
    QVERIFY(slider.setMaximum(2.05));
    QCOMPARE(slider.value(), 2.05);         // the maximum is a position of its own
    QVERIFY(slider.setMinimum(3) == false); // above the maximum: refused
    QVERIFY(slider.setRange({3, 4, 0.5}));
    QCOMPARE(slider.value(), 3.0);
    QVERIFY(slider.setStep(1));
    QCOMPARE(slider.positionCount(), 2);
    QCOMPARE(slider.value(), 3.0); // inside the range: left where it was
}
