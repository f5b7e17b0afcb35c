#include "TestMain.h"
#include "tst_CommandLine.h"

#include <QCoreApplication>

ORVANE_TEST_MAIN(QCoreApplication, TestCommandLine)
