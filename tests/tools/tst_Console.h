// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class TestConsole : public QObject {
    Q_OBJECT
private slots:
    void unreadableInputIsTold();
    void readingUnderTheInputAndFullWidthInput();
    void mainMenuAtLoad();
    void categoryMenus_data();
    void categoryMenus();
    void keySequences_data();
    void keySequences();
    void resultOnlyAfterTheLastInput();
    void inputScreenPlacesBoxesBesidePrompts();
    void enteredValueStaysWhereTheBoxWas();
    void keysThatSelectNothingRedisplayTheMenu_data();
    void keysThatSelectNothingRedisplayTheMenu();
    void escapeInInputBoxReturnsToMainMenu();
    void escapeInCategoryMenu();
    void starAtMainMenuAsksForFormulaWindow();
    void faultIsPrintedAndConsoleStaysUsable();
};
