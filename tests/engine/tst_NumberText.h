// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class TestNumberText : public QObject {
    Q_OBJECT
private slots:
    void leadingNumber_data();
    void leadingNumber();
    void readsAsNumber_data();
    void readsAsNumber();
    void roundsHalfToEven_data();
    void roundsHalfToEven();
    void integerRanges();
    void generalForm_data();
    void generalForm();
    void leadingBlank_data();
    void leadingBlank();
    void pattern_data();
    void pattern();
};
