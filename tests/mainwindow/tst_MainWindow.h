#pragma once

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
    void fitsWorkArea_data();
    void fitsWorkArea();
};

class TestMainWindow : public QObject {
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
    void geometryMenuOpensItsPage_data();
    void geometryMenuOpensItsPage();

private:
    orvane::MainWindow& start(const QString& functionFile = {});
    QString settingsPath() const;

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<orvane::FakeSystemDialogs> dialogs_;
    std::unique_ptr<orvane::FakeEnvironment> environment_;
    std::unique_ptr<orvane::engine::Engine> engine_;
    std::unique_ptr<orvane::Services> services_;
    std::unique_ptr<orvane::Settings> settings_;
    std::unique_ptr<orvane::MainWindow> window_;
};
