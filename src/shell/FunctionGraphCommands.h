// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SystemDialogs.h"

class QWidget;

namespace orvane {

class FunctionGraphTarget;

// The file dialog of the function-graph commands, with the given title ("保存" or
// "导入文件").
FileDialogRequest functionFileDialog(const QString& title);

// A path typed without an extension gets the one of `pattern` ("*.fun" gives ".fun").
QString withExtension(const QString& path, const QString& pattern);
// Empty when a file can be written at `path`; else the message naming the folder that
// is missing or cannot be written.
QString cannotWriteReason(const QString& path);

// "保存所有函数(&A)", "保存当前函数(&I)" and "导入函数图象(&O)": ask for the file,
// then save or load. A cancelled dialog ends the command quietly; a folder that is
// missing or read-only, a failed write or a damaged file is reported with its path.
void saveAllFunctionsCommand(SystemDialogs& dialogs, QWidget* owner, FunctionGraphTarget& target);
void saveCurrentFunctionCommand(SystemDialogs& dialogs, QWidget* owner,
                                FunctionGraphTarget& target);
void importFunctionFileCommand(SystemDialogs& dialogs, QWidget* owner, FunctionGraphTarget& target);

} // namespace orvane
