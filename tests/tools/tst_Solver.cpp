#include "tst_Solver.h"

#include "EquationSolver.h"
#include "EquationSolverWindow.h"
#include "TextScreen.h"
#include "ToolsTesting.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

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

QStringList printed(std::initializer_list<const char*> roots)
{
    QStringList lines{Start};
    for (const char* root : roots)
        lines << QString::fromLatin1(root);
    lines << End;
    return lines;
}

} // namespace

void TestSolver::workingText_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<QString>("number");
    QTest::addColumn<double>("value");
    // A negative number in front of "^" is raised as a whole.
    QTest::newRow("-1.5") << -1.5 << "-01.5000" << 2.25 - 1.5;
    QTest::newRow("12.345678") << 12.345678 << "12.34568" << 12.34568 * 12.34568 + 12.34568;
    QTest::newRow("fifth decimal kept") << 0.00001 << "00.00001" << 0.00001 * 0.00001 + 0.00001;
    QTest::newRow("tiny negative") << -1e-12 << "00.0000" << 0.0;
    QTest::newRow("hundred") << 100.0 << "100.0000" << 10100.0;
}

void TestSolver::workingText()
{
    QFETCH(double, x);
    QFETCH(QString, number);
    QFETCH(double, value);
    const std::string working = EquationSolver::WorkingText("x^2+x", x);
    QCOMPARE(QString::fromStdString(working), number + "^2+" + number);
    QVERIFY(qAbs(engineWithDefaults().Evaluate(working) - value) < 1e-9);
}

void TestSolver::outputs_data()
{
    QTest::addColumn<QString>("equation");
    QTest::addColumn<QString>("min");
    QTest::addColumn<QString>("max");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("defaults") << "x^4+x^2-16"
                              << "-100"
                              << "100" << printed({"1.879", "-1.879"});
    QTest::newRow("x^2-4") << "x^2-4"
                           << "-100"
                           << "100" << printed({"2.00", "-2.00"});
    QTest::newRow("upper-case X") << "X^2-4"
                                  << "-100"
                                  << "100" << printed({"2.00", "-2.00"});
    QTest::newRow("root at the start") << "x"
                                       << "-100"
                                       << "100" << printed({"0.00"});
    QTest::newRow("1/x reports the pole") << "1/x"
                                          << "-100"
                                          << "100" << printed({"0.00"});
    QTest::newRow("sqr(x)-1") << "sqr(x)-1"
                              << "-100"
                              << "100" << printed({"1.00", "-1.00", "-101.00"});
    QTest::newRow("exp fails everywhere")
        << "exp(x)"
        << "-100"
        << "100" << printed({"-1.00", "101.00", "1.00", "-101.00"});
    QTest::newRow("unknown name fails everywhere")
        << "zz+x"
        << "-100"
        << "100" << printed({"-1.00", "101.00", "1.00", "-101.00"});
    QTest::newRow("nearest root per scan") << "(x-1)*(x-2)*(x-3)"
                                           << "0"
                                           << "10" << printed({"1.00", "3.00"});
    QTest::newRow("no root") << "x^2+1"
                             << "-100"
                             << "100" << printed({});
    QTest::newRow("min not a number") << "x^2-4"
                                      << "abc"
                                      << "100" << printed({"2.00"});
    QTest::newRow("max Pi reads as 0") << "x^2-4"
                                       << "-100"
                                       << "Pi" << printed({"-2.00"});
    // The refinement may step past min: scan 8 starts inside the range at -1.5.
    QTest::newRow("leading number of the range") << "x^2-4"
                                                 << "-1.5abc"
                                                 << "1.5e1x" << printed({"2.00", "-2.00"});
    QTest::newRow("trigonometric") << "sin(x)"
                                   << "-4"
                                   << "4" << printed({"0.00", "3.142", "-3.142"});
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
    QCOMPARE(w.solve(QStringLiteral("x^2-4"), min, max), printed({"2.00", "-2.00"}));
    QCOMPARE(w.fakes.dialogs.messageTexts(),
             QStringList{QStringLiteral(
                 "X的范围太大，计算会非常慢。本次只在-100000到100000之间寻找方程的根。")});
    QCOMPARE(w.fakes.dialogs.calls.first().message.icon, MessageIcon::Information);
    // The boxes keep what the user typed.
    QCOMPARE(w.box("txtMax")->text(), max);
}

void TestSolver::eachRunStartsAfresh()
{
    SolverWindow w;
    w.solve(QStringLiteral("x^2-4"), QStringLiteral("-100"), QStringLiteral("100"));
    QCOMPARE(w.solve(QStringLiteral("x-3"), QStringLiteral("-100"), QStringLiteral("100")),
             printed({"3.00"}));
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
    w.window.TimeTxt_Timer();
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
