// SPDX-License-Identifier: GPL-3.0-or-later
#include "RootsCommand.h"

#include "EquationSolver.h"
#include "EvalCommand.h"
#include "SchoolReading.h"

namespace orvane {

int runRootsCommand(const CommandLine& commandLine, std::ostream& out, std::ostream& err)
{
    engine::Engine engine;
    installCommandLineConstants(engine, commandLine, err);
    const EquationSolver::Report report = EquationSolver::report(
        engine, commandLine.expression, commandLine.lowerLimit, commandLine.upperLimit);
    const std::string reading = SchoolReading::note(commandLine.expression);
    if (!report.error.empty()) {
        out << report.error << '\n';
        if (!reading.empty()) out << reading << '\n';
        return 1;
    }
    if (!report.rangeNotice.empty()) out << report.rangeNotice << '\n';
    for (const std::string& root : report.roots)
        out << root << '\n';
    if (!report.incompleteNotice.empty()) out << report.incompleteNotice << '\n';
    // The line the window shows under the equation.
    if (!reading.empty()) out << reading << '\n';
    return 0;
}

} // namespace orvane
