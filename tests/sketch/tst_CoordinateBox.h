// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class TestCoordinateBox : public QObject {
    Q_OBJECT
private slots:
    void loadShowsTheDefaults();
    void padCoordinatesReachTheStatusBox();
    void dragWritesTopThenComesBackOnScreen_data();
    void dragWritesTopThenComesBackOnScreen();
    void rightReleaseOnModeFrameShowsDrawingMenu();
    void iconShowsHelpMenuOrAbout();
    void widenedFrameReachesTheIcon();
    void boxesInsideAWindowAreNotMoved();
};
