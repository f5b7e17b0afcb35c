#include "TestMain.h"
#include "tst_MainWindow.h"

#include <QApplication>

ORVANE_TEST_MAIN(QApplication, TestArrangement, TestMainWindow)
