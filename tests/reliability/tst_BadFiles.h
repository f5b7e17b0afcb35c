// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTemporaryDir>

// Settings and function-graph files that are damaged, odd or out of reach.
class TestBadFiles : public QObject {
    Q_OBJECT
private slots:
    void init();
    void hundredMegabyteFilesHoldNothing_data();
    void hundredMegabyteFilesHoldNothing();
    void sizeLimitIsExact_data();
    void sizeLimitIsExact();
    void readOnlySettingsStayReadOnly();
    void truncatedGbkKeepsTheRest_data();
    void truncatedGbkKeepsTheRest();
    void truncatedGbkFunctionEntry();
    void cutCharacterBehindALineBreakSavesClean();
    void infiniteCounts_data();
    void infiniteCounts();
    void farEntryNumbers_data();
    void farEntryNumbers();
    void symlinkedSettingsFile();
    void settingsPathIsAFolder();

private:
    QString path(const QString& name) const { return dir_.filePath(name); }
    QTemporaryDir dir_;
};
