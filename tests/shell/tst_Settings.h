// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTemporaryDir>

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void init();
    void sectionsAreSetupAndInfomation();
    void constantEntriesAppendAndClose();
    void removingOutsideTheListChangesNothing_data();
    void removingOutsideTheListChangesNothing();
    void removingUnderADamagedCountMovesWhatIsStored();
    void numericValues_data();
    void numericValues();
    void savedConstants_data();
    void savedConstants();
    void firstWriteCreatesTheSettingsFolder();
    void settingsPath_data();
    void settingsPath();
    void resolvesForThisMachine();
    void findsTheHelp();

private:
    QString path() const;
    QTemporaryDir dir_;
};
