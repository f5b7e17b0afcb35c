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

// Every window used from the keyboard: Tab order, Enter, Esc and the drawing shortcuts.
class TestKeyboard : public QObject, protected MainWindowFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void tabOrder_data();
    void tabOrder();
    void enterRunsTheCommand_data();
    void enterRunsTheCommand();
    void escapeClosesToolWindows_data();
    void escapeClosesToolWindows();
    void drawingShortcutsInEveryWindow_data();
    void drawingShortcutsInEveryWindow();
    void toolWindowReopensWhereItWas_data();
    void toolWindowReopensWhereItWas();
    void keysReachThePadAfterAToolClick_data();
    void keysReachThePadAfterAToolClick();
    void consoleCalculatorSize_data();
    void consoleCalculatorSize();

private:
    QWidget* open(const QString& command);
};
