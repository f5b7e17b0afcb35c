// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramPaths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace orvane {

namespace {
const QString SettingsFileName = QStringLiteral("orvane.ini");
const QString HelpIndex = QStringLiteral("help/index.html");
const QString InstalledHelpIndex = QStringLiteral("../share/orvane/help/index.html");
const QString InstalledDataFolder = QStringLiteral("../share/orvane");

bool isWithin(const QString& path, const QString& folder)
{
    return path == folder || path.startsWith(folder + QLatin1Char('/'));
}

} // namespace

QString joinPath(const QString& folder, const QString& name)
{
    if (folder.endsWith(QLatin1Char('/'))) return folder + name;
    return folder + QLatin1Char('/') + name;
}

ProgramFolder inspectProgramFolder(const QString& path)
{
    const QFileInfo info(path);
    ProgramFolder folder;
    folder.path = info.exists() ? info.canonicalFilePath() : QDir::cleanPath(path);
    folder.writable = info.isDir() && info.isWritable();
    folder.holdsSettings = QFileInfo(joinPath(folder.path, SettingsFileName)).isFile();
    folder.installedLayout = QFileInfo(joinPath(folder.path, InstalledDataFolder)).isDir();
    return folder;
}

bool isInstalledProgram(const ProgramFolder& folder)
{
    const QString path = QDir::cleanPath(folder.path);
    for (const char* source : {"/usr/src", "/usr/local/src"})
        if (isWithin(path, QLatin1String(source))) return folder.installedLayout;
    for (const char* system : {"/usr", "/opt", "/bin", "/sbin", "/snap", "/app"})
        if (isWithin(path, QLatin1String(system))) return true;
    return folder.installedLayout;
}

QString settingsPath(const ProgramFolder& folder, const QString& userConfigFolder,
                     const QString& overridePath)
{
    if (!overridePath.isEmpty()) return overridePath;
    if (!isInstalledProgram(folder) && (folder.holdsSettings || folder.writable))
        return joinPath(folder.path, SettingsFileName);
    return joinPath(joinPath(userConfigFolder, QStringLiteral("orvane")), SettingsFileName);
}

QString resolveSettingsPath(const QString& programFolder, const QString& overridePath)
{
    return settingsPath(inspectProgramFolder(programFolder),
                        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
                        overridePath);
}

QString helpFilePath(const QString& programFolder)
{
    const QString beside = joinPath(programFolder, HelpIndex);
    if (QFileInfo::exists(beside)) return beside;
    const QString installed = QDir::cleanPath(joinPath(programFolder, InstalledHelpIndex));
    if (QFileInfo::exists(installed)) return installed;
    return beside;
}

} // namespace orvane
