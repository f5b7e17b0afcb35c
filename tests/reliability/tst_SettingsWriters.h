// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTemporaryDir>

// Whole programs writing the settings file: two at once, and one that runs out of room.
class TestSettingsWriters : public QObject {
    Q_OBJECT
private slots:
    void init();
    void twoProgramsAtOnceLoseNothing();
    void fullDiskLeavesTheLastWholeFile_data();
    void fullDiskLeavesTheLastWholeFile();
    void writableFileInReadOnlyFolder();

private:
    QString settingsPath() const { return dir_.filePath(QStringLiteral("orvane.ini")); }
    QTemporaryDir dir_;
};
