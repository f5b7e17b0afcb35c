// SPDX-License-Identifier: GPL-3.0-or-later
#include "FunctionGraphCommands.h"

#include "FunctionGraphFile.h"
#include "GbkText.h"
#include "ProfileFile.h"

#include <QDir>
#include <QFileInfo>

namespace orvane {

FileDialogRequest functionFileDialog(const QString& title)
{
    return {title, QStringLiteral("函数图象文件 (*.fun)"), QStringLiteral("*.fun"), QString()};
}

QString withExtension(const QString& path, const QString& pattern)
{
    const QString extension = pattern.mid(pattern.lastIndexOf(QLatin1Char('.')) + 1);
    if (extension.isEmpty() || extension.contains(QLatin1Char('*')) ||
        !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + QLatin1Char('.') + extension;
}

QString cannotWriteReason(const QString& path)
{
    const QFileInfo info(path);
    const QString folder = QDir::toNativeSeparators(info.absolutePath());
    const QFileInfo folderInfo(info.absolutePath());
    if (!folderInfo.isDir()) return QStringLiteral("文件夹“%1”不存在。").arg(folder);
    if (info.exists() ? !info.isWritable() : !folderInfo.isWritable())
        return QStringLiteral("没有写入“%1”的权限。")
            .arg(QDir::toNativeSeparators(info.exists() ? info.absoluteFilePath() : folder));
    return QString();
}

namespace {

void saveFunctions(SystemDialogs& dialogs, QWidget* owner, FunctionGraphTarget& target,
                   bool (*save)(const QString&, FunctionGraphTarget&))
{
    const FileDialogRequest request = functionFileDialog(QStringLiteral("保存"));
    const std::optional<QString> chosen = dialogs.showSaveDialog(owner, request);
    if (!chosen) return;
    const QString path = withExtension(*chosen, request.filterPattern);
    const QString reason = cannotWriteReason(path);
    if (!reason.isEmpty() || !save(path, target)) {
        dialogs.informCannotWrite(owner, QStringLiteral("无法保存函数文件：") + reason,
                                  QDir::toNativeSeparators(path));
        return;
    }
    // The file keeps 254 bytes of an entry: say so rather than let it come back cut.
    QStringList cut;
    for (int row = 0; row < target.entryCount(); ++row)
        if (GbkText::encode(target.entryText(row)).size() > ProfileFile::MaxValueBytes)
            cut << target.entryText(row).left(40) + QStringLiteral("…");
    if (save == &saveCurrentFunction) {
        cut.clear();
        if (const std::optional<PlotKind> kind = target.selectedKind())
            if (GbkText::encode(target.expression(*kind)).size() > ProfileFile::MaxValueBytes)
                cut << target.expression(*kind).left(40) + QStringLiteral("…");
    }
    if (!cut.isEmpty())
        dialogs.inform(
            owner,
            QStringLiteral("函数图象文件只能保存每个函数的前 254 字节，这些函数被截短了：\r") +
                cut.join(QLatin1Char('\r')) +
                QStringLiteral("\r完整的作图请用“保存作图文件”保存。"),
            MessageIcon::Warning);
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
    const std::optional<QString> path =
        dialogs.showOpenDialog(owner, functionFileDialog(QStringLiteral("导入文件")));
    if (!path) return;
    const QString error = openFunctionFile(*path, target);
    if (!error.isEmpty()) dialogs.inform(owner, error, MessageIcon::Warning);
}

} // namespace orvane
