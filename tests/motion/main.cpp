// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestMain.h"
#include "tst_AnimatedGif.h"
#include "tst_AnimationPlayer.h"
#include "tst_ConstantSlider.h"
#include "tst_CurveWalk.h"
#include "tst_SliderStrip.h"

#include <QApplication>

ORVANE_TEST_MAIN(QApplication, TestConstantSlider, TestAnimationPlayer, TestAnimatedGif,
                 TestCurveWalk, TestSliderStrip)
