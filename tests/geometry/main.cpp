#include "TestMain.h"
#include "tst_GeometryReports.h"
#include "tst_mAnalyticGeometry.h"

#include <QCoreApplication>

ORVANE_TEST_MAIN(QCoreApplication, TestAnalyticGeometry, TestGeometryReports)
