#include "FunctionGraphCommands.h"

#include "FunctionGraphFile.h"

namespace orvane {

FileDialogRequest FunctionFileDialog(const QString& title)
{
    return {title, QStringLiteral("函数图象文件 (*.fun)"), QStringLiteral("*.fun"), QString()};
}

namespace {

void saveFunctions(SystemDialogs& dialogs, QWidget* owner, FunctionGraphTarget& target,
                   bool (*save)(const QString&, FunctionGraphTarget&))
{
    const std::optional<QString> path =
        dialogs.showSaveDialog(owner, FunctionFileDialog(QStringLiteral("保存")));
    if (path && !save(*path, target))
        dialogs.informCannotWrite(owner, QStringLiteral("无法保存函数文件："), *path);
}

} // namespace

void SaveAllFunctionsCommand(SystemDialogs& dialogs, QWidget* owner, FunctionGraphTarget& target)
{
    saveFunctions(dialogs, owner, target, &SaveAllFunctions);
}

void SaveCurrentFunctionCommand(SystemDialogs& dialogs, QWidget* owner, FunctionGraphTarget& target)
{
    saveFunctions(dialogs, owner, target, &SaveCurrentFunction);
}

void ImportFunctionFileCommand(SystemDialogs& dialogs, QWidget* owner, FunctionGraphTarget& target)
{
    if (const std::optional<QString> path =
            dialogs.showOpenDialog(owner, FunctionFileDialog(QStringLiteral("导入文件"))))
        OpenFunctionFile(*path, target);
}

} // namespace orvane
