#pragma once

#include "Drawer.h"

#include <QString>

namespace orvane {

class MainF;
class mIni;

// The plotter's stored settings, with the defaults for values the file does not hold.
Drawer::StartupSettings PlotterSettingsFrom(const mIni& settings);

// The start-up of the program on its main window: size and place the windows by the
// screen, apply the settings file (defaults first), load the constants, and last open a
// function-graph file named on the command line (empty: none).
void Main(MainF& mainWindow, const QString& functionFile);

} // namespace orvane
