// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace orvane {

struct Services;

// How an entry shows in menus and what it opens: its icon (a theme name), its menu
// categories and the file types it opens (both ";"-terminated lists). With file types,
// the command takes the file as its last argument.
struct DesktopEntryLook {
    QString icon;
    QString categories;
    QString mimeTypes;
};

// The look of the program's own installed desktop entry.
DesktopEntryLook programEntryLook();

// Text of a freedesktop desktop entry that starts `command` (program and arguments,
// each quoted as the format wants) in `workingFolder`.
QByteArray desktopEntryText(const QString& name, const QStringList& command,
                            const QString& workingFolder, const DesktopEntryLook& look);

// Writes the shortcuts: "奥维恩.desktop" in `desktopFolder`, and "奥维恩.desktop" and
// "帮助.desktop" in the folder "奥维恩" of `applicationsFolder`, each started in the
// program's folder. The program's entries look like its installed one and open its
// files; the help entry has the help icon and the same categories. Existing entries are replaced.
// An empty folder (its lookup failed) gets no entry. Returns the files written, in order.
QStringList writeShortcutFiles(const QString& desktopFolder, const QString& applicationsFolder,
                               const QString& programPath, const QString& helpPath);

// Asks "是否在桌面建立快捷方式？" and on Yes writes the shortcuts into the desktop
// and application-menu folders of the environment. `programPath` empty: this program.
void offerShortcuts(Services& services, QWidget* owner, const QString& helpPath,
                    const QString& programPath = {});

} // namespace orvane
