// SPDX-License-Identifier: GPL-3.0-or-later
#include "FunctionGraphCommands.h"

#include "FunctionGraphFile.h"

namespace orvane {

FileDialogRequest functionFileDialog(const QString& title)
{
    return {title, QStringLiteral("函数图象文件 (*.fun)"), QStringLiteral("*.fun"), QString()};
}

namespace {

void saveFunctions(SystemDialogs& dialogs, QWidget* owner, FunctionGraphTarget& target,
                   bool (*save)(const QString&, FunctionGraphTarget&))
{
    const std::optional<QString> path =
        dialogs.showSaveDialog(owner, functionFileDialog(QStringLiteral("保存")));
    if (path && !save(*path, target))
        dialogs.informCannotWrite(owner, QStringLiteral("无法保存函数文件："), *path);
}

} // namespace

void saveAllFunctionsCommand(SystemDialogs& dialogs, QWidget* owner, FunctionGraphTarget& target)
{
    saveFunctions(dialogs, owner, target, &saveAllFunctions);
}

void saveCurrentFunctionCommand(SystemDialogs& dialogs, QWidget* owner, FunctionGraphTarget& target)
{
    saveFunctions(dialogs, owner, target, &saveCurrentFunction);
}

void importFunctionFileCommand(SystemDialogs& dialogs, QWidget* owner, FunctionGraphTarget& target)
{
    if (const std::optional<QString> path =
            dialogs.showOpenDialog(owner, functionFileDialog(QStringLiteral("导入文件"))))
        openFunctionFile(*path, target);
}

} // namespace orvane
