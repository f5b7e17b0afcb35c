// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class TestConstantUse : public QObject {
    Q_OBJECT
private slots:
    void constantsIn_data();
    void constantsIn();
    void usesComparesLikeTheTable_data();
    void usesComparesLikeTheTable();
    void expressionsUsingPicksExactlyThoseEntries();
    void newValueReachesTableListAndPrograms();
};
