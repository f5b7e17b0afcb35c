// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class TestPointsOfInterest : public QObject {
    Q_OBJECT
private slots:
    void pointsMatchWorkedAnswers_data();
    void pointsMatchWorkedAnswers();
    void pointsAreWrittenAsCoordinates();
    void clickShowsCrossingsWithEveryOtherCurve();
    void unusableIntervalsGiveNothing_data();
    void unusableIntervalsGiveNothing();
    void sampleCountBelowTwoIsTwo();
};
