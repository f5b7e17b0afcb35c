// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class TestPlotterDocument : public QObject {
    Q_OBJECT
private slots:
    void mixedDocumentReplaysBitForBit();
    void takenOutLeavesNoTrace_data();
    void takenOutLeavesNoTrace();
    void redrawAllKeepsRowsAndTheirRecords();
    void redrawAllTracesWithTodaysConstants_data();
    void redrawAllTracesWithTodaysConstants();
    void entriesFollowTheView_data();
    void entriesFollowTheView();
    void wideCurveKeepsWhatTheViewShows();
    void rowTextsCompareWithoutSurroundingBlanks_data();
    void rowTextsCompareWithoutSurroundingBlanks();
};
