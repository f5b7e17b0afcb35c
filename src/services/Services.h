#pragma once

#include "Environment.h"
#include "SystemDialogs.h"

namespace orvane {

// What every window needs of the world around it, handed down by the main window.
struct Services {
    SystemDialogs& dialogs;
    Environment& environment;
};

} // namespace orvane
