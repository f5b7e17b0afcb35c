// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class TestSchoolReading : public QObject {
    Q_OBJECT
private slots:
    void notes_data();
    void notes();
};
