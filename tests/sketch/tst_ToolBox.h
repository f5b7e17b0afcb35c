// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class TestToolBox : public QObject {
    Q_OBJECT
private slots:
    void loadFillsTheBoxes();
    void modeButtonsLeaveExactlyOneActive_data();
    void modeButtonsLeaveExactlyOneActive();
    void eraserButtonShowsSizesAndCursor();
    void eraserCursorFollowsChosenSize_data();
    void eraserCursorFollowsChosenSize();
    void sizeOutsideTheClassesKeepsTheCursor_data();
    void sizeOutsideTheClassesKeepsTheCursor();
    void changingModeHidesTextBoxWithoutPrinting();
    void enterInTextBoxActivatesButtonZero();
    void menuModeIsLikeTheButton();
    void outOfRangeModeChangesNothing();
    void fontSizeGoesToPadAndTextBox();
    void lineWidthGoesToPlotterAndSettings_data();
    void lineWidthGoesToPlotterAndSettings();
    void penColourChosen();
    void penColourCancelled();
    void backColourClearsPadAndRedrawsAxes();
    void backColourCancelled();
    void toolButtonsOpenTools();
    void closeButtonHidesAndUnchecks();
    void captionDragKeepsTheBoxOnScreen();
    void backColourDialogStartsAtTheBackground();
    void iconButtonsHaveTooltips_data();
    void iconButtonsHaveTooltips();
    void eraserCursorScalesWithTheScreen_data();
    void eraserCursorScalesWithTheScreen();
};
