// SPDX-License-Identifier: GPL-3.0-or-later
#include "GeometryCommand.h"

#include "EvalCommand.h"
#include "GeometryProblems.h"

namespace orvane {

int runGeometryCommand(const CommandLine& commandLine, std::ostream& out, std::ostream& err)
{
    const auto info = geometry::problemNamed(commandLine.geometryProblem);
    if (!info) {
        err << "orvane: unknown geometry problem \"" << commandLine.geometryProblem << "\"\n\n"
            << usageText();
        return 2;
    }
    if (static_cast<int>(commandLine.geometryNumbers.size()) != info->inputCount) {
        err << "orvane: " << info->command << " needs " << info->inputCount
            << " numbers: " << info->inputs << "\n\n"
            << usageText();
        return 2;
    }
    engine::Engine engine;
    installCommandLineConstants(engine, commandLine, err);
    geometry::LineCurveReport lineCurve;
    const geometry::Solution solution =
        geometry::solveProblem(engine, info->problem, commandLine.geometryNumbers, lineCurve);
    // The window's text with the line ends of a terminal; it begins with a line break.
    std::string text = geometry::solutionText(solution, true);
    std::string printed;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t next = text.find("\r\n", at + 2);
        printed += text.substr(at + 2, (next == std::string::npos ? text.size() : next) - at - 2);
        printed += '\n';
        at = next == std::string::npos ? text.size() : next;
    }
    out << printed;
    return solution.answered ? 0 : 1;
}

} // namespace orvane
