// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTemporaryDir>

// Settings and function-graph files written or edited on Windows read here as the
// Windows profile functions read them: each row names the Windows behaviour it pins and
// checks the value the program goes on to use.
class TestWindowsProfileReading : public QObject {
    Q_OBJECT
private slots:
    void readsAsWindowsDoes_data();
    void readsAsWindowsDoes();

private:
    QTemporaryDir dir_;
};
