// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MainWindowFixture.h"

#include "FakeEnvironment.h"
#include "FakeSystemDialogs.h"
#include "MainWindow.h"
#include "Services.h"
#include "Settings.h"

#include <QObject>
#include <QTemporaryDir>

#include <memory>

class TestArrangement : public QObject {
    Q_OBJECT
private slots:
    void screenClasses_data();
    void screenClasses();
    void layoutInTheWorkArea_data();
    void layoutInTheWorkArea();
    void floatingBoxKeptOnScreen_data();
    void floatingBoxKeptOnScreen();
    void dockLayoutText_data();
    void dockLayoutText();
};

class TestMainWindow : public QObject, protected MainWindowFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void captionAndWindows();
    void firstRunWritesSettingsInOrder();
    void secondStartReadsSettingsBack();
    void closingSavesExpressionsExitDoesNot();
    void viewSwitchesKeepSeparateTicks();
    void addConstantTabWithHiddenPlotter();
    void bitmapRightAfterStartHoldsAxes();
    void printQuestions_data();
    void printQuestions();
    void printedPictureFillsThePage_data();
    void printedPictureFillsThePage();
    void startWithFunctionFile();
    void copySelectedEntry();
    void calculatorMissing();
    void clearAllCommand();
    void documentOnTheCommandLineAndTheCloseQuestion();
    void unwritableTargetsSaySo_data();
    void unwritableTargetsSaySo();
    void readOnlySettingsSaySoOnce();
    void geometryMenuOpensItsPage_data();
    void geometryMenuOpensItsPage();
    void geometryStepsAreRemembered();

private:
    orvane::MainWindow& start(const QString& functionFile = {});
};
