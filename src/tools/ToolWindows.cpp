#include "ToolWindows.h"

#include "ConsoleCalculatorWindow.h"
#include "EquationSolverWindow.h"
#include "FormulaWindow.h"
#include "IntegralWindow.h"
#include "InverseTrigWindow.h"

namespace orvane {

ToolWindows::ToolWindows(Services& services, QWidget* owner)
    : QObject(owner), services_(services), owner_(owner)
{
}

ToolWindows::~ToolWindows()
{
    // Without an owner nobody else would delete the open windows.
    if (!owner_) {
        delete integral_.data();
        delete solver_.data();
        delete inverseTrig_.data();
        delete formula_.data();
        delete console_.data();
    }
}

template <typename Window> Window* ToolWindows::open(QPointer<Window>& slot)
{
    if (!slot) {
        slot = new Window(services_, owner_);
        slot->setAttribute(Qt::WA_DeleteOnClose);
    }
    slot->show();
    slot->raise();
    slot->activateWindow();
    return slot;
}

IntegralWindow* ToolWindows::openIntegral()
{
    return open(integral_);
}

EquationSolverWindow* ToolWindows::openSolver()
{
    return open(solver_);
}

InverseTrigWindow* ToolWindows::openInverseTrig()
{
    return open(inverseTrig_);
}

FormulaWindow* ToolWindows::openFormula()
{
    const bool created = !formula_;
    FormulaWindow* window = open(formula_);
    if (created) connect(window, &FormulaWindow::consoleRequested, this, &ToolWindows::openConsole);
    return window;
}

ConsoleCalculatorWindow* ToolWindows::openConsole()
{
    const bool created = !console_;
    ConsoleCalculatorWindow* window = open(console_);
    if (created)
        connect(window, &ConsoleCalculatorWindow::formulaWindowRequested, this,
                &ToolWindows::openFormula);
    return window;
}

} // namespace orvane
