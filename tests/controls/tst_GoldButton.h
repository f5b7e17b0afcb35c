// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class TestGoldButton : public QObject {
    Q_OBJECT
private slots:
    void newlyPlacedButton();
    void disabledCaptionIsEngravedAndRaisesNoClick();
    void pressDragOutReleaseOutsideRaisesNoClick();
    void pressDragOutAndBackReleaseInsideRaisesOneClick();
    void releasePosition_data();
    void releasePosition();
    void hoverFollowsThePointer();
    void focusLossEndsPressAndHover();
    void disablingEndsHover();
    void doubleClickRaisesOneClick();
    void sunkenInnerEdgeOnDisabledButton();
    void edgeStyles_data();
    void edgeStyles();
    void faceEdgeFollowsState();
    void captionShiftsWhenDown();
    void alignment_data();
    void alignment();
    void elision_data();
    void elision();
    void textColours_data();
    void textColours();
    void imagePartPassesClicksOn();
    void storedProperties();
};
