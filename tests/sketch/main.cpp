// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestMain.h"
#include "tst_CoordinateBox.h"
#include "tst_Pad.h"
#include "tst_PadDocument.h"
#include "tst_PadSurface.h"
#include "tst_SketchTexts.h"
#include "tst_ToolBox.h"

#include <QApplication>

ORVANE_TEST_MAIN(QApplication, TestPadSurface, TestPad, TestPadDocument, TestSketchTexts,
                 TestToolBox, TestCoordinateBox)
