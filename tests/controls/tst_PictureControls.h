// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class TestPictureControls : public QObject {
    Q_OBJECT
private slots:
    void buttonFaceFollowsThePress();
    void buttonShowsPressedFaceWhileItsCommandRuns();
    void buttonReleasedOutsideRaisesNoClick();
    void disabledButtonIgnoresClicks();
    void captionsCarryTheHandCursor();
    void tabEnabledOnlyRecolours_data();
    void tabEnabledOnlyRecolours();
    void tabShowsItsFace();
    void facesAreDistinct();
};
