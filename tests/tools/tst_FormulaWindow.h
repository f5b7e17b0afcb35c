// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class TestFormulaWindow : public QObject {
    Q_OBJECT
private slots:
    void unreadableAnswerIsTold_data();
    void unreadableAnswerIsTold();
    void inputDialogShowsTheReading();
    void startsWithoutCategory();
    void categoriesFillTheList_data();
    void categoriesFillTheList();
    void results_data();
    void results();
    void inputPrompts();
    void faultsAreToldAndWindowStaysUsable_data();
    void faultsAreToldAndWindowStaysUsable();
    void linkAsksForTheConsole();
};
