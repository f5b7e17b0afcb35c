// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace orvane {

// `folder` and `name` with one "/" between them, also when `folder` already ends in
// one ("/" and "orvane.ini" give "/orvane.ini").
QString joinPath(const QString& folder, const QString& name);

// What decides where a program keeps its settings: the folder it runs from and what
// that folder holds.
struct ProgramFolder {
    QString path;                 // with symbolic links resolved
    bool writable = false;        // this user may create files in it
    bool holdsSettings = false;   // an "orvane.ini" is there already
    bool installedLayout = false; // "../share/orvane" beside it: an installed tree
};

// The facts of `path` on this machine.
ProgramFolder inspectProgramFolder(const QString& path);

// An installed program: one in a system folder (/usr, /usr/local, /opt, /bin, /sbin, /snap,
// /app; not the source folders /usr/src, /usr/local/src) or in the bin folder of an
// installed tree. Its files belong to the package manager or the administrator, its
// menu entry came with it, and it never writes beside itself, not even as root.
bool isInstalledProgram(const ProgramFolder& folder);

// Where the settings file lives: `overridePath` (from --settings) when given; else
// "orvane.ini" beside a program that is not installed and either finds that file there
// (a portable copy, also on a read-only medium) or may write there (a build tree, a copy
// in the user's own folder); else "orvane/orvane.ini" in the per-user configuration
// folder.
QString settingsPath(const ProgramFolder& folder, const QString& userConfigFolder,
                     const QString& overridePath = {});

// settingsPath for this machine: inspects the program folder and asks Qt for the user's
// configuration folder ($XDG_CONFIG_HOME).
QString resolveSettingsPath(const QString& programFolder, const QString& overridePath = {});

// The HTML help: "help/index.html" beside the program, else in the installed data
// folder ("../share/orvane/help/index.html" from the program folder); the path beside
// the program when neither exists.
QString helpFilePath(const QString& programFolder);

} // namespace orvane
