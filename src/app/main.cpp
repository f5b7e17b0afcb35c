// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"
#include "EvalCommand.h"
#include "GeometryCommand.h"
#include "GuiMain.h"
#include "IntegralCommand.h"
#include "RootsCommand.h"

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

namespace {
bool hasDisplay()
{
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    return (x11 && *x11) || (wayland && *wayland) || (platform && *platform);
}
} // namespace

int main(int argc, char* argv[])
{
    std::vector<std::string> arguments(argv + 1, argv + argc);
    // Hidden, for the start-up benchmark: end as soon as the main window is up.
    const auto probe = std::find(arguments.begin(), arguments.end(), "--startup-probe");
    const bool startupProbe = probe != arguments.end();
    if (startupProbe)
        arguments.erase(probe);
    const orvane::CommandLine commandLine = orvane::parseCommandLine(arguments);
    if (!commandLine.error.empty()) {
        std::cerr << "orvane: " << commandLine.error << "\n\n" << orvane::usageText();
        return 2;
    }
    switch (commandLine.mode) {
    case orvane::CommandLine::Mode::Help:
        std::cout << orvane::usageText();
        return 0;
    case orvane::CommandLine::Mode::Eval:
        return orvane::runEvalCommand(commandLine, std::cout, std::cerr);
    case orvane::CommandLine::Mode::Geometry:
        return orvane::runGeometryCommand(commandLine, std::cout, std::cerr);
    case orvane::CommandLine::Mode::Integral:
        return orvane::runIntegralCommand(commandLine, std::cout, std::cerr);
    case orvane::CommandLine::Mode::Roots:
        return orvane::runRootsCommand(commandLine, std::cout, std::cerr);
    case orvane::CommandLine::Mode::Render:
        return orvane::runHeadlessRender(argc, argv, commandLine);
    case orvane::CommandLine::Mode::Gui:
        break;
    }
    if (!hasDisplay()) {
        std::cerr << "orvane: no display available to open the window "
                     "(use --render FILE.fun --out IMAGE to draw without one)\n";
        return 1;
    }
    return orvane::runGui(argc, argv, commandLine, startupProbe);
}
