// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "Engine.h"

#include <QObject>
class TestTracer : public QObject {
    Q_OBJECT
private slots:
    void init();
    void stepFromSmoothness_data();
    void stepFromSmoothness();
    void samplePositions_data();
    void samplePositions();
    void noSegmentAcrossPole();
    void tanJumps();
    void startsOutsideVisibleSquare();
    void functionOfY();
    void polarClosedLoop();
    void polarSweepEndsAtTwoPi_data();
    void polarSweepEndsAtTwoPi();
    void polarChordOverUndefinedSample();
    void neverDefinedDrawsNothing();
    void hugeRangeIsRefused();
    void rangeAtLimitsOfDoubleEnds();
    void startAboveEndDrawsNothing();

private:
    orvane::engine::Engine engine_;
};
