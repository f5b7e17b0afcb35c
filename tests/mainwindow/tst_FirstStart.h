// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MainWindowFixture.h"

#include <QObject>

// The first start of a portable and of an installed program: the shortcut question, the
// keys it leaves, and the tip of the day over the complete main window.
class TestFirstStart : public QObject, protected MainWindowFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void shortcutQuestion_data();
    void shortcutQuestion();
    void tipComesOverTheCompleteWindow();
};
