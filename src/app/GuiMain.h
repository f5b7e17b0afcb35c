// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CommandLine.h"

namespace orvane {

// Starts the window: Chinese standard dialogs, the settings file, the main window and
// its start-up, then the event loop. Returns the program's exit status.
// With `startupProbe` it ends once the window is up and painted instead, after printing
// "startup-probe rss-kb N" (resident memory) on standard output, for the start-up
// benchmark.
int runGui(int& argc, char** argv, const CommandLine& commandLine, bool startupProbe = false);

// `orvane --render`: an offscreen application around the render command.
int runHeadlessRender(int& argc, char** argv, const CommandLine& commandLine);

} // namespace orvane
