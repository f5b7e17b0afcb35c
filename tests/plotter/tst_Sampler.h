// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class TestSampler : public QObject {
    Q_OBJECT
private slots:
    void niceSteps_data();
    void niceSteps();
    void viewLimitsAndMapping_data();
    void viewLimitsAndMapping();
    void zoomKeepsPointUnderPointer_data();
    void zoomKeepsPointUnderPointer();
    void tickSteps_data();
    void tickSteps();
    void regressionSet_data();
    void regressionSet();
    void hugeRangeKeepsWhatTheWindowShows();
    void cancelledSamplingGivesNothing();
    void parameterReadsAsX_data();
    void parameterReadsAsX();
};
