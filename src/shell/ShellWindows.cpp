#include "ShellWindows.h"

#include "frmAbout.h"
#include "frmTip.h"

#include <QWidget>

#include <utility>

namespace orvane {

namespace {

template <typename Window, typename... Args> Window* showSingle(QWidget* owner, Args&&... args)
{
    if (Window* open =
            owner ? owner->findChild<Window*>(QString(), Qt::FindDirectChildrenOnly) : nullptr) {
        open->show();
        open->raise();
        open->activateWindow();
        return open;
    }
    auto* window = new Window(std::forward<Args>(args)..., owner);
    window->show();
    return window;
}

} // namespace

frmTip* ShowTipWindow(Services& services, const mIni& settings, QWidget* owner)
{
    return showSingle<frmTip>(owner, services, settings);
}

frmAbout* ShowAboutBox(Services& services, QWidget* owner)
{
    return showSingle<frmAbout>(owner, services);
}

} // namespace orvane
