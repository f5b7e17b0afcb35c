// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestMain.h"
#include "tst_ShellCommands.h"
#include "tst_ShellWindows.h"
#include "tst_Shortcuts.h"

#include <QApplication>

ORVANE_TEST_MAIN(QApplication, TestShortcuts, TestShellWindows, TestShellCommands)
