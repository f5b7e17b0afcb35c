// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class TestConstantSlider : public QObject {
    Q_OBJECT
private slots:
    void defaultRangeAroundTheValue_data();
    void defaultRangeAroundTheValue();
    void valuesSnapToPositions_data();
    void valuesSnapToPositions();
    void steppingStopsAtTheEnds();
    void unusableRangesAreRefused_data();
    void unusableRangesAreRefused();
    void narrowerRangeMovesTheValueIn();
};
