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
    void toolWindowsStayAboveTheOwner();
};
