// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class TestInverseTrig : public QObject {
    Q_OBJECT
private slots:
    void window();
    void results_data();
    void results();
    void focusSelectsInput();
};
