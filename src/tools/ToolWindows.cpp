// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolWindows.h"

#include "ConsoleCalculatorWindow.h"
#include "EquationSolverWindow.h"
#include "FormulaWindow.h"
#include "IntegralWindow.h"
#include "InverseTrigWindow.h"

#include <QEvent>
#include <QScreen>
#include <QShortcut>

#include <algorithm>
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
        slot->installEventFilter(this);
        // The console calculator's Esc returns to its own menu.
        if constexpr (!std::is_same_v<Window, ConsoleCalculatorWindow>) {
            auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), slot);
            connect(escape, &QShortcut::activated, slot.data(), &QWidget::close);
        }
        place(slot);
    }
    slot->show();
    slot->raise();
    slot->activateWindow();
    return slot;
}

void ToolWindows::place(QWidget* window) const
{
    // A window laid out by hand keeps the size it gave itself; the others fit their layout.
    if (!window->testAttribute(Qt::WA_Resized)) window->adjustSize();
    const auto last = lastPlaces_.constFind(window->objectName());
    QPoint topLeft;
    if (last != lastPlaces_.constEnd())
        topLeft = *last;
    else if (owner_)
        topLeft = owner_->geometry().center() - QPoint(window->width() / 2, window->height() / 2);
    else
        return;
    // Always on the screen, with the title bar reachable.
    if (const QScreen* screen = owner_ ? owner_->screen() : window->screen()) {
        const QRect area = screen->availableGeometry();
        topLeft.setX(std::clamp(topLeft.x(), area.left(),
                                std::max(area.left(), area.right() - window->width())));
        topLeft.setY(std::clamp(topLeft.y(), area.top(),
                                std::max(area.top(), area.bottom() - window->height())));
    }
    window->move(topLeft);
}

bool ToolWindows::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Close || event->type() == QEvent::Hide) {
        auto* window = static_cast<QWidget*>(watched);
        lastPlaces_.insert(window->objectName(), window->pos());
    }
    return QObject::eventFilter(watched, event);
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
