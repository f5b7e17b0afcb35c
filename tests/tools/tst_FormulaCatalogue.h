// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class TestFormulaCatalogue : public QObject {
    Q_OBJECT
private slots:
    void results_data();
    void results();
    void roundsToThirteenDecimals();
    void piComesFromTheConstant();
    void faults_data();
    void faults();
    void countingStaysShortForHugeInputs_data();
    void countingStaysShortForHugeInputs();
    void catalogueNumbers();
};
