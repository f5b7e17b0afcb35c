#pragma once

#include "CommandLine.h"

#include <ostream>

namespace orvane {

// Runs `orvane --render FILE.fun --out IMAGE`: plots the file's functions with the
// plotter's own code on an offscreen pad and writes the picture (PNG or BMP by the
// extension). The settings file is read, never written. Needs a QApplication.
int RunRenderCommand(const CommandLine& commandLine, std::ostream& err);

} // namespace orvane
