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
