// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FakeEnvironment.h"
#include "FakeSystemDialogs.h"
#include "GeometryWindow.h"
#include "Services.h"

#include <QObject>

#include <memory>

class TestGeometryWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void opensOnTheFirstPageWithItsTexts();
    void boxesCarryTheirDefaults_data();
    void boxesCarryTheirDefaults();
    void showGeometryPageSelectsOnePage_data();
    void showGeometryPageSelectsOnePage();
    void pageOutOfRangeChangesNothing();
    void clickingATabLabelShowsItsPage();
    void reports_data();
    void reports();
    void eachReportReplacesTheLast();
    void clearEmptiesTheTwoLinesBoxesOnly();
    void emptyCurveBoxesBecomeZero();
    void stepsFollowTheReport();
    void boxesHoldTwelveCharacters();
    void enterOnTheNewPagesSolves_data();
    void enterOnTheNewPagesSolves();
    void commandPrintsTheWindowText_data();
    void commandPrintsTheWindowText();

private:
    orvane::FakeSystemDialogs dialogs_;
    orvane::FakeEnvironment environment_;
    orvane::engine::Engine engine_;
    orvane::Services services_{dialogs_, environment_, engine_};
    std::unique_ptr<orvane::GeometryWindow> panel_;
};
