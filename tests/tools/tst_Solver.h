// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class TestSolver : public QObject {
    Q_OBJECT
private slots:
    void unknownIsBoundNotWritten_data();
    void unknownIsBoundNotWritten();
    void outputs_data();
    void outputs();
    void hugeRangeIsBoundedAndTold_data();
    void hugeRangeIsBoundedAndTold();
    void rangesThatCannotBeSampled_data();
    void rangesThatCannotBeSampled();
    void eachRunStartsAfresh();
    void longListScrolls();
    void sidePanelToggles();
    void bannerFollowsTheClock_data();
    void bannerFollowsTheClock();
    void exitCloses();
    void unreadableEquationSaysWhy_data();
    void unreadableEquationSaysWhy();
    void readingAndChineseInput();
};
