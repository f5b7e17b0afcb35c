#pragma once

#include "Services.h"

#include <QObject>
#include <QPointer>

class QWidget;

namespace orvane {

class frmCount;
class frmFormula;
class frmIntegral;
class frmVMDOS;
class X20X;

// Opens the calculation tools for the main window, its plotter's tools page and the
// tool box. Each tool exists at most once: opening it again brings the open window to
// the front; a closed window is gone and the next opening starts afresh.
class ToolWindows : public QObject {
    Q_OBJECT
public:
    // `owner` (may be null) owns the windows; they stay in front of it.
    ToolWindows(Services& services, QWidget* owner);
    ~ToolWindows() override;

    frmIntegral* openIntegral();
    X20X* openSolver();
    frmCount* openInverseTrig();
    frmFormula* openFormula();
    frmVMDOS* openConsole();

private:
    template <typename Window> Window* open(QPointer<Window>& slot);

    Services& services_;
    QWidget* owner_;
    QPointer<frmIntegral> integral_;
    QPointer<X20X> solver_;
    QPointer<frmCount> inverseTrig_;
    QPointer<frmFormula> formula_;
    QPointer<frmVMDOS> console_;
};

} // namespace orvane
