#include "EvalCommand.h"

#include "NumberText.h"
#include "mCount.h"

namespace orvane {

namespace {

void installConstant(const std::string& name, const std::string& value, std::ostream& err)
{
    const mCount::Outcome outcome = mCount::AddUserConstant(name, value);
    if (!outcome.message.empty())
        err << name << ": " << outcome.message << '\n';
}

} // namespace

int RunEvalCommand(const CommandLine& commandLine, std::ostream& out, std::ostream& err)
{
    installConstant("Pi", "3.14159265358979", err);
    installConstant("e", "2.71828182845905", err);
    installConstant("g", "9.8", err);
    for (const auto& [name, value] : commandLine.constants)
        installConstant(name, value, err);

    if (commandLine.x)
        mCount::SetVariableX(*commandLine.x);
    if (commandLine.y)
        mCount::SetVariableY(*commandLine.y);
    const double result = mCount::Evaluate(commandLine.expression);
    if (commandLine.y)
        mCount::ClearVariableY();
    if (commandLine.x)
        mCount::ClearVariableX();

    if (result == ErrorValue) {
        out << "Error\n";
        return 1;
    }
    out << NumberText::GeneralForm(result) << '\n';
    return 0;
}

} // namespace orvane
