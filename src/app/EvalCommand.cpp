#include "EvalCommand.h"

#include "Engine.h"
#include "NumberText.h"
#include "ProgramPaths.h"
#include "Settings.h"

#include <QFileInfo>
#include <QString>

namespace orvane {

namespace {

void installConstant(const std::string& name, const std::string& value, std::ostream& err)
{
    const engine::Outcome outcome = engine::AddUserConstant(name, value);
    if (!outcome.message.empty()) err << name << ": " << outcome.message << '\n';
}

// No QCoreApplication runs for --eval; the kernel tells where the program lies.
QString programFolder()
{
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
}

// The constants the window would start with: the saved list of the settings file, or
// the three defaults when it holds none. Only read; the file is never written here.
void installStartConstants(const CommandLine& commandLine, std::ostream& err)
{
    const QString overridePath =
        commandLine.settingsPath ? QString::fromStdString(*commandLine.settingsPath) : QString();
    const Settings settings(ResolveSettingsPath(programFolder(), overridePath));
    const QList<NamedValue> constants = settings.SavedConstants().value_or(DefaultConstants());
    for (const NamedValue& constant : constants)
        installConstant(constant.name.toStdString(), constant.value.toStdString(), err);
}

} // namespace

int RunEvalCommand(const CommandLine& commandLine, std::ostream& out, std::ostream& err)
{
    installStartConstants(commandLine, err);
    for (const auto& [name, value] : commandLine.constants)
        installConstant(name, value, err);

    if (commandLine.x) engine::SetVariableX(*commandLine.x);
    if (commandLine.y) engine::SetVariableY(*commandLine.y);
    const double result = engine::Evaluate(commandLine.expression);
    if (commandLine.y) engine::ClearVariableY();
    if (commandLine.x) engine::ClearVariableX();

    if (result == ErrorValue) {
        out << "Error\n";
        return 1;
    }
    out << NumberText::GeneralForm(result) << '\n';
    return 0;
}

} // namespace orvane
