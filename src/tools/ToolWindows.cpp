// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolWindows.h"

#include "ConsoleCalculatorWindow.h"
#include "EquationSolverWindow.h"
#include "FormulaWindow.h"
#include "IntegralWindow.h"
#include "InverseTrigWindow.h"
#include "WindowPlaces.h"

#include <QShortcut>

#include <type_traits>

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
        slot->addActions(sharedActions_);
        // The console calculator's Esc returns to its own menu.
        if constexpr (!std::is_same_v<Window, ConsoleCalculatorWindow>) {
            auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), slot);
            connect(escape, &QShortcut::activated, slot.data(), &QWidget::close);
        }
        place(slot);
    } else if (!slot->isVisible()) {
        place(slot);
    }
    slot->show();
    slot->raise();
    slot->activateWindow();
    return slot;
}

void ToolWindows::place(QWidget* window) const
{
    if (owner_)
        WindowPlaces::of(owner_).place(window);
    else if (!window->testAttribute(Qt::WA_Resized))
        window->adjustSize();
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
