// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Engine.h"

#include <QObject>

class TestBadExpressions : public QObject {
    Q_OBJECT
private slots:
    void init();
    void megabyteTexts_data();
    void megabyteTexts();
    void everyPairOfBytes();
    void deepNestingThroughTheProgram_data();
    void deepNestingThroughTheProgram();

private:
    orvane::engine::Engine engine_;
};
