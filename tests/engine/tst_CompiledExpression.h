// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Engine.h"

#include <QObject>

// The compiled form against the scanning evaluator: the same bits, the same failures,
// the same stop position and the same constants afterwards, on the evaluator's case
// tables and on many thousands of seeded random texts.
class TestCompiledExpression : public QObject {
    Q_OBJECT
private slots:
    void init();
    void sameAsScanningOnCaseTables();
    void sameAsScanningOnEveryByte();
    void sameAsScanningOnRandomTexts_data();
    void sameAsScanningOnRandomTexts();
    void followsConstantChanges();
    void pointAfterPointSeesEveryChange_data();
    void pointAfterPointSeesEveryChange();
    void bindsUnknownsAsScanningDoes();
    void surviveAFreshEngine();
    void numbersAreWorkedOutOnce();
    void compiledOncePerText();
    void joinedStepsFailWhereScanningStops_data();
    void joinedStepsFailWhereScanningStops();
    void squaresHaveThePowersBits_data();
    void squaresHaveThePowersBits();

private:
    orvane::engine::Engine engine_;
};
