// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "FakeEnvironment.h"
#include "FakePlotterHost.h"
#include "FakeSystemDialogs.h"
#include "PlotterPanel.h"

#include <QObject>

#include <memory>

class TestPlotterPanel : public QObject {
    Q_OBJECT
private slots:
    void readingUnderTheExpressionBoxes_data();
    void readingUnderTheExpressionBoxes();
    void init();
    void cleanup();
    void smoothnessEnter_data();
    void smoothnessEnter();
    void tabClickWritesSettingAndShowsOnePage();
    void lineWidthMirrorsEverywhere();
    void sameExpressionTwiceGivesOneRow();
    void blankInsideGivesTwoRows();
    void trailingBlankFindsItsOwnRow();
    void deleteSecondOfFiveKeepsRecords();
    void listLimitAndRedrawAllMessages();
    void sizeChangeKeepsList();
    void clearListKeepsPadAndRedrawShowsAxesOnly();
    void circleRowAndMagentaCentreAfterErase();
    void radiusStoredAsInteger();
    void undoBringsBackTheAxisColour();
    void hugeConicParameterRefused();
    void negativeRadiusListedWithMessage();
    void loadRowRestoresPanel();
    void randomColourFromEnvironment();
    void quickEvaluation_data();
    void quickEvaluation();
    void duplicateConstantRefused();
    void constantAddedWithoutSelection();
    void removeWithoutSelection();
    void expressionsSavedOnUnload();
    void functionFileRoundTrip();
    void quotedFunctionFilePlots();
    void hugeRangeRefusedWithMessage();
    void shortPanelScrollsInsteadOfSqueezing();
    void movingOverThePanelClearsPassingMarks();
    void longTraceRunsOnAWorkerAndJoinsTheList();
    void cancelledTraceAddsNothing();
    void busyTracerSaysSoAndClearingCancels_data();
    void busyTracerSaysSoAndClearingCancels();
    void parametricCurveIsAFourthKind();

private:
    std::unique_ptr<orvane::FakePlotterHost> host_;
    std::unique_ptr<orvane::FakeSystemDialogs> dialogs_;
    std::unique_ptr<orvane::FakeEnvironment> environment_;
    std::unique_ptr<orvane::engine::Engine> engine_;
    std::unique_ptr<orvane::Services> services_;
    std::unique_ptr<orvane::PlotterPanel> drawer_;
};
