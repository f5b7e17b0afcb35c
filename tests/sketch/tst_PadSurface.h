// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class TestPadSurface : public QObject {
    Q_OBJECT
private slots:
    void overdrawInBackgroundRestoresEveryPixel_data();
    void overdrawInBackgroundRestoresEveryPixel();
    void worldSquareCoversTheWholeImage_data();
    void worldSquareCoversTheWholeImage();
    void circleIsRoundOnAStretchedSurface();
    void aspectGivesEllipses();
    void transientLayerClearsAlone();
    void persistentDrawingRemovesTransientMarks();
    void backColourClearsToIt();
    void textTopLeftAtCurrentPoint();
    void pointFollowsPenWidth();
    void dottedAndDashDotDifferFromSolid();
    void batchDrawsTheSamePixelsAndReportsOnce();
    void highDensityLayersKeepTheGeometry_data();
    void highDensityLayersKeepTheGeometry();
    void highDensityPictureIsTheSharpOne();
};
