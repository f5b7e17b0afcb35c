// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class TestPad : public QObject {
    Q_OBJECT
private slots:
    void loadState();
    void clickWithoutModeShowsGuidesUntilRelease();
    void moveShowsCoordinatesAndDottedGuides_data();
    void moveShowsCoordinatesAndDottedGuides();
    void pointMode();
    void lineRubberBandThenLine();
    void perpendicularsDashDot();
    void circleRubberBandThenCircle();
    void radiusPrintedInSinglePrecision();
    void eraserUsesSizeReadAtTheMoment_data();
    void eraserUsesSizeReadAtTheMoment();
    void otherButtonOnlyPopsUpTheMenu_data();
    void otherButtonOnlyPopsUpTheMenu();
    void resizeDrawsTheSketchAgain();
    void textBoxFollowsPressAndEnterPrints();
    void enterWithNothingTypedStillEndsTextMode();
};
