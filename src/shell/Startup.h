// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DocumentContent.h"
#include "PlotterPanel.h"

#include <QString>

namespace orvane {

class MainWindow;
class Settings;

// The plotter's stored settings, with the defaults for values the file does not hold.
PlotterPanel::StartupSettings plotterSettingsFrom(const Settings& settings);
// What a document or function file leaves out takes these values of the settings.
DocumentDefaults documentDefaultsFrom(const PlotterPanel::StartupSettings& settings);

struct StartupOptions {
    // The first start asks whether to make desktop and menu shortcuts. An installed
    // program came with its menu entry, so it only marks the offer as made; the menu
    // command still offers them.
    bool offerShortcutsOnFirstRun = true;
};

// The start-up of the program on its main window: size and place the windows by the
// screen, apply the settings file (defaults first), load the constants, open a
// function-graph file named on the command line (empty: none), and last, over the
// complete window, the first-run shortcut question and the tip of the day when it is
// enabled.
void startProgram(MainWindow& mainWindow, const QString& functionFile,
                  const StartupOptions& options = {});

} // namespace orvane
