// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class TestIntegral : public QObject {
    Q_OBJECT
private slots:
    void defaultsShowOne();
    void results_data();
    void results();
    void enterInAnyBoxComputes_data();
    void enterInAnyBoxComputes();
    void countOutside16BitsLeavesResult_data();
    void countOutside16BitsLeavesResult();
    void faultGivesNoValue_data();
    void faultGivesNoValue();
    void unknownIsUnboundAfterwards();
    void longResultShowsWholeInTooltip_data();
    void longResultShowsWholeInTooltip();
};
