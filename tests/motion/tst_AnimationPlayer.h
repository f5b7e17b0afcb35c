// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class TestAnimationPlayer : public QObject {
    Q_OBJECT
private slots:
    void frameValuesIncludeBothEnds_data();
    void frameValuesIncludeBothEnds();
    void playOrder_data();
    void playOrder();
    void spans_data();
    void spans();
    void playing_data();
    void playing();
    void fewerFramesKeepThePlace();
};
