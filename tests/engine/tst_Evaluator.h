// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Engine.h"

#include <QObject>

class TestEvaluator : public QObject {
    Q_OBJECT
private slots:
    void init();
    void evaluates_data();
    void evaluates();
    void exactResults_data();
    void exactResults();
    void errorValueBits();
    void errorPosition_data();
    void errorPosition();
    void deepNestingFailsWithoutCrash_data();
    void deepNestingFailsWithoutCrash();
    void moderateNestingStillWorks();
    void numbersOutOfRange_data();
    void numbersOutOfRange();
    void everyByteValueIsSafe();
    void constantsUntouchedByFailure();
    void numbersReadAsTheStandardLibraryReadsThem();
    void describesFailure_data();
    void describesFailure();
    void checkFindsWhatNoValueOfXMends_data();
    void checkFindsWhatNoValueOfXMends();

private:
    orvane::engine::Engine engine_;
};
