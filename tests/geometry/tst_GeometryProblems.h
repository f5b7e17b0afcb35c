// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class TestGeometryProblems : public QObject {
    Q_OBJECT
private slots:
    void surdArithmetic_data();
    void surdArithmetic();
    void signOfASurd_data();
    void signOfASurd();
    void termsAsATextbookWrites_data();
    void termsAsATextbookWrites();
    void wholeCoefficientsClearDenominators();
    void readsExactly_data();
    void readsExactly();
    void solvesAsATextbook_data();
    void solvesAsATextbook();
    void stepsOfTheDefaultLineAndCurve();
    void stepsAreDecimalForInexactData();
    void distancesShowNoPaddingDigits_data();
    void distancesShowNoPaddingDigits();
};
