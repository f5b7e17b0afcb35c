// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestMain.h"
#include "tst_CommandLine.h"

#include <QCoreApplication>

ORVANE_TEST_MAIN(QCoreApplication, TestCommandLine)
