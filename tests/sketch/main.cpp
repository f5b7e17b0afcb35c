#include "TestMain.h"
#include "tst_Pad.h"
#include "tst_PadSurface.h"

#include <QApplication>

ORVANE_TEST_MAIN(QApplication, TestPadSurface, TestPad)
