// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class TestSliderStrip : public QObject {
    Q_OBJECT
private slots:
    void showsTheDefaultRange();
    void draggingChangesTheValue();
    void boxesChangeTheRange_data();
    void boxesChangeTheRange();
    void valueFromElsewhereIsNotReported();
    void playOnceStopsAtTheEnd();
};
