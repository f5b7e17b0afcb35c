// SPDX-License-Identifier: GPL-3.0-or-later
#include "EvalCommand.h"

#include "Engine.h"
#include "NumberText.h"
#include "ProgramPaths.h"
#include "Settings.h"

#include <QFileInfo>
#include <QString>

#include <optional>

namespace orvane {

namespace {

void installConstant(engine::Engine& engine, const std::string& name, const std::string& value,
                     std::ostream& err)
{
    const engine::Outcome outcome = engine.addUserConstant(name, value);
    if (!outcome.message.empty()) err << name << ": " << outcome.message << '\n';
}

// No QCoreApplication runs for --eval; the kernel tells where the program lies.
QString programFolder()
{
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
}

// The constants the window would start with: the saved list of the settings file, or
// the three defaults when it holds none. Only read; the file is never written here.
void installStartConstants(engine::Engine& engine, const CommandLine& commandLine,
                           std::ostream& err)
{
    const QString overridePath =
        commandLine.settingsPath ? QString::fromStdString(*commandLine.settingsPath) : QString();
    const Settings settings(resolveSettingsPath(programFolder(), overridePath));
    const QList<NamedValue> constants = settings.savedConstants().value_or(defaultConstants());
    for (const NamedValue& constant : constants)
        installConstant(engine, constant.name.toStdString(), constant.value.toStdString(), err);
}

} // namespace

void installCommandLineConstants(engine::Engine& engine, const CommandLine& commandLine,
                                 std::ostream& err)
{
    installStartConstants(engine, commandLine, err);
    for (const auto& [name, value] : commandLine.constants)
        installConstant(engine, name, value, err);
}

int runEvalCommand(const CommandLine& commandLine, std::ostream& out, std::ostream& err)
{
    engine::Engine engine;
    installCommandLineConstants(engine, commandLine, err);

    std::optional<engine::UnknownBinding> x;
    std::optional<engine::UnknownBinding> y;
    if (commandLine.x) x.emplace(engine, engine::Unknown::X, *commandLine.x);
    if (commandLine.y) y.emplace(engine, engine::Unknown::Y, *commandLine.y);
    const double result = engine.evaluate(commandLine.expression);

    if (result == ErrorValue) {
        out << "Error\n";
        return 1;
    }
    out << NumberText::generalForm(result) << '\n';
    return 0;
}

} // namespace orvane
