// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class TestSketchTexts : public QObject {
    Q_OBJECT
private slots:
    void coordinates_data();
    void coordinates();
    void coordinatesWithDistance_data();
    void coordinatesWithDistance();
    void printedNumbers_data();
    void printedNumbers();
    void printedSingles_data();
    void printedSingles();
    void eraserCursorClasses_data();
    void eraserCursorClasses();
};
