// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Engine.h"
#include "Environment.h"
#include "SystemDialogs.h"

namespace orvane {

// What every window needs of the world around it, handed down by the main window. The
// engine is the program's one engine: the constants page, the plotter and every tool
// evaluate with the same constants.
struct Services {
    SystemDialogs& dialogs;
    Environment& environment;
    engine::Engine& engine;
};

} // namespace orvane
