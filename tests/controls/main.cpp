// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestMain.h"
#include "tst_GoldButton.h"
#include "tst_PictureControls.h"

#include <QApplication>

ORVANE_TEST_MAIN(QApplication, TestGoldButton, TestPictureControls)
