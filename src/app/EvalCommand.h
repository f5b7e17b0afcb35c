// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CommandLine.h"
#include "Engine.h"

#include <ostream>

namespace orvane {

// Runs `orvane --eval`: installs the constants, binds the unknowns, prints the value
// in the general form or "Error". Returns the exit status (0 value, 1 Error).
// Installs the constants the window would start with (from the settings file) and those
// of --const, reporting bad ones on `err`.
void installCommandConstants(engine::Engine& engine, const CommandLine& commandLine,
                             std::ostream& err);

int runEvalCommand(const CommandLine& commandLine, std::ostream& out, std::ostream& err);

} // namespace orvane
