// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CommandLine.h"

#include <ostream>

namespace orvane {

// Runs `orvane --roots EXPR A B`: prints what the equation solver shows, the roots of
// EXPR = 0 between A and B one per line and its notices, or why the equation cannot be
// solved, then how it is read where school reads it otherwise. Returns the exit status (0 solved,
// with or without roots; 1 not readable).
int runRootsCommand(const CommandLine& commandLine, std::ostream& out, std::ostream& err);

} // namespace orvane
