// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Shortcuts.h"

class QWidget;

namespace orvane {

class AboutDialog;
class HelpWindow;
class TipDialog;
class Settings;
struct Services;

// Opens the tip of the day over `owner`, moving one tip further; when it is already
// open it is only brought forward.
TipDialog* showTipWindow(Services& services, const Settings& settings, QWidget* owner);

// Opens the About box over `owner`, or brings the open one forward.
AboutDialog* showAboutBox(Services& services, QWidget* owner);

// Opens the help at `indexPath` in the help window, or brings the open one forward;
// a missing help file says so and opens nothing.
HelpWindow* showHelpWindow(Services& services, const QString& indexPath, QWidget* owner);

} // namespace orvane
