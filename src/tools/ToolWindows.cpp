#include "ToolWindows.h"

#include "X20X.h"
#include "frmCount.h"
#include "frmFormula.h"
#include "frmIntegral.h"
#include "frmVMDOS.h"

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

frmIntegral* ToolWindows::openIntegral()
{
    return open(integral_);
}

X20X* ToolWindows::openSolver()
{
    return open(solver_);
}

frmCount* ToolWindows::openInverseTrig()
{
    return open(inverseTrig_);
}

frmFormula* ToolWindows::openFormula()
{
    const bool created = !formula_;
    frmFormula* window = open(formula_);
    if (created) connect(window, &frmFormula::consoleRequested, this, &ToolWindows::openConsole);
    return window;
}

frmVMDOS* ToolWindows::openConsole()
{
    const bool created = !console_;
    frmVMDOS* window = open(console_);
    if (created)
        connect(window, &frmVMDOS::formulaWindowRequested, this, &ToolWindows::openFormula);
    return window;
}

} // namespace orvane
