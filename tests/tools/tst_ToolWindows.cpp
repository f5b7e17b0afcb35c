// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_ToolWindows.h"

#include "ConsoleCalculatorWindow.h"
#include "EquationSolverWindow.h"
#include "FormulaWindow.h"
#include "IntegralWindow.h"
#include "InverseTrigWindow.h"
#include "ToolWindows.h"
#include "ToolsTesting.h"

#include <QLabel>
#include <QLineEdit>

using namespace orvane;
using namespace orvane::testing;

namespace {

void processDeletions()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

void TestToolWindows::eachToolOpensOnce()
{
    FakeServices fakes;
    QWidget owner;
    ToolWindows tools(fakes.services, &owner);
    QWidget* windows[] = {tools.openIntegral(), tools.openSolver(), tools.openInverseTrig(),
                          tools.openFormula(), tools.openConsole()};
    for (QWidget* w : windows)
        QVERIFY(w->isVisible());
    QCOMPARE(tools.openIntegral(), windows[0]);
    QCOMPARE(tools.openSolver(), windows[1]);
    QCOMPARE(tools.openInverseTrig(), windows[2]);
    QCOMPARE(tools.openFormula(), windows[3]);
    QCOMPARE(tools.openConsole(), windows[4]);
    QCOMPARE(owner.findChildren<IntegralWindow*>().size(), 1);
}

void TestToolWindows::closedWindowOpensAfresh()
{
    FakeServices fakes;
    QWidget owner;
    ToolWindows tools(fakes.services, &owner);
    IntegralWindow* first = tools.openIntegral();
    retype(control<QLineEdit>(*first, QStringLiteral("txtCS")), QStringLiteral("x"));
    first->close();
    processDeletions();
    QCOMPARE(owner.findChildren<IntegralWindow*>().size(), 0);
    IntegralWindow* second = tools.openIntegral();
    QCOMPARE(control<QLineEdit>(*second, QStringLiteral("txtCS"))->text(),
             QStringLiteral("sin(x)"));
}

void TestToolWindows::windowsAreOwned()
{
    FakeServices fakes;
    QWidget owner;
    ToolWindows tools(fakes.services, &owner);
    EquationSolverWindow* solver = tools.openSolver();
    QVERIFY(solver->isWindow());
    QCOMPARE(solver->parentWidget(), &owner);
    QVERIFY(tools.openInverseTrig()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

void TestToolWindows::formulaAndConsoleSwitch()
{
    FakeServices fakes;
    QWidget owner;
    ToolWindows tools(fakes.services, &owner);
    FormulaWindow* formula = tools.openFormula();
    QTest::mouseClick(control<QLabel>(*formula, QStringLiteral("Label1")), Qt::LeftButton);
    processDeletions();
    QCOMPARE(owner.findChildren<FormulaWindow*>().size(), 0);
    const QList<ConsoleCalculatorWindow*> consoles = owner.findChildren<ConsoleCalculatorWindow*>();
    QCOMPARE(consoles.size(), 1);
    QVERIFY(consoles.first()->isVisible());

    QTest::keyClick(consoles.first(), '*');
    processDeletions();
    QCOMPARE(owner.findChildren<ConsoleCalculatorWindow*>().size(), 0);
    const QList<FormulaWindow*> formulas = owner.findChildren<FormulaWindow*>();
    QCOMPARE(formulas.size(), 1);
    QVERIFY(formulas.first()->isVisible());
}
