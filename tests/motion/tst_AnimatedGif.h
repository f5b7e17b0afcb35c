// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class TestAnimatedGif : public QObject {
    Q_OBJECT
private slots:
    void readsBackFramesDelayAndColours_data();
    void readsBackFramesDelayAndColours();
    void delayInHundredths();
    void failedWritesLeaveNoFile();
    void abandonedWriterKeepsTheOldFile();
    void framesEqualThePicturesAtTheirValues_data();
    void framesEqualThePicturesAtTheirValues();
    void stoppedExportLeavesNoFile();
};
