#include "CommandLine.h"
#include "EvalCommand.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const orvane::CommandLine commandLine = orvane::ParseCommandLine(arguments);
    if (!commandLine.error.empty()) {
        std::cerr << "orvane: " << commandLine.error << "\n\n" << orvane::UsageText();
        return 2;
    }
    switch (commandLine.mode) {
    case orvane::CommandLine::Mode::Help:
        std::cout << orvane::UsageText();
        return 0;
    case orvane::CommandLine::Mode::Eval:
        return orvane::RunEvalCommand(commandLine, std::cout, std::cerr);
    default:
        std::cerr << "orvane: the window is not built yet\n";
        return 1;
    }
}
