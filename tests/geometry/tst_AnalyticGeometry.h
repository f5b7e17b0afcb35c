// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class TestAnalyticGeometry : public QObject {
    Q_OBJECT
private slots:
    void twoPointDistance_data();
    void twoPointDistance();
    void pointLineDistanceText_data();
    void pointLineDistanceText();
    void elimination_data();
    void elimination();
    void chordLength_data();
    void chordLength();
    void faults_data();
    void faults();
};
