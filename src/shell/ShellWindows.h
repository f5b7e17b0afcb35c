#pragma once

#include "Shortcuts.h"

class QWidget;

namespace orvane {

class frmAbout;
class frmTip;
class mIni;
struct Services;

// Opens the tip of the day over `owner`, moving one tip further; when it is already
// open it is only brought forward.
frmTip* ShowTipWindow(Services& services, const mIni& settings, QWidget* owner);

// Opens the About box over `owner`, or brings the open one forward.
frmAbout* ShowAboutBox(Services& services, QWidget* owner);

} // namespace orvane
