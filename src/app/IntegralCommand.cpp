// SPDX-License-Identifier: GPL-3.0-or-later
#include "IntegralCommand.h"

#include "EvalCommand.h"
#include "IntegralReport.h"
#include "SchoolReading.h"

namespace orvane {

int runIntegralCommand(const CommandLine& commandLine, std::ostream& out, std::ostream& err)
{
    engine::Engine engine;
    installCommandLineConstants(engine, commandLine, err);
    const IntegralReport report =
        IntegralReport::compute(engine, commandLine.lowerLimit, commandLine.upperLimit,
                                commandLine.expression, commandLine.pieces);
    // The line the window shows under the integrand, after the value.
    const std::string reading = SchoolReading::note(commandLine.expression);
    if (!report.hasValue()) {
        out << report.notice << '\n';
        if (!reading.empty()) out << reading << '\n';
        return 1;
    }
    out << report.value << '\n';
    if (!reading.empty()) out << reading << '\n';
    return 0;
}

} // namespace orvane
