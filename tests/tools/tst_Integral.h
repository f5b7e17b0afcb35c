// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class TestIntegral : public QObject {
    Q_OBJECT
private slots:
    void defaultsShowOne();
    void values_data();
    void values();
    void divergentIsFlagged_data();
    void divergentIsFlagged();
    void refusalClearsTheOldResult_data();
    void refusalClearsTheOldResult();
    void undefinedOnAStretch();
    void enterInAnyBoxComputes_data();
    void enterInAnyBoxComputes();
    void countSetsTheLeastNumberOfPieces();
    void unknownIsUnboundAfterwards();
    void readingOfTheIntegrand();
    void fullWidthAndExponentInput();
    void longResultShowsWhole();
};
