// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
class TestAxes : public QObject {
    Q_OBJECT
private slots:
    void ticksAndLabels_data();
    void ticksAndLabels();
    void axisNamesAndArrowheads();
    void fontSizeRestored();
};
