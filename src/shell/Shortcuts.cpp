// SPDX-License-Identifier: GPL-3.0-or-later
#include "Shortcuts.h"

#include "DesktopEntryFields.h"
#include "ProgramPaths.h"
#include "Services.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace orvane {

namespace {

const QString ProgramName = QStringLiteral("奥维恩");
const QString HelpName = QStringLiteral("帮助");
const QString EntrySuffix = QStringLiteral(".desktop");
const QString HelpIcon = QStringLiteral("help-browser");

// Escapes of the format's string values (applied after the Exec quoting).
QString stringValue(QString text)
{
    text.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    text.replace(QLatin1Char('\t'), QStringLiteral("\\t"));
    text.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    return text;
}

// One argument of Exec, always in double quotes, with the characters that stay
// special inside them escaped and '%' doubled (field codes).
QString execArgument(QString argument)
{
    QString quoted;
    for (const QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
            c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    quoted.replace(QLatin1Char('%'), QStringLiteral("%%"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

bool writeEntry(const QString& path, const QByteArray& text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        return false;
    // Desktops only start entries that are marked executable.
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                    QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                    QFile::ExeOther);
    return true;
}

} // namespace

DesktopEntryLook programEntryLook()
{
    return {QStringLiteral(ORVANE_DESKTOP_ICON), QStringLiteral(ORVANE_DESKTOP_CATEGORIES),
            QStringLiteral(ORVANE_DESKTOP_MIME_TYPES)};
}

QByteArray desktopEntryText(const QString& name, const QStringList& command,
                            const QString& workingFolder, const DesktopEntryLook& look)
{
    QStringList exec;
    for (const QString& argument : command)
        exec << execArgument(argument);
    // Opened files come as the last argument ("%f": one local file at a time, as the
    // program takes them).
    if (!look.mimeTypes.isEmpty()) exec << QStringLiteral("%f");
    QString text = QStringLiteral("[Desktop Entry]\n"
                                  "Type=Application\n"
                                  "Name=%1\n"
                                  "Exec=%2\n"
                                  "Path=%3\n")
                       .arg(stringValue(name), stringValue(exec.join(QLatin1Char(' '))),
                            stringValue(workingFolder));
    if (!look.icon.isEmpty()) text += QStringLiteral("Icon=%1\n").arg(stringValue(look.icon));
    if (!look.categories.isEmpty())
        text += QStringLiteral("Categories=%1\n").arg(stringValue(look.categories));
    if (!look.mimeTypes.isEmpty())
        text += QStringLiteral("MimeType=%1\n").arg(stringValue(look.mimeTypes));
    text += QStringLiteral("Terminal=false\n");
    return text.toUtf8();
}

QStringList writeShortcutFiles(const QString& desktopFolder, const QString& applicationsFolder,
                               const QString& programPath, const QString& helpPath)
{
    const QString workingFolder = QFileInfo(programPath).absolutePath();
    const DesktopEntryLook programLook = programEntryLook();
    const QByteArray programEntry =
        desktopEntryText(ProgramName, {programPath}, workingFolder, programLook);
    const QByteArray helpEntry =
        desktopEntryText(HelpName, {QStringLiteral("xdg-open"), helpPath}, workingFolder,
                         {HelpIcon, programLook.categories, QString()});

    QStringList written;
    auto write = [&written](const QString& path, const QByteArray& text) {
        if (writeEntry(path, text)) written << path;
    };
    if (!desktopFolder.isEmpty() && QDir().mkpath(desktopFolder))
        write(joinPath(desktopFolder, ProgramName + EntrySuffix), programEntry);
    if (!applicationsFolder.isEmpty()) {
        const QString menuFolder = joinPath(applicationsFolder, ProgramName);
        if (QDir().mkpath(menuFolder)) {
            write(joinPath(menuFolder, ProgramName + EntrySuffix), programEntry);
            write(joinPath(menuFolder, HelpName + EntrySuffix), helpEntry);
        }
    }
    return written;
}

void offerShortcuts(Services& services, QWidget* owner, const QString& helpPath,
                    const QString& programPath)
{
    const MessageAnswer answer = services.dialogs.showMessage(
        owner, {QStringLiteral("是否在桌面建立快捷方式？"), QStringLiteral("建立快捷方式"),
                MessageIcon::None, MessageButtons::YesNo});
    if (answer != MessageAnswer::Yes) return;
    writeShortcutFiles(
        services.environment.desktopFolder(), services.environment.applicationsFolder(),
        programPath.isEmpty() ? QCoreApplication::applicationFilePath() : programPath, helpPath);
}

} // namespace orvane
