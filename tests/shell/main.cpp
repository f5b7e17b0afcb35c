// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestMain.h"
#include "tst_EvalSettings.h"
#include "tst_FunctionGraphFile.h"
#include "tst_LoadSettings.h"
#include "tst_ProfileFile.h"
#include "tst_Settings.h"
#include "tst_WindowsProfileReading.h"

#include <QCoreApplication>

ORVANE_TEST_MAIN(QCoreApplication, TestProfileFile, TestSettings, TestLoadSettings,
                 TestFunctionGraphFile, TestEvalSettings, TestWindowsProfileReading)
