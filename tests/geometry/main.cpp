#include "TestMain.h"
#include "tst_GeometryReports.h"
#include "tst_fCountPanel.h"
#include "tst_mAnalyticGeometry.h"

#include <QApplication>

ORVANE_TEST_MAIN(QApplication, TestAnalyticGeometry, TestGeometryReports, TestCountPanel)
