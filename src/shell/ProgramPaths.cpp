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
} // namespace

QString joinPath(const QString& folder, const QString& name)
{
    if (folder.endsWith(QLatin1Char('/'))) return folder + name;
    return folder + QLatin1Char('/') + name;
}

QString settingsPath(const QString& programFolder, bool programFolderWritable,
                     const QString& userConfigFolder, const QString& overridePath)
{
    if (!overridePath.isEmpty()) return overridePath;
    if (programFolderWritable) return joinPath(programFolder, SettingsFileName);
    return joinPath(joinPath(userConfigFolder, QStringLiteral("orvane")), SettingsFileName);
}

QString resolveSettingsPath(const QString& programFolder, const QString& overridePath)
{
    const QFileInfo folder(programFolder);
    return settingsPath(programFolder, folder.isDir() && folder.isWritable(),
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
