// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class TestGeometryReports : public QObject {
    Q_OBJECT
private slots:
    void resultTextStartsEveryLineWithCrLf();
    void distanceReportsNameTheFault_data();
    void distanceReportsNameTheFault();
    void twoLines_data();
    void twoLines();
    void lineCurve_data();
    void lineCurve();
    void lineCurveStopsAtTheFault_data();
    void lineCurveStopsAtTheFault();
    void slopeSentenceOfTheLastLineStands();
};
