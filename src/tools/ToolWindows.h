// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Services.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>

class QAction;
class QWidget;

namespace orvane {

class InverseTrigWindow;
class FormulaWindow;
class IntegralWindow;
class ConsoleCalculatorWindow;
class EquationSolverWindow;

// Opens the calculation tools for the main window, its plotter's tools page and the
// tool box. Each tool exists at most once: opening it again brings the open window to
// the front; a closed window is gone and the next opening starts afresh.
class ToolWindows : public QObject {
    Q_OBJECT
public:
    // `owner` (may be null) owns the windows; they stay in front of it.
    ToolWindows(Services& services, QWidget* owner);
    ~ToolWindows() override;

    // Actions that work in every tool window too (the drawing shortcuts).
    void setSharedActions(QList<QAction*> actions) { sharedActions_ = std::move(actions); }

    IntegralWindow* openIntegral();
    EquationSolverWindow* openSolver();
    InverseTrigWindow* openInverseTrig();
    FormulaWindow* openFormula();
    ConsoleCalculatorWindow* openConsole();

private:
    template <typename Window> Window* open(QPointer<Window>& slot);
    // A new window goes where the last one of its kind was closed, the first time over
    // the middle of the owner.
    void place(QWidget* window) const;

    Services& services_;
    QWidget* owner_;
    QPointer<IntegralWindow> integral_;
    QPointer<EquationSolverWindow> solver_;
    QPointer<InverseTrigWindow> inverseTrig_;
    QPointer<FormulaWindow> formula_;
    QPointer<ConsoleCalculatorWindow> console_;
    QList<QAction*> sharedActions_;
};

} // namespace orvane
