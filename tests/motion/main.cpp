// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestMain.h"
#include "tst_AnimationPlayer.h"
#include "tst_ConstantSlider.h"

#include <QCoreApplication>

ORVANE_TEST_MAIN(QCoreApplication, TestConstantSlider, TestAnimationPlayer)
