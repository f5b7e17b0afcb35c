// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class TestToolWindows : public QObject {
    Q_OBJECT
private slots:
    void eachToolOpensOnce();
    void closedWindowOpensAfresh();
    void windowsAreOwned();
    void formulaAndConsoleSwitch();
};
