// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MainWindowFixture.h"

#include "FakeEnvironment.h"
#include "FakeSystemDialogs.h"
#include "MainWindow.h"
#include "Services.h"
#include "Settings.h"

#include <QObject>
#include <QTemporaryDir>

#include <memory>

// The pad's document through the real main window: undo and redo, deleting, saving
// and copying the picture.
class TestPadCommands : public QObject, protected MainWindowFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void menuEntries();
    void undoRestoresExactPixels_data();
    void undoRestoresExactPixels();
    void listFollowsUndo();
    void deleteAfterEditingLeavesNoCurvePixel();
    void savePicture_data();
    void savePicture();
    void copyPicturePutsImageAndSvg();

private:
    orvane::MainWindow& start();
    // A curve and a hand-drawn line on the pad.
    void drawSomething();
    QImage padImage() const;
};
