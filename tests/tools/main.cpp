// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestMain.h"
#include "tst_Console.h"
#include "tst_FormulaCatalogue.h"
#include "tst_FormulaWindow.h"
#include "tst_Integral.h"
#include "tst_InverseTrig.h"
#include "tst_PointsOfInterest.h"
#include "tst_Solver.h"
#include "tst_ToolWindows.h"

#include <QApplication>

ORVANE_TEST_MAIN(QApplication, TestIntegral, TestSolver, TestInverseTrig, TestFormulaCatalogue,
                 TestFormulaWindow, TestConsole, TestToolWindows, TestPointsOfInterest)
