// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_Solver.h"

#include "EquationSolver.h"
#include "EquationSolverWindow.h"
#include "TextScreen.h"
#include "ToolsTesting.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

#include <cmath>

using namespace orvane;
using namespace orvane::testing;

namespace {

const QString Start = QStringLiteral("计算中....");
const QString End = QStringLiteral("计算结束。");

struct SolverWindow {
    FakeServices fakes;
    EquationSolverWindow window{fakes.services, nullptr};

    QLineEdit* box(const char* name)
    {
        return control<QLineEdit>(window, QString::fromLatin1(name));
    }
    QPushButton* button(const char* name)
    {
        return control<QPushButton>(window, QString::fromLatin1(name));
    }
    QStringList solve(const QString& equation, const QString& min, const QString& max)
    {
        retype(box("Text1"), equation);
        retype(box("txtMin"), min);
        retype(box("txtMax"), max);
        QTest::mouseClick(button("Command1"), Qt::LeftButton);
        return window.result().texts();
    }
};

const QString MayBeIncomplete = QStringLiteral("注意：所计算的结果可能不全。");

QStringList printed(std::initializer_list<const char*> roots, bool mayBeIncomplete = false)
{
    QStringList lines{Start};
    for (const char* root : roots)
        lines << QString::fromLatin1(root);
    if (mayBeIncomplete) lines << MayBeIncomplete;
    lines << End;
    return lines;
}

} // namespace

void TestSolver::unknownIsBoundNotWritten_data()
{
    QTest::addColumn<QString>("equation");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("value");
    // A negative x in front of "^" is raised as a whole.
    QTest::newRow("x^2+x at -1.5") << "x^2+x" << -1.5 << 0.75;
    QTest::newRow("no rounding of x") << "x" << 12.3456789 << 12.3456789;
    QTest::newRow("exp keeps its x") << "exp(x)-2" << 0.0 << -1.0;
    QTest::newRow("fix keeps its x") << "fix(x)" << -2.5 << -2.0;
    QTest::newRow("upper-case X") << "X^2" << 3.0 << 9.0;
    QTest::newRow("constant beside x") << "x*e" << 2.0 << 2 * 2.71828182845905;
    QTest::newRow("undefined point") << "sqr(x)" << -1.0 << ErrorValue;
}

void TestSolver::unknownIsBoundNotWritten()
{
    QFETCH(QString, equation);
    QFETCH(double, x);
    QFETCH(double, value);
    engine::Engine engine = engineWithDefaults();
    const RootScan::Function f = EquationSolver::equationFunction(engine, equation.toStdString());
    QCOMPARE(f(x), value);
    QVERIFY(!engine.constantExists("x")); // x is unbound again
}

void TestSolver::outputs_data()
{
    QTest::addColumn<QString>("equation");
    QTest::addColumn<QString>("min");
    QTest::addColumn<QString>("max");
    QTest::addColumn<QStringList>("lines");
    const auto row = [](const char* name, const char* equation, const char* min, const char* max,
                        const QStringList& lines) {
        QTest::newRow(name) << QString::fromUtf8(equation) << QString::fromUtf8(min)
                            << QString::fromUtf8(max) << lines;
    };
    row("defaults", "x^4+x^2-16", "-100", "100", printed({"1.879", "-1.879"}));
    row("x^2-4", "x^2-4", "-100", "100", printed({"2.00", "-2.00"}));
    row("upper-case X", "X^2-4", "-100", "100", printed({"2.00", "-2.00"}));
    row("root at the start", "x", "-100", "100", printed({"0.00"}));
    row("1/x: the pole is no root", "1/x", "-100", "100", printed({}));
    row("sqr(x)-1: 1 only, x<0 undefined", "sqr(x)-1", "-100", "100", printed({"1.00"}));
    row("exp(x)-2: ln 2 = 0.6931", "exp(x)-2", "-100", "100", printed({"0.693"}));
    row("(x-1)(x-2)(x-3) on 0..10: 1, 2, 3", "(x-1)*(x-2)*(x-3)", "0", "10",
        printed({"1.00", "2.00", "3.00"}));
    row("(x-1)(x-2)(x-3) on the default range", "(x-1)*(x-2)*(x-3)", "-100", "100",
        printed({"1.00", "2.00", "3.00"}));
    row("no root", "x^2+1", "-100", "100", printed({}));
    row("min not a number", "x^2-4", "abc", "100", printed({"2.00"}));
    row("max Pi reads as 0", "x^2-4", "-100", "Pi", printed({"-2.00"}));
    row("leading number of the range: -1.5..15", "x^2-4", "-1.5abc", "1.5e1x", printed({"2.00"}));
    row("sin x on [-4,4]: kπ, k=-1..1", "sin(x)", "-4", "4", printed({"0.00", "3.142", "-3.142"}));
    row("x-2 on [5,10]: 2 lies outside", "x-2", "5", "10", printed({}));
    row("x^2-4 on [-1.5,2.5]: -2 lies outside", "x^2-4", "-1.5", "2.5", printed({"2.00"}));
    row("sin(10x) on [-1,1]: kπ/10, k=-3..3", "sin(10*x)", "-1", "1",
        printed({"0.00", "0.314", "0.628", "0.942", "-0.314", "-0.628", "-0.942"}));
    row("sin x on [-10,10]: kπ, k=-3..3", "sin(x)", "-10", "10",
        printed({"0.00", "3.142", "6.283", "9.425", "-3.142", "-6.283", "-9.425"}));
    row("cos x-0.5 on [-10,10]: ±π/3+2kπ", "cos(x)-0.5", "-10", "10",
        printed({"1.047", "5.236", "7.33", "-1.047", "-5.236", "-7.33"}));
    row("tan x-1 on [-5,5]: π/4+kπ, poles ±π/2, ±3π/2 left out", "tan(x)-1", "-5", "5",
        printed({"0.785", "3.927", "-2.356"}));
    row("tan x on [-4,4]: kπ, poles left out", "tan(x)", "-4", "4",
        printed({"0.00", "3.142", "-3.142"}));
    row("1/(x-0.0031): pole between two samples", "1/(x-0.0031)", "-1", "1", printed({}));
    row("x^3-2x-5 (Wallis): 2.0946", "x^3-2*x-5", "-100", "100", printed({"2.095"}));
    row("x^3-x: 0, ±1", "x^3-x", "-100", "100", printed({"0.00", "1.00", "-1.00"}));
    row("log x-1 (natural): e = 2.7183", "log(x)-1", "-100", "100", printed({"2.718"}));
    row("ln x-1 (common): 10", "ln(x)-1", "-100", "100", printed({"10.00"}));
    row("exp(-x)-x: omega constant 0.56714", "exp(-x)-x", "-100", "100", printed({"0.567"}));
    row("(x-1.5)^2: double root on a sample", "(x-1.5)^2", "-100", "100", printed({"1.50"}));
    row("(x-1/3)^2: double root between samples", "(x-1/3)^2", "-100", "100", printed({"0.333"}));
    row("sin(x)^2 on [-4,4]: double roots kπ", "sin(x)^2", "-4", "4",
        printed({"0.00", "3.142", "-3.142"}));
    row("x-x: zero on the whole range, nothing to list", "x-x", "-100", "100", printed({}, true));
    row("cos x+1 on [0,10]: touches 0 at π, 3π", "cos(x)+1", "0", "10",
        printed({"3.142", "9.425"}));
    row("x^2+0.001: a shallow dip is no root", "x^2+0.001", "-100", "100", printed({}));
    row("sqr(x-0.3): root where the domain begins", "sqr(x-0.3)", "-100", "100", printed({"0.30"}));
    row("(x-1)(x-1.01): roots 0.01 apart", "(x-1)*(x-1.01)", "-100", "100",
        printed({"1.00", "1.01"}));
    row("(x-1)(x-1.003): closer than the scan can vouch for", "(x-1)*(x-1.003)", "-100", "100",
        printed({"1.00", "1.003"}, true));
    row("(x-1)^2+1E-9: almost a double root", "(x-1)^2+10^-9", "-100", "100", printed({}, true));
}

void TestSolver::outputs()
{
    QFETCH(QString, equation);
    QFETCH(QString, min);
    QFETCH(QString, max);
    QFETCH(QStringList, lines);
    SolverWindow w;
    QCOMPARE(w.solve(equation, min, max), lines);
    QCOMPARE(w.fakes.dialogs.calls.size(), 0);
}

void TestSolver::hugeRangeIsBoundedAndTold_data()
{
    QTest::addColumn<QString>("min");
    QTest::addColumn<QString>("max");
    QTest::newRow("-1E9 to 1E9") << "-1E9"
                                 << "1E9";
    QTest::newRow("beyond exact integers") << "-1e20"
                                           << "1e300";
    QTest::newRow("only the upper end") << "-100"
                                        << "5e5";
}

void TestSolver::hugeRangeIsBoundedAndTold()
{
    QFETCH(QString, min);
    QFETCH(QString, max);
    SolverWindow w;
    // The wide range is sampled more coarsely than roots 0.01 apart need.
    QCOMPARE(w.solve(QStringLiteral("x^2-4"), min, max), printed({"2.00", "-2.00"}, true));
    QCOMPARE(w.fakes.dialogs.messageTexts(),
             QStringList{QStringLiteral(
                 "X的范围太大，计算会非常慢。本次只在-100000到100000之间寻找方程的根。")});
    QCOMPARE(w.fakes.dialogs.calls.first().message.icon, MessageIcon::Information);
    // The boxes keep what the user typed.
    QCOMPARE(w.box("txtMax")->text(), max);
}

void TestSolver::rangesThatCannotBeSampled_data()
{
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");
    QTest::addColumn<bool>("mayBeIncomplete");
    QTest::newRow("wider than a double spans") << -1e308 << 1e308 << true;
    QTest::newRow("reversed: nothing to search") << 5.0 << -5.0 << false;
    QTest::newRow("not a number") << double(NAN) << 5.0 << false;
}

void TestSolver::rangesThatCannotBeSampled()
{
    QFETCH(double, min);
    QFETCH(double, max);
    QFETCH(bool, mayBeIncomplete);
    const auto outcome = EquationSolver::solveFunction([](double x) { return x; }, min, max);
    QVERIFY(outcome.roots.empty());
    QCOMPARE(outcome.mayBeIncomplete, mayBeIncomplete);
}

void TestSolver::eachRunStartsAfresh()
{
    SolverWindow w;
    w.solve(QStringLiteral("x^2-4"), QStringLiteral("-100"), QStringLiteral("100"));
    QCOMPARE(w.solve(QStringLiteral("x-3"), QStringLiteral("-100"), QStringLiteral("100")),
             printed({"3.00"}));
}

void TestSolver::longListScrolls()
{
    SolverWindow w;
    w.window.show();
    // sin x on [-100,100]: kπ for k = -31..31, 63 roots and two more lines.
    const QStringList lines =
        w.solve(QStringLiteral("sin(x)"), QStringLiteral("-100"), QStringLiteral("100"));
    QCOMPARE(lines.size(), 65);
    QCOMPARE(lines.last(), End);
    const auto* area = control<QScrollArea>(w.window, QStringLiteral("ResultArea"));
    QVERIFY(w.window.result().height() >= 65 * w.window.result().lineHeight());
    QVERIFY(area->verticalScrollBar()->maximum() > 0);
    QCOMPARE(area->verticalScrollBar()->value(), 0); // the list is read from its top

    w.solve(QStringLiteral("x-1"), QStringLiteral("-100"), QStringLiteral("100"));
    QCOMPARE(area->verticalScrollBar()->maximum(), 0);
}

void TestSolver::sidePanelToggles()
{
    SolverWindow w;
    QPushButton* cmdA = w.button("cmdA");
    QTimer* timer = control<QTimer>(w.window, QStringLiteral("TimeTxt"));
    QCOMPARE(w.window.windowTitle(), QStringLiteral("Orvane-解一元n次方程"));
    QCOMPARE(w.window.width(), 4035 / 15);
    QCOMPARE(cmdA->text(), QStringLiteral("||>>"));
    QVERIFY(!timer->isActive());
    QCOMPARE(timer->interval(), 1000);
    QCOMPARE(w.window.banner().texts(),
             (QStringList{QStringLiteral("Orvane—"), QStringLiteral("解一元n次方程")}));
    QCOMPARE(control<QPlainTextEdit>(w.window, QStringLiteral("Text2"))->toPlainText(),
             QStringLiteral("    方程式的输入\n方法与画函数图像\n表达式的方法相同。  \n"
                            "                \n    注意：本程序\n所计算的结果可能\n不全。\n"));

    QTest::mouseClick(cmdA, Qt::LeftButton);
    QCOMPARE(w.window.width(), 6000 / 15);
    QCOMPARE(cmdA->text(), QStringLiteral("<<||"));
    QVERIFY(timer->isActive());

    QTest::mouseClick(cmdA, Qt::LeftButton);
    QCOMPARE(w.window.width(), 4035 / 15);
    QCOMPARE(cmdA->text(), QStringLiteral("||>>"));
    QVERIFY(!timer->isActive());
}

void TestSolver::bannerFollowsTheClock_data()
{
    QTest::addColumn<int>("second");
    QTest::addColumn<QString>("filled");
    QTest::addColumn<QString>("hollow");
    QTest::newRow("0") << 0 << "★★"
                       << "☆☆";
    QTest::newRow("1") << 1 << "★★★"
                       << "☆☆☆";
    QTest::newRow("2") << 2 << "★★★★"
                       << "☆☆☆☆";
    QTest::newRow("3") << 3 << "★★★★★"
                       << "☆☆☆☆☆";
    QTest::newRow("4") << 4 << "★★★★★★"
                       << "☆☆☆☆☆☆";
    QTest::newRow("59") << 59 << "★★★★★★"
                        << "☆☆☆☆☆☆";
}

void TestSolver::bannerFollowsTheClock()
{
    QFETCH(int, second);
    QFETCH(QString, filled);
    QFETCH(QString, hollow);
    SolverWindow w;
    w.fakes.environment.time = QTime(10, 30, second);
    w.window.updateBanner();
    QCOMPARE(w.window.banner().texts(), (QStringList{filled, QStringLiteral("Orvane—"),
                                                     QStringLiteral("解一元n次方程"), hollow}));
    // The first line is empty: the stars start one line down.
    QCOMPARE(w.window.banner().items().first().position.y(), w.window.banner().lineHeight());
}

void TestSolver::exitCloses()
{
    SolverWindow w;
    w.window.show();
    QVERIFY(w.window.isVisible());
    QTest::mouseClick(w.button("Command2"), Qt::LeftButton);
    QVERIFY(!w.window.isVisible());
}

// An equation that cannot be read is reported with the reason and its place, never as
// a run without roots.
void TestSolver::unreadableEquationSaysWhy_data()
{
    QTest::addColumn<QString>("equation");
    QTest::addColumn<QString>("message");
    const auto row = [](const char* equation, const char* message) {
        QTest::newRow(equation) << QString::fromUtf8(equation) << QString::fromUtf8(message);
    };
    row("2x+1", "方程式：缺少运算符，乘号“*”不能省略（第2个字符“x”）");
    row("x^2=4", "方程式：无法识别的字符“="
                 "”（第4个字符）。方程的右边已是0，请把等号右边的项移到左边（x^2=4 写作 x^2-4）");
    row("zz+x", "方程式：“ZZ”不是已定义的常数（第3个字符前）");
    row("sin(x", "方程式：缺少右括号“)”（末尾）");
    row("x+y", "方程式：未知数“y”在这里没有值（末尾）");
    row("", "请输入方程式");
}

void TestSolver::unreadableEquationSaysWhy()
{
    QFETCH(QString, equation);
    QFETCH(QString, message);
    SolverWindow w;
    w.solve(QStringLiteral("x^2-4"), QStringLiteral("-100"), QStringLiteral("100"));
    // The message is broken into lines that fit the screen; read together they say it all.
    const QStringList lines = w.solve(equation, QStringLiteral("-100"), QStringLiteral("100"));
    QVERIFY(lines.size() >= 1);
    QCOMPARE(lines.join(QString()), message);
    QVERIFY(!lines.contains(QStringLiteral("2.00")));
    QCOMPARE(w.fakes.dialogs.calls.size(), 0);
}

void TestSolver::readingAndChineseInput()
{
    SolverWindow w;
    auto* reading = control<QLabel>(w.window, QStringLiteral("Text1Reading"));
    QVERIFY(reading->isHidden());
    // The cubic: read as x^3-(6*x)^2+11*x-6, and told so.
    retype(w.box("Text1"), QStringLiteral("x^3-6*x^2+11*x-6"));
    QCOMPARE(reading->text(), QStringLiteral("按 (6*x)^2 计算"));
    QVERIFY(!reading->isHidden());
    retype(w.box("Text1"), QStringLiteral("x^3-6*(x^2)+11*x-6"));
    QVERIFY(reading->isHidden());
    QTest::mouseClick(w.button("Command1"), Qt::LeftButton);
    QCOMPARE(w.window.result().texts(), printed({"1.00", "2.00", "3.00"}));
    // Typed with a Chinese input method: full-width signs, digits and letters.
    QLineEdit* box = w.box("Text1");
    box->selectAll();
    box->insert(QStringLiteral("ｘ＾２－４"));
    w.box("txtMin")->selectAll();
    w.box("txtMin")->insert(QStringLiteral("－１００"));
    QTest::mouseClick(w.button("Command1"), Qt::LeftButton);
    QCOMPARE(w.window.result().texts(), printed({"2.00", "-2.00"}));
    QCOMPARE(box->text(), QStringLiteral("ｘ＾２－４"));
}
