// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CommandLine.h"

#include <ostream>

namespace orvane {

// Runs `orvane --geometry PROBLEM NUMBERS…`: prints the geometry window's text for the
// problem (the report, then the steps), one line each. Returns the exit status: 0
// answered, 1 a number that cannot be read or data that pose no such problem, 2 an
// unknown problem or the wrong count of numbers.
int runGeometryCommand(const CommandLine& commandLine, std::ostream& out, std::ostream& err);

} // namespace orvane
