// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTemporaryDir>

class TestShortcuts : public QObject {
    Q_OBJECT
private slots:
    void noCreatesNothing();
    void yesWritesThreeEntries();
    void yesTwiceLeavesTheSameThree();
    void deletedMenuEntryIsRecreated();
    void failedFolderLookupSkipsThatEntry();
    void execQuoting_data();
    void execQuoting();
    void entriesPassTheValidator();
};
