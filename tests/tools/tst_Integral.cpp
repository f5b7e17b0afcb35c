// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_Integral.h"

#include "ElidedLabel.h"
#include "Integral.h"
#include "IntegralWindow.h"
#include "ToolsTesting.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

#include <cmath>

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
    QString notice() { return control<QLabel>(window, QStringLiteral("resNotice"))->text(); }
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

// Half a unit of the last digit shown: "1.00" 0.005, "3.33333333333333E-16" 5E-31.
double halfUnitOfLastDigit(const QString& shown)
{
    const int e = shown.indexOf(QLatin1Char('E'));
    const QString mantissa = e < 0 ? shown : shown.left(e);
    const int point = mantissa.indexOf(QLatin1Char('.'));
    const int decimals = point < 0 ? 0 : int(mantissa.size()) - point - 1;
    const int exponent = e < 0 ? 0 : shown.mid(e + 1).toInt();
    return 0.5 * std::pow(10.0, exponent - decimals);
}

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
    QCOMPARE(w.notice(), QString());
    QCOMPARE(w.fakes.dialogs.calls.size(), 0);
}

// Reference values worked out with mpmath (30 digits) or in closed form; the integrands
// are read by the program's rules, so exp(-x^2) is exp((-x)^2).
void TestIntegral::values_data()
{
    QTest::addColumn<QByteArray>("f");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<int>("n");
    QTest::addColumn<double>("expected");
    const double pi = M_PI;
    const auto row = [](const char* name, const char* f, double a, double b, int n, double v) {
        QTest::newRow(name) << QByteArray(f) << a << b << n << v;
    };
    row("sin", "sin(x)", 0, pi / 2, 5000, 1.0);
    row("1/sqr(x) singular end", "1/sqr(x)", 0, 1, 5000, 2.0);
    row("log singular end", "log(x)", 0, 1, 5000, -1.0);
    row("log squared", "log(x)^2", 0, 1, 5000, 2.0);
    row("x^-0.9 nearly divergent", "x^-0.9", 0, 1, 5000, 10.0);
    row("x^x", "x^x", 0, 1, 5000, 0.78343051071213440706);
    row("both ends singular", "1/sqr(1-x^2)", -1, 1, 5000, pi);
    row("half circle", "sqr(1-x^2)", -1, 1, 5000, pi / 2);
    row("interior singularity", "1/sqr(abs(x-1))", 0, 3, 5000, 4.828427124746190064);
    row("exp", "exp(x)", 0, 10, 5000, 22025.465794806716517);
    row("1/x^2 long tail", "1/x^2", 1, 1000, 5000, 0.999);
    row("exp(-(x^2))", "exp(-(x^2))", -3, 3, 5000, 1.7724146965190424678);
    row("exp(-x^2) as read", "exp(-x^2)", -3, 3, 5000, 2889.0902457854283094);
    row("cubic as read", "x^3-6*x^2+11*x-6", 0, 3, 5000, -272.25);
    row("oscillating sin(100x)", "sin(100*x)", 0, pi, 5000, 0.0);
    row("oscillating sin(1/x)", "sin(1/x)", 0, 1, 5000, 0.50406706190692837199);
    row("sin(x)/x long", "sin(x)/x", 0, 1000, 5000, 1.5702331219687712181);
    row("sin(x)/x through 0", "sin(x)/x", -10, 10, 3, 3.3166951884377480987);
    row("steep peak", "1/(0.0001+x^2)", -1, 1, 5000, 312.1593320216462762);
    row("steep exp", "exp(10*x)", 0, 1, 5000, 2202.5465794806716517);
    row("huge range 1/(1+x^2)", "1/(1+x^2)", -1e6, 1e6, 5000, 3.1415906535897932391);
    row("huge range exp(-x)", "exp(-x)", 0, 1000, 5000, 1.0);
    row("huge range 1/x", "1/x", 1, 1e6, 5000, 13.815510557964274104);
    row("huge value", "x^3", 0, 1000, 100, 2.5e11);
    row("tiny range", "x", 1, 1 + std::ldexp(1.0, -33), 5000,
        std::ldexp(1.0, -33) + std::ldexp(1.0, -67));
    row("tiny value", "x^2", 0, 1e-5, 5000, 3.3333333333333333333e-16);
    row("kink", "abs(x)", -1, 2, 5000, 2.5);
    row("jumps", "int(x)", 0, 3.5, 7, 4.5);
    row("cusp", "sqr(abs(x))", -1, 1, 5000, 4.0 / 3);
    row("reversed limits", "cos(x)^2", pi, 0, 5000, -pi / 2);
    row("one piece", "tan(x)", 0, 1.5, 1, 2.648783653978434833);
}

void TestIntegral::values()
{
    QFETCH(QByteArray, f);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(int, n);
    QFETCH(double, expected);
    engine::Engine engine = engineWithDefaults();
    const Integral::Result r = Integral::integrate(engine, f.toStdString(), a, b, n);
    QCOMPARE(r.status, Integral::Result::Status::Value);
    const QString shown = QString::fromStdString(Integral::valueText(r));
    const double value = shown.toDouble();
    QVERIFY2(std::fabs(value - expected) <= halfUnitOfLastDigit(shown) * 1.000001,
             qPrintable(shown));
    // At least the two decimals of the usual form, or the significant digits of a tiny
    // value.
    QVERIFY2(shown.contains(QLatin1Char('E')) || shown.section(QLatin1Char('.'), 1).size() >= 2 ||
                 r.supportedDecimals < 2,
             qPrintable(shown));
}

void TestIntegral::divergentIsFlagged_data()
{
    QTest::addColumn<QString>("f");
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::newRow("1/x at 0") << "1/x"
                              << "0"
                              << "1";
    QTest::newRow("1/x^2 at 0") << "1/x^2"
                                << "0"
                                << "1";
    QTest::newRow("1/x through 0") << "1/x"
                                   << "-1"
                                   << "1";
    QTest::newRow("pole of tan") << "tan(x)"
                                 << "0"
                                 << "2";
    QTest::newRow("pole inside") << "1/(x-0.3)"
                                 << "0"
                                 << "1";
    QTest::newRow("x^-1.5") << "x^(-1.5)"
                            << "0"
                            << "1";
    QTest::newRow("pole at the upper end") << "1/(1-x)"
                                           << "0"
                                           << "1";
}

void TestIntegral::divergentIsFlagged()
{
    QFETCH(QString, f);
    QFETCH(QString, a);
    QFETCH(QString, b);
    IntegralWindowFixture w;
    w.clickCount();
    w.fill(a, b, f, QStringLiteral("5000"));
    w.clickCount();
    QCOMPARE(w.result(), QString());
    QVERIFY2(w.notice().startsWith(QStringLiteral("积分可能发散")), qPrintable(w.notice()));
}

// Every refusal says why and leaves no earlier value standing.
void TestIntegral::refusalClearsTheOldResult_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("f");
    QTest::addColumn<QString>("n");
    QTest::addColumn<QString>("notice");
    QTest::newRow("count over 32767") << "0"
                                      << "1"
                                      << "x"
                                      << "40000"
                                      << "精度必须是1到32767之间的整数（现为40000）";
    QTest::newRow("32767.5 rounds to 32768") << "0"
                                             << "1"
                                             << "x"
                                             << "32767.5"
                                             << "精度必须是1到32767之间的整数（现为32767.5）";
    QTest::newRow("count 0") << "0"
                             << "1"
                             << "x"
                             << "0"
                             << "精度必须是1到32767之间的整数（现为0）";
    QTest::newRow("negative count") << "0"
                                    << "1"
                                    << "x"
                                    << "-5"
                                    << "精度必须是1到32767之间的整数（现为-5）";
    QTest::newRow("empty count") << "0"
                                 << "1"
                                 << "x"
                                 << ""
                                 << "请输入精度（1到32767之间的整数）";
    QTest::newRow("count unreadable") << "0"
                                      << "1"
                                      << "x"
                                      << "abc"
                                      << "精度：“ABC”不是已定义的常数（末尾）";
    QTest::newRow("integrand 2x") << "0"
                                  << "1"
                                  << "2x"
                                  << "100"
                                  << "被积函数：缺少运算符，乘号“*”不能省略（第2个字符“x”）";
    QTest::newRow("empty integrand") << "0"
                                     << "1"
                                     << " "
                                     << "100"
                                     << "请输入被积函数";
    QTest::newRow("unknown name") << "0"
                                  << "1"
                                  << "x*k"
                                  << "100"
                                  << "被积函数：“K”不是已定义的常数（末尾）";
    QTest::newRow("fails everywhere") << "0"
                                      << "1"
                                      << "x+1/0"
                                      << "100"
                                      << "被积函数：除数为零（末尾）";
    QTest::newRow("lower limit") << "1+"
                                 << "1"
                                 << "x"
                                 << "100"
                                 << "积分下限a：表达式不完整，末尾缺少数字或名称";
    QTest::newRow("upper limit uses x") << "0"
                                        << "x"
                                        << "x"
                                        << "100"
                                        << "积分上限b：未知数“x”在这里没有值（末尾）";
}

void TestIntegral::refusalClearsTheOldResult()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, f);
    QFETCH(QString, n);
    QFETCH(QString, notice);
    IntegralWindowFixture w;
    w.clickCount();
    QCOMPARE(w.result(), QStringLiteral("1.00"));
    w.fill(a, b, f, n);
    w.clickCount();
    QCOMPARE(w.result(), QString());
    QCOMPARE(w.notice(), notice);
    // Mended, the window shows a value again and the notice goes.
    w.fill(QStringLiteral("0"), QStringLiteral("3"), QStringLiteral("x^2"), QStringLiteral("3"));
    w.clickCount();
    QCOMPARE(w.result(), QStringLiteral("9.00"));
    QCOMPARE(w.notice(), QString());
}

void TestIntegral::undefinedOnAStretch()
{
    IntegralWindowFixture w;
    w.fill(QStringLiteral("-1"), QStringLiteral("1"), QStringLiteral("sqr(x)"),
           QStringLiteral("2"));
    w.clickCount();
    QCOMPARE(w.result(), QString());
    // The first point found where it fails, a point of the quadrature's own.
    const QRegularExpression notice(
        QStringLiteral("^被积函数在x=(-0\\.\\d+)处无法计算：超出函数SQR的定义域（末尾）$"));
    const QRegularExpressionMatch match = notice.match(w.notice());
    QVERIFY2(match.hasMatch(), qPrintable(w.notice()));
    QVERIFY(match.captured(1).toDouble() > -1);
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
    QCOMPARE(w.result(), QStringLiteral("9.00"));
}

// The count cuts the range into that many pieces, each integrated on its own: the
// integrand is evaluated inside every one of them.
void TestIntegral::countSetsTheLeastNumberOfPieces()
{
    for (const int n : {1, 7, 500}) {
        engine::Engine engine = engineWithDefaults();
        engine.addUserConstant("k", "0");
        // int(x*n) is a step function: smooth within each piece, so the pieces' ends must
        // fall on its jumps for every piece to converge at once.
        const std::string f = "int(x*" + std::to_string(n) + ")";
        const Integral::Result r = Integral::integrate(engine, f, 0, 1, n);
        QCOMPARE(r.status, Integral::Result::Status::Value);
        QVERIFY(std::fabs(r.value - (n - 1) / 2.0) <= 1e-9 * n);
        QVERIFY(r.errorEstimate <= 1e-9 * n);
    }
}

void TestIntegral::unknownIsUnboundAfterwards()
{
    engine::Engine engine = engineWithDefaults();
    const Integral::Result r = Integral::integrate(engine, "x^2", 0, 3, 3);
    QCOMPARE(r.status, Integral::Result::Status::Value);
    QCOMPARE(engine.evaluate("x"), ErrorValue);
    QCOMPARE(engine.constantNames().size(), std::size_t(3));
}

void TestIntegral::readingOfTheIntegrand()
{
    IntegralWindowFixture w;
    auto* reading = control<QLabel>(w.window, QStringLiteral("txtCSReading"));
    QVERIFY(reading->isHidden());
    retype(w.box("txtCS"), QStringLiteral("exp(-x^2)"));
    QVERIFY(!reading->isHidden());
    QCOMPARE(reading->text(), QStringLiteral("按 (-x)^2 计算"));
    QVERIFY(!reading->toolTip().isEmpty());
    retype(w.box("txtCS"), QStringLiteral("exp(-(x^2))"));
    QVERIFY(reading->isHidden());
}

void TestIntegral::fullWidthAndExponentInput()
{
    IntegralWindowFixture w;
    // Typed with a Chinese input method, and the program's own number form; the boxes
    // keep the texts as typed.
    const auto type = [&w](const char* name, const QString& text) {
        QLineEdit* box = w.box(name);
        box->selectAll();
        box->insert(text); // as an input method commits it
    };
    type("txtA", QStringLiteral("０"));
    type("txtB", QStringLiteral("1E+00"));
    type("txtCS", QStringLiteral("（ｘ＋１）×２"));
    type("txtN0", QStringLiteral("1E2"));
    w.clickCount();
    QCOMPARE(w.result(), QStringLiteral("3.00"));
    QCOMPARE(w.box("txtCS")->text(), QStringLiteral("（ｘ＋１）×２"));
}

void TestIntegral::longResultShowsWhole()
{
    IntegralWindowFixture w;
    w.fill(QStringLiteral("0"), QStringLiteral("2"), QStringLiteral("x^(1/3)"),
           QStringLiteral("100"));
    w.clickCount();
    auto* label = control<ElidedLabel>(w.window, QStringLiteral("resout"));
    // 0.75 * 2^(4/3) = 1.8898815748423...: a dozen digits and more fit the label whole.
    QVERIFY2(label->text().size() >= 14, qPrintable(label->text()));
    QVERIFY(label->text().startsWith(QStringLiteral("1.889881574842")));
    QCOMPARE(label->shownText(), label->text());
    QCOMPARE(label->toolTip(), label->text());
}
