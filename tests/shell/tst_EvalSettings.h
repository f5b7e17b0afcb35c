// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTemporaryDir>

// `orvane --eval` starts from the constants of the settings file, as the window does.
class TestEvalSettings : public QObject {
    Q_OBJECT
private slots:
    void init();
    void evaluates_data();
    void evaluates();
    void realProgramReadsTheSettings();

private:
    QString path() const;
    QTemporaryDir dir_;
};
