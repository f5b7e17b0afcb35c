// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestMain.h"
#include "tst_BadExpressions.h"
#include "tst_BadFiles.h"
#include "tst_SettingsWriters.h"

#include <QCoreApplication>

ORVANE_TEST_MAIN(QCoreApplication, TestBadExpressions, TestBadFiles, TestSettingsWriters)
