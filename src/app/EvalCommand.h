// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CommandLine.h"

#include <ostream>

namespace orvane {

// Runs `orvane --eval`: installs the constants, binds the unknowns, prints the value
// in the general form or "Error". Returns the exit status (0 value, 1 Error).
int runEvalCommand(const CommandLine& commandLine, std::ostream& out, std::ostream& err);

} // namespace orvane
