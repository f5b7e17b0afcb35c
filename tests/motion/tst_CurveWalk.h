// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class TestCurveWalk : public QObject {
    Q_OBJECT
private slots:
    void nearestIsMeasuredOnTheScreen_data();
    void nearestIsMeasuredOnTheScreen();
    void nearestOfNothing();
    void stepsAlongTheCurve_data();
    void stepsAlongTheCurve();
    void stepsAlongAFunction_data();
    void stepsAlongAFunction();
    void nextCurve_data();
    void nextCurve();
};
