// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestMain.h"
#include "tst_AnalyticGeometry.h"
#include "tst_GeometryProblems.h"
#include "tst_GeometryReports.h"
#include "tst_GeometryWindow.h"

#include <QApplication>

ORVANE_TEST_MAIN(QApplication, TestAnalyticGeometry, TestGeometryProblems, TestGeometryReports,
                 TestGeometryWindow)
