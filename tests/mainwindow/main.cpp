#include "TestMain.h"
#include "tst_MainWindow.h"
#include "tst_PadCommands.h"

#include <QApplication>

ORVANE_TEST_MAIN(QApplication, TestArrangement, TestMainWindow, TestPadCommands)
