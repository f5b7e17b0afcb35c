#include "FunctionGraphCommands.h"

#include "FunctionGraphFile.h"

namespace orvane {

FileDialogRequest FunctionFileDialog(const QString& title)
{
    return {title, QStringLiteral("函数图象文件 (*.fun)"), QStringLiteral("*.fun"), QString()};
}

void SaveAllFunctionsCommand(SystemDialogs& dialogs, QWidget* owner, FunctionGraphTarget& target)
{
    if (const std::optional<QString> path =
            dialogs.showSaveDialog(owner, FunctionFileDialog(QStringLiteral("保存"))))
        SaveAllFunctions(*path, target);
}

void SaveCurrentFunctionCommand(SystemDialogs& dialogs, QWidget* owner, FunctionGraphTarget& target)
{
    if (const std::optional<QString> path =
            dialogs.showSaveDialog(owner, FunctionFileDialog(QStringLiteral("保存"))))
        SaveCurrentFunction(*path, target);
}

void ImportFunctionFileCommand(SystemDialogs& dialogs, QWidget* owner, FunctionGraphTarget& target)
{
    if (const std::optional<QString> path =
            dialogs.showOpenDialog(owner, FunctionFileDialog(QStringLiteral("导入文件"))))
        OpenFunctionFile(*path, target);
}

} // namespace orvane
