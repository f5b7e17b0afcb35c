// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTemporaryDir>

class TestLoadSettings : public QObject {
    Q_OBJECT
private slots:
    void init();
    void firstRunWritesTheDefaultsInOrder();
    void firstRunCallsTheWindowsInOrder();
    void secondRunChangesNothing();
    void missingShowTipResetsTheGroup();
    void showTipZeroShowsNoTip();
    void removedConstantsComeBack();
    void clearedExpressionComesBack();
    void savedConstantsAreLoadedInOrder();
    void quotedValuesLoadWithoutOverwriting();

private:
    QString path() const;
    QTemporaryDir dir_;
};
