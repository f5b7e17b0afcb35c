// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTemporaryDir>

class TestFunctionGraphFile : public QObject {
    Q_OBJECT
private slots:
    void init();
    void savesAllFunctions_data();
    void savesAllFunctions();
    void savesTheCurrentFunction_data();
    void savesTheCurrentFunction();
    void savingKeepsOtherKeys();
    void opens_data();
    void opens();
    void opensLongEntriesCut();
    void opensNothingFromOddPaths();
    void roundTrip();

private:
    QString path() const;
    QTemporaryDir dir_;
};
