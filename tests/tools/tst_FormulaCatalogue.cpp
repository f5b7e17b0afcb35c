// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_FormulaCatalogue.h"

#include "FormulaCatalogue.h"
#include "ToolsTesting.h"

using namespace orvane;
using namespace orvane::testing;
using Fault = FormulaCatalogue::Fault;

Q_DECLARE_METATYPE(orvane::FormulaCatalogue::Fault)

namespace {
constexpr double Pi = 3.14159265358979;
}

void TestFormulaCatalogue::results_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("c");
    QTest::addColumn<double>("expected");
    QTest::addColumn<double>("tolerance");
    QTest::newRow("1 triangle") << 1 << 3.0 << 4.0 << 0.0 << 6.0 << 0.0;
    QTest::newRow("2 sides and angle") << 2 << 90.0 << 3.0 << 4.0 << 6.0 << 0.0;
    // Angles in degrees use the double nearest to pi: the textbook values come out exact
    // to the 13 decimals kept (8.7499999997732 with pi cut to ten decimals).
    QTest::newRow("2 thirty degrees") << 2 << 30.0 << 2.0 << 2.0 << 1.0 << 0.0;
    QTest::newRow("2 thirty degrees, sides 5 and 7") << 2 << 30.0 << 5.0 << 7.0 << 8.75 << 0.0;
    QTest::newRow("2 150 degrees") << 2 << 150.0 << 4.0 << 6.0 << 6.0 << 0.0;
    QTest::newRow("6 sixty degrees") << 6 << 30.0 << 4.0 << 5.0 << 10.0 << 0.0;
    QTest::newRow("3 heron") << 3 << 3.0 << 4.0 << 5.0 << 6.0 << 0.0;
    QTest::newRow("3 degenerate") << 3 << 1.0 << 2.0 << 3.0 << 0.0 << 0.0;
    QTest::newRow("4 rectangle") << 4 << 3.0 << 4.0 << 0.0 << 12.0 << 0.0;
    QTest::newRow("5 parallelogram") << 5 << 2.5 << 4.0 << 0.0 << 10.0 << 0.0;
    QTest::newRow("6 parallelogram angle") << 6 << 90.0 << 2.0 << 5.0 << 10.0 << 0.0;
    QTest::newRow("7 trapezoid") << 7 << 3.0 << 5.0 << 2.0 << 8.0 << 0.0;
    // The constant's fourteenth decimal goes in the rounding.
    QTest::newRow("8 circle") << 8 << 1.0 << 0.0 << 0.0 << 3.1415926535898 << 0.0;
    QTest::newRow("8 circle r=5") << 8 << 5.0 << 0.0 << 0.0 << 78.5398163397447 << 0.0;
    QTest::newRow("9 sector arc") << 9 << 2.0 << 3.0 << 0.0 << 3.0 << 0.0;
    QTest::newRow("10 sector 360 = circle") << 10 << 1.0 << 360.0 << 0.0 << 3.1415926535898 << 0.0;
    QTest::newRow("11 ellipse") << 11 << 2.0 << 3.0 << 0.0 << 6 * Pi << 1e-12;
    QTest::newRow("12 sphere surface") << 12 << 1.0 << 0.0 << 0.0 << 4 * Pi << 1e-12;
    QTest::newRow("13 cylinder surface") << 13 << 1.0 << 2.0 << 0.0 << 6 * Pi << 1e-12;
    QTest::newRow("101 sphere volume") << 101 << 3.0 << 0.0 << 0.0 << 36 * Pi << 1e-11;
    QTest::newRow("102 cylinder volume") << 102 << 2.0 << 3.0 << 0.0 << 12 * Pi << 1e-12;
    QTest::newRow("103 cone volume") << 103 << 2.0 << 3.0 << 0.0 << 4 * Pi << 1e-12;
    QTest::newRow("104 pyramid") << 104 << 6.0 << 3.0 << 0.0 << 6.0 << 0.0;
    QTest::newRow("201 arithmetic") << 201 << 1.0 << 100.0 << 1.0 << 5050.0 << 0.0;
    QTest::newRow("202 geometric") << 202 << 1.0 << 10.0 << 2.0 << 1023.0 << 0.0;
    QTest::newRow("202 fractional ratio") << 202 << 1.0 << 2.0 << 0.5 << 1.5 << 0.0;
    QTest::newRow("203 squares") << 203 << 10.0 << 0.0 << 0.0 << 385.0 << 0.0;
    QTest::newRow("204 cubes") << 204 << 10.0 << 0.0 << 0.0 << 3025.0 << 0.0;
    QTest::newRow("301 P(5,2)") << 301 << 5.0 << 2.0 << 0.0 << 20.0 << 0.0;
    QTest::newRow("302 C(5,2)") << 302 << 5.0 << 2.0 << 0.0 << 10.0 << 0.0;
    QTest::newRow("301 b=0") << 301 << 5.0 << 0.0 << 0.0 << 1.0 << 0.0;
    QTest::newRow("302 b=0") << 302 << 5.0 << 0.0 << 0.0 << 1.0 << 0.0;
    QTest::newRow("301 a=0") << 301 << 0.0 << 3.0 << 0.0 << 1.0 << 0.0;
    QTest::newRow("302 a=0") << 302 << 0.0 << 3.0 << 0.0 << 1.0 << 0.0;
    QTest::newRow("301 P(5.5,2)") << 301 << 5.5 << 2.0 << 0.0 << 4.5 * 5.5 << 0.0;
    QTest::newRow("302 C(52,5)") << 302 << 52.0 << 5.0 << 0.0 << 2598960.0 << 0.0;
    // Radius 2 tells a from a² (and a·(b + a) from b + a).
    QTest::newRow("10 sector r=2, 90°: π·4/4") << 10 << 2.0 << 90.0 << 0.0 << Pi << 1e-12;
    QTest::newRow("12 sphere surface r=2: 4π·4") << 12 << 2.0 << 0.0 << 0.0 << 16 * Pi << 1e-12;
    QTest::newRow("13 cylinder surface r=2, h=3: 2π·2·5")
        << 13 << 2.0 << 3.0 << 0.0 << 20 * Pi << 1e-12;
    // Binomial coefficients from Pascal's triangle / an exact big-integer library.
    QTest::newRow("302 C(171,170) = C(171,1) = 171")
        << 302 << 171.0 << 170.0 << 0.0 << 171.0 << 0.0;
    QTest::newRow("302 C(50,25) = 126410606437752, exact")
        << 302 << 50.0 << 25.0 << 0.0 << 126410606437752.0 << 0.0;
    QTest::newRow("302 C(200,100) = 9.0548514656103281E58")
        << 302 << 200.0 << 100.0 << 0.0 << 9.0548514656103281e58 << 1e46;
    QTest::newRow("302 C(1000,500) = 2.7028824094543657E299")
        << 302 << 1000.0 << 500.0 << 0.0 << 2.7028824094543657e299 << 1e287;
    QTest::newRow("302 C(5,7) = 0: more than there are") << 302 << 5.0 << 7.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("302 C(-5,2) = (-6)(-5)/2 = 15") << 302 << -5.0 << 2.0 << 0.0 << 15.0 << 0.0;
    QTest::newRow("302 C(5.5,2) = 4.5·5.5/2") << 302 << 5.5 << 2.0 << 0.0 << 12.375 << 0.0;
    QTest::newRow("301 b>a passes 0") << 301 << 3.0 << 5.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("301 negative b") << 301 << 3.0 << -2.0 << 0.0 << 1.0 << 0.0;
}

void TestFormulaCatalogue::results()
{
    engine::Engine engine = engineWithDefaults();
    QFETCH(int, number);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, c);
    QFETCH(double, expected);
    QFETCH(double, tolerance);
    const FormulaCatalogue::Result r = FormulaCatalogue::compute(engine, number, a, b, c);
    QVERIFY(r.ok());
    if (tolerance == 0)
        QCOMPARE(r.value, expected);
    else
        QVERIFY2(qAbs(r.value - expected) <= tolerance,
                 qPrintable(QString::number(r.value, 'g', 17)));
}

void TestFormulaCatalogue::roundsToThirteenDecimals()
{
    QCOMPARE(FormulaCatalogue::triangleBaseHeight(1.0 / 3, 1).value, 0.1666666666667);
    QCOMPARE(FormulaCatalogue::rectangle(2.0 / 3, 1).value, 0.6666666666667);
    // Below the thirteenth decimal nothing is left.
    QCOMPARE(FormulaCatalogue::rectangle(1e-14, 1).value, 0.0);
    QCOMPARE(FormulaCatalogue::degToRad(180), M_PI);
}

void TestFormulaCatalogue::piComesFromTheConstant()
{
    engine::Engine engine = engineWithDefaults();
    QVERIFY(engine.removeSelectedConstant(0).ok);
    // Without Pi the error value stands in.
    QCOMPARE(FormulaCatalogue::circle(engine, 1e15).value, -1.0);
    QVERIFY(engine.addUserConstant("Pi", "3").ok);
    QCOMPARE(FormulaCatalogue::circle(engine, 2).value, 12.0);
    QCOMPARE(FormulaCatalogue::sphereVolume(engine, 1).value, 4.0);
}

void TestFormulaCatalogue::faults_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("c");
    QTest::addColumn<Fault>("fault");
    QTest::newRow("no triangle") << 3 << 1.0 << 2.0 << 10.0 << Fault::NotATriangle;
    QTest::newRow("ratio 1") << 202 << 1.0 << 10.0 << 1.0 << Fault::RatioOne;
    QTest::newRow("negative ratio, fractional count")
        << 202 << 1.0 << 0.5 << -2.0 << Fault::OutOfRange;
    QTest::newRow("ratio power overflows") << 202 << 1.0 << 2000.0 << 2.0 << Fault::OutOfRange;
    QTest::newRow("sphere overflows") << 101 << 1e200 << 0.0 << 0.0 << Fault::OutOfRange;
    QTest::newRow("rectangle overflows") << 4 << 1e200 << 1e200 << 0.0 << Fault::OutOfRange;
    QTest::newRow("heron overflows") << 3 << 1e200 << 1e200 << 1e200 << Fault::OutOfRange;
    QTest::newRow("squares overflow") << 203 << 1e120 << 0.0 << 0.0 << Fault::OutOfRange;
    QTest::newRow("permutations overflow") << 301 << 200.0 << 200.0 << 0.0 << Fault::OutOfRange;
    QTest::newRow("combinations overflow: C(2000,1000) is about 2E600")
        << 302 << 2000.0 << 1000.0 << 0.0 << Fault::OutOfRange;
    QTest::newRow("unknown number") << 14 << 1.0 << 1.0 << 1.0 << Fault::OutOfRange;
}

void TestFormulaCatalogue::faults()
{
    engine::Engine engine = engineWithDefaults();
    QFETCH(int, number);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, c);
    QFETCH(Fault, fault);
    QCOMPARE(FormulaCatalogue::compute(engine, number, a, b, c).fault, fault);
}

void TestFormulaCatalogue::countingStaysShortForHugeInputs_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("expected");
    // The factors pass 0 after a few steps: a trillion more would follow.
    QTest::newRow("P through zero") << 301 << 1e12 << 1e12 + 3 << true << 0.0;
    QTest::newRow("C through zero") << 302 << 1e12 << 1e12 + 3 << true << 0.0;
    QTest::newRow("C(5, 1e12) = 0: more than there are") << 302 << 5.0 << 1e12 << true << 0.0;
    QTest::newRow("C(1e12, 1e12-2) = C(1e12, 2)")
        << 302 << 1e12 << 1e12 - 2 << true << 1e12 * (1e12 - 1) / 2;
    QTest::newRow("C(1e9+0.5, 1e9): a billion factors") << 302 << 1e9 + 0.5 << 1e9 << false << 0.0;
    QTest::newRow("counter beyond exact integers") << 301 << 1e17 << 3.0 << false << 0.0;
}

void TestFormulaCatalogue::countingStaysShortForHugeInputs()
{
    engine::Engine engine = engineWithDefaults();
    QFETCH(int, number);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(bool, ok);
    QFETCH(double, expected);
    const FormulaCatalogue::Result r = FormulaCatalogue::compute(engine, number, a, b, 0);
    QCOMPARE(r.ok(), ok);
    if (ok) QCOMPARE(r.value, expected);
}

void TestFormulaCatalogue::catalogueNumbers()
{
    const QList<int> numbers = {1,  2,   3,   4,   5,   6,   7,   8,   9,   10,  11, 12,
                                13, 101, 102, 103, 104, 201, 202, 203, 204, 301, 302};
    const QList<int> inputs = {2, 3, 3, 2, 2, 3, 3, 1, 2, 2, 2, 1, 2, 1, 2, 2, 2, 3, 3, 1, 1, 2, 2};
    for (int i = 0; i < numbers.size(); ++i) {
        QVERIFY(FormulaCatalogue::exists(numbers[i]));
        QCOMPARE(FormulaCatalogue::inputCount(numbers[i]), inputs[i]);
    }
    QVERIFY(!FormulaCatalogue::exists(0));
    QVERIFY(!FormulaCatalogue::exists(105));
    QCOMPARE(FormulaCatalogue::inputCount(303), 0);
}
