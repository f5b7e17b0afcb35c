// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CommandLine.h"

#include <ostream>

namespace orvane {

// Runs `orvane --integral EXPR A B [--n N]`: prints what the integral window shows, the
// value or why there is none,
// then how the integrand is read where school reads it otherwise. Returns the exit status (0 value,
// 1 none).
int runIntegralCommand(const CommandLine& commandLine, std::ostream& out, std::ostream& err);

} // namespace orvane
