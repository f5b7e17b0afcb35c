// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SystemDialogs.h"

class QWidget;

namespace orvane {

class FunctionGraphTarget;

// The file dialog of the function-graph commands, with the given title ("保存" or
// "导入文件").
FileDialogRequest functionFileDialog(const QString& title);

// "保存所有函数(&A)", "保存当前函数(&I)" and "导入函数图象(&O)": ask for the file,
// then save or load. A cancelled dialog or a failed write ends the command quietly.
void saveAllFunctionsCommand(SystemDialogs& dialogs, QWidget* owner, FunctionGraphTarget& target);
void saveCurrentFunctionCommand(SystemDialogs& dialogs, QWidget* owner,
                                FunctionGraphTarget& target);
void importFunctionFileCommand(SystemDialogs& dialogs, QWidget* owner, FunctionGraphTarget& target);

} // namespace orvane
