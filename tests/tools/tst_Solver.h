#pragma once

#include <QObject>

class TestSolver : public QObject {
    Q_OBJECT
private slots:
    void workingText_data();
    void workingText();
    void outputs_data();
    void outputs();
    void hugeRangeIsBoundedAndTold_data();
    void hugeRangeIsBoundedAndTold();
    void eachRunStartsAfresh();
    void sidePanelToggles();
    void bannerFollowsTheClock_data();
    void bannerFollowsTheClock();
    void exitCloses();
};
