// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CommandLine.h"

#include <ostream>

namespace orvane {

// Runs `orvane --render FILE.fun --out IMAGE`: traces the file's functions with the
// plotter's own code into a pad document and writes its picture (PNG, BMP, SVG or PDF
// by the extension; a PNG at --scale). Builds no widget; the settings file is read,
// never written. Needs a QGuiApplication.
int runRenderCommand(const CommandLine& commandLine, std::ostream& err);

} // namespace orvane
