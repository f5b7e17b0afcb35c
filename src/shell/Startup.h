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

// The start-up of the program on its main window: size and place the windows by the
// screen, apply the settings file (defaults first), load the constants, and last open a
// function-graph file named on the command line (empty: none).
void startProgram(MainWindow& mainWindow, const QString& functionFile);

} // namespace orvane
