#pragma once

#include "CommandLine.h"

namespace orvane {

// Starts the window: Chinese standard dialogs, the settings file, the main window and
// its start-up, then the event loop. Returns the program's exit status.
int RunGui(int& argc, char** argv, const CommandLine& commandLine);

// `orvane --render`: an offscreen application around the render command.
int RunHeadlessRender(int& argc, char** argv, const CommandLine& commandLine);

} // namespace orvane
