// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class TestPadDocument : public QObject {
    Q_OBJECT
private slots:
    void replayEqualsDrawingStepByStep();
    void resizeThenReplayAtTheSameSizeIsTheSame();
    void undoRestoresAndRedoReapplies();
    void undoKeepsTheLastStepsOnly_data();
    void undoKeepsTheLastStepsOnly();
    void stepJoinsEverythingInside();
    void eraserStrokeAndAxesAreOneStep();
    void laterAxesReplaceEarlierOnesOfTheSameSize();
    void svgMatchesTheRasterWithinOnePixel();
    void svgAndPdfAreVector();
    void pngScale_data();
    void pngScale();
    void formatByExtension_data();
    void formatByExtension();
    void wheelZoomKeepsThePointUnderThePointer_data();
    void wheelZoomKeepsThePointUnderThePointer();
    void panningMovesTheWindow_data();
    void panningMovesTheWindow();
    void sketchFollowsTheView();
};
