// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace orvane {

// What the program was asked to do on its command line.
struct CommandLine {
    enum class Mode { Gui, Eval, Render, Integral, Roots, Geometry, Help };

    Mode mode = Mode::Gui;
    std::string expression;                               // --eval, --integral, --roots
    std::string lowerLimit;                               // --integral, --roots: A
    std::string upperLimit;                               // --integral, --roots: B
    std::string pieces = "5000";                          // --n
    std::optional<double> x;                              // --x
    std::optional<double> y;                              // --y
    std::vector<std::pair<std::string, std::string>> constants; // --const NAME=VALUE
    std::optional<std::string> settingsPath;              // --settings
    std::string renderFile;                               // --render
    std::string outputImage;                              // --out
    std::optional<int> axisSize;                          // --size
    std::optional<std::array<double, 4>> view;            // --view X0,X1,Y0,Y1
    int pixels = 800;                                     // --px
    int scale = 1;                                        // --scale, 1 to 4 (PNG only)
    std::string functionFile;                             // a *.fun path for the GUI
    std::string geometryProblem;                          // --geometry PROBLEM
    std::vector<std::string> geometryNumbers;             // the numbers after it
    std::string error;                                    // set when the words are off
};

CommandLine parseCommandLine(const std::vector<std::string>& arguments);
std::string usageText();

// The positional argument as a function-graph path: one pair of surrounding double
// quotes removed; empty when it does not end in "fun" (any case).
std::string functionFileArgument(const std::string& argument);

} // namespace orvane
