// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTemporaryDir>

class TestShellWindows : public QObject {
    Q_OBJECT
private slots:
    void init();
    void tipTexts();
    void firstOpeningShowsTheFirstTip();
    void openingMovesOnAcrossRuns_data();
    void openingMovesOnAcrossRuns();
    void nextTipCycles();
    void checkBoxWritesShowTip();
    void tipWindowLooksRight();
    void okClosesAndDestroys();
    void openTipWindowIsOnlyBroughtForward();
    void aboutBoxShowsTheProduct();
    void aboutLinkOpensTheAddress();
    void aboutClosesOnClick();
    void aboutStaysOpenOnClickInTheLicence();
    void openAboutBoxIsOnlyBroughtForward();
    void aboutLinkWithoutBrowserShowsTheAddress();
    void helpLinks_data();
    void helpLinks();
    void missingHelpSaysSo();

private:
    QString path() const;
    QTemporaryDir dir_;
};
