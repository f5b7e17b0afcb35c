// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_Integral.h"

#include "ElidedLabel.h"
#include "Integral.h"
#include "IntegralWindow.h"
#include "ToolsTesting.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace orvane;
using namespace orvane::testing;

namespace {

struct IntegralWindowFixture {
    FakeServices fakes;
    IntegralWindow window{fakes.services, nullptr};

    QLineEdit* box(const char* name)
    {
        return control<QLineEdit>(window, QString::fromLatin1(name));
    }
    QString result() { return control<QLabel>(window, QStringLiteral("resout"))->text(); }
    void fill(const QString& a, const QString& b, const QString& f, const QString& n)
    {
        retype(box("txtA"), a);
        retype(box("txtB"), b);
        retype(box("txtCS"), f);
        retype(box("txtN0"), n);
    }
    void clickCount()
    {
        QTest::mouseClick(control<QPushButton>(window, QStringLiteral("cmdCount")), Qt::LeftButton);
    }
};

} // namespace

void TestIntegral::defaultsShowOne()
{
    IntegralWindowFixture w;
    QCOMPARE(w.window.windowTitle(), QStringLiteral("计算定积分"));
    QCOMPARE(w.box("txtA")->text(), QStringLiteral("0"));
    QCOMPARE(w.box("txtB")->text(), QStringLiteral("Pi/2"));
    QCOMPARE(w.box("txtCS")->text(), QStringLiteral("sin(x)"));
    QCOMPARE(w.box("txtN0")->text(), QStringLiteral("5000"));
    QCOMPARE(w.box("txtN0")->toolTip(), QStringLiteral("精度值越高计算速度越慢"));
    QCOMPARE(w.result(), QString());
    w.clickCount();
    QCOMPARE(w.result(), QStringLiteral("1.00"));
    QCOMPARE(w.fakes.dialogs.calls.size(), 0);
}

void TestIntegral::results_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("f");
    QTest::addColumn<QString>("n");
    QTest::addColumn<QString>("shown");
    // h = 1, S = 0/2 + 1 + 4 + 9/2
    QTest::newRow("x^2, n=3") << "0"
                              << "3"
                              << "x^2"
                              << "3"
                              << "9.50";
    QTest::newRow("x^2, n=30000") << "0"
                                  << "3"
                                  << "x^2"
                                  << "30000"
                                  << "9.00";
    QTest::newRow("count as expression") << "0"
                                         << "3"
                                         << "x^2"
                                         << "2*15000"
                                         << "9.00";
    QTest::newRow("n=1 uses the ends") << "0"
                                       << "2"
                                       << "x"
                                       << "1"
                                       << "2.00";
    QTest::newRow("b<a is negative") << "3"
                                     << "0"
                                     << "x^2"
                                     << "3"
                                     << "-9.50";
    // h = -3 times the two halves 0/2 + 9/2
    QTest::newRow("negative n") << "0"
                                << "3"
                                << "x^2"
                                << "-1"
                                << "-13.50";
    // x = 0 contributes the error value: 0.25 * (4 + 2 + 4/3 + 1/2)
    QTest::newRow("1/x from 0") << "0"
                                << "1"
                                << "1/x"
                                << "4"
                                << "1.958";
    QTest::newRow("third decimal") << "0"
                                   << "1"
                                   << "x^2"
                                   << "30000"
                                   << "0.333";
    // 2.5 rounds to 2: h = 1.5, S = 2.25 + 0/2 + 9/2
    QTest::newRow("count rounds half to even") << "0"
                                               << "3"
                                               << "x^2"
                                               << "2.5"
                                               << "10.125";
    // An invalid limit takes part as -1E-30.
    QTest::newRow("invalid limit") << "zz"
                                   << "2"
                                   << "x"
                                   << "1"
                                   << "2.00";
    QTest::newRow("empty count") << "0"
                                 << "3"
                                 << "x^2"
                                 << ""
                                 << "0.00";
    QTest::newRow("invalid count") << "0"
                                   << "3"
                                   << "x^2"
                                   << "abc"
                                   << "0.00";
    QTest::newRow("invalid integrand") << "0"
                                       << "3"
                                       << "foo(x)"
                                       << "3"
                                       << "0.00";
}

void TestIntegral::results()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, f);
    QFETCH(QString, n);
    QFETCH(QString, shown);
    IntegralWindowFixture w;
    w.fill(a, b, f, n);
    w.clickCount();
    QCOMPARE(w.result(), shown);
    QCOMPARE(w.fakes.dialogs.calls.size(), 0);
}

void TestIntegral::enterInAnyBoxComputes_data()
{
    QTest::addColumn<QString>("box");
    QTest::newRow("txtA") << "txtA";
    QTest::newRow("txtB") << "txtB";
    QTest::newRow("txtCS") << "txtCS";
    QTest::newRow("txtN0") << "txtN0";
}

void TestIntegral::enterInAnyBoxComputes()
{
    QFETCH(QString, box);
    IntegralWindowFixture w;
    w.fill("0", "3", "x^2", "3");
    QTest::keyClick(w.box(box.toLatin1().constData()), Qt::Key_Return);
    QCOMPARE(w.result(), QStringLiteral("9.50"));
}

void TestIntegral::countOutside16BitsLeavesResult_data()
{
    QTest::addColumn<QString>("count");
    QTest::newRow("40000") << "40000";
    QTest::newRow("-40000") << "-40000";
    QTest::newRow("2^20") << "2^20";
    QTest::newRow("32767.5 rounds to 32768") << "32767.5";
}

void TestIntegral::countOutside16BitsLeavesResult()
{
    QFETCH(QString, count);
    IntegralWindowFixture w;
    w.clickCount();
    QCOMPARE(w.result(), QStringLiteral("1.00"));
    retype(w.box("txtN0"), count);
    w.clickCount();
    QCOMPARE(w.result(), QStringLiteral("1.00"));
    QCOMPARE(w.fakes.dialogs.calls.size(), 0);
    // The window goes on working.
    retype(w.box("txtN0"), QStringLiteral("32767"));
    retype(w.box("txtCS"), QStringLiteral("2"));
    w.clickCount();
    QCOMPARE(w.result(), QStringLiteral("3.142"));
}

void TestIntegral::faultGivesNoValue_data()
{
    QTest::addColumn<QString>("f");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<int>("n");
    QTest::newRow("n=0") << "x" << 0.0 << 1.0 << 0;
    QTest::newRow("sum overflows") << "10^308" << 0.0 << 3.0 << 3;
    QTest::newRow("step overflows") << "x" << -1e308 << 1e308 << 1;
    QTest::newRow("product overflows") << "10^300" << 0.0 << 1e300 << 1;
}

void TestIntegral::faultGivesNoValue()
{
    QFETCH(QString, f);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(int, n);
    FakeServices fakes;
    IntegralWindow window(fakes.services, nullptr);
    QVERIFY(!window.countIntegral(f, a, b, static_cast<std::int16_t>(n)).has_value());
}

void TestIntegral::unknownIsUnboundAfterwards()
{
    engine::Engine engine = engineWithDefaults();
    const std::optional<double> r = countIntegral(engine, "x^2", 0, 3, 3);
    QVERIFY(r.has_value());
    QCOMPARE(*r, 9.5);
    QCOMPARE(engine.evaluate("x"), ErrorValue);
    QCOMPARE(engine.constantNames().size(), std::size_t(3));
}

void TestIntegral::longResultShowsWholeInTooltip_data()
{
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("cut");
    QTest::newRow("short") << "2"
                           << "2.00" << false;
    QTest::newRow("long") << "1000000"
                          << "500000000000.00" << true;
}

void TestIntegral::longResultShowsWholeInTooltip()
{
    QFETCH(QString, upper);
    QFETCH(QString, value);
    QFETCH(bool, cut);
    IntegralWindowFixture w;
    w.fill(QStringLiteral("0"), upper, QStringLiteral("x"), QStringLiteral("100"));
    w.clickCount();
    auto* label = control<ElidedLabel>(w.window, QStringLiteral("resout"));
    QCOMPARE(label->text(), value);
    QCOMPARE(label->toolTip(), value);
    // What does not fit ends in "…"; the beginning of the number stays on show.
    QCOMPARE(label->shownText() != value, cut);
    if (cut) {
        QVERIFY(label->shownText().endsWith(QChar(0x2026)));
        QVERIFY(value.startsWith(label->shownText().chopped(1)));
    }
}
