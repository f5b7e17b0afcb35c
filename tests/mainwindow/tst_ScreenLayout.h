// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MainWindowFixture.h"

#include "Engine.h"
#include "FakeEnvironment.h"
#include "FakeSystemDialogs.h"
#include "MainWindow.h"
#include "Services.h"
#include "Settings.h"

#include <QObject>
#include <QTemporaryDir>

#include <memory>

// The main window and its floating boxes on screens of different sizes and scales.
class TestScreenLayout : public QObject, protected MainWindowFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void fitsTheScreen_data();
    void fitsTheScreen();
    void storedStatusTop_data();
    void storedStatusTop();
    void dockPlacesSurviveARestart();
    void followsAScreenChange();
    void windowFlagsAndOwners();
    void minimizedAndRestoredAgain();
    void captionsAreExact_data();
    void captionsAreExact();

private:
    orvane::MainWindow& startOn(const QString& screenName);
    QStringList cutControls(orvane::MainWindow& w);
};
