// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace orvane {

// `folder` and `name` with one "/" between them, also when `folder` already ends in
// one ("/" and "orvane.ini" give "/orvane.ini").
QString joinPath(const QString& folder, const QString& name);

// Where the settings file lives: `overridePath` (from --settings) when given; else
// "orvane.ini" in the program folder when that folder is writable (portable use);
// else "orvane/orvane.ini" in the per-user configuration folder.
QString settingsPath(const QString& programFolder, bool programFolderWritable,
                     const QString& userConfigFolder, const QString& overridePath = {});

// settingsPath for this machine: checks the program folder and asks Qt for the user's
// configuration folder ($XDG_CONFIG_HOME).
QString resolveSettingsPath(const QString& programFolder, const QString& overridePath = {});

// The HTML help: "help/index.html" beside the program, else in the installed data
// folder ("../share/orvane/help/index.html" from the program folder); the path beside
// the program when neither exists.
QString helpFilePath(const QString& programFolder);

} // namespace orvane
