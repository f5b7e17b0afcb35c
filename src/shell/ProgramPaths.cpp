#include "ProgramPaths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace orvane {

namespace {
const QString SettingsFileName = QStringLiteral("orvane.ini");
const QString HelpIndex = QStringLiteral("help/index.html");
const QString InstalledHelpIndex = QStringLiteral("../share/orvane/help/index.html");
} // namespace

QString JoinPath(const QString& folder, const QString& name)
{
    if (folder.endsWith(QLatin1Char('/'))) return folder + name;
    return folder + QLatin1Char('/') + name;
}

QString SettingsPath(const QString& programFolder, bool programFolderWritable,
                     const QString& userConfigFolder, const QString& overridePath)
{
    if (!overridePath.isEmpty()) return overridePath;
    if (programFolderWritable) return JoinPath(programFolder, SettingsFileName);
    return JoinPath(JoinPath(userConfigFolder, QStringLiteral("orvane")), SettingsFileName);
}

QString ResolveSettingsPath(const QString& programFolder, const QString& overridePath)
{
    const QFileInfo folder(programFolder);
    return SettingsPath(programFolder, folder.isDir() && folder.isWritable(),
                        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
                        overridePath);
}

QString HelpFilePath(const QString& programFolder)
{
    const QString beside = JoinPath(programFolder, HelpIndex);
    if (QFileInfo::exists(beside)) return beside;
    const QString installed = QDir::cleanPath(JoinPath(programFolder, InstalledHelpIndex));
    if (QFileInfo::exists(installed)) return installed;
    return beside;
}

} // namespace orvane
