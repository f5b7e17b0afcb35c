// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CommandLine.h"
#include "Engine.h"

#include <ostream>

namespace orvane {

// The constants a command-line run evaluates with: those of the settings file (or the
// three defaults) and then every --const; refusals are written to `err`.
void installCommandLineConstants(engine::Engine& engine, const CommandLine& commandLine,
                                 std::ostream& err);

// Runs `orvane --eval`: installs the constants, binds the unknowns, prints the value
// in the general form or "Error". Returns the exit status (0 value, 1 Error).

int runEvalCommand(const CommandLine& commandLine, std::ostream& out, std::ostream& err);

} // namespace orvane
