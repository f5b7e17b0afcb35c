// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>
#include <QMenu>

class QMenuBar;

namespace orvane {

// The main window's menu tree; every item carries its name as objectName.
struct MainMenu {
    QMenu* mnuDo = nullptr;
    QAction* mnuNew = nullptr;
    QAction* mnuOpenDocument = nullptr;
    QAction* mnuSaveDocument = nullptr;
    QAction* mnuSaveDocumentAs = nullptr;
    QMenu* mnuRecent = nullptr;
    QAction* mnuOpen = nullptr;
    QAction* mnuSaveFun = nullptr;
    QAction* mnuSaveFA = nullptr;
    QAction* mnuSave = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuCreateShort = nullptr;
    QAction* mnuExit = nullptr;

    QMenu* mnuD1 = nullptr;
    QAction* mnu[7] = {}; // indexes 1 to 6: drawing modes
    QAction* mnuAbort = nullptr;
    QAction* mnuClear = nullptr;
    QAction* mnuReXY = nullptr;
    QAction* mnuUndo = nullptr;
    QAction* mnuRedo = nullptr;
    QAction* mnuCopyPicture = nullptr;

    QMenu* mnuView = nullptr;
    QAction* mnuDrawer = nullptr;
    QAction* mnuOption = nullptr;
    QAction* mnuToolsBox = nullptr;
    QAction* mnuZoomIn = nullptr;
    QAction* mnuZoomOut = nullptr;
    QAction* mnuZoomReset = nullptr;
    QAction* mnuTrigView = nullptr;

    QMenu* mnuTools = nullptr;
    QAction* mnuJFCheng = nullptr;
    QAction* mnuCouBian = nullptr;
    QAction* mnuIntegral = nullptr;
    QAction* mnuFrmCount = nullptr;
    QMenu* mnuJHJX = nullptr;
    QAction* mnuTowdot = nullptr;
    QAction* mnuDLJULI = nullptr;
    QAction* mnuLineToLine = nullptr;
    QAction* mnuQuadraticFunction = nullptr;
    QAction* mnuPointCurve = nullptr;
    QAction* mnuTwoCircles = nullptr;
    QAction* mnuCount = nullptr;
    QAction* mnuAddConst = nullptr;

    QMenu* mnuHelp0 = nullptr;
    QAction* mnuHelp = nullptr;
    QAction* mnuRiNew = nullptr;
    QAction* mnuAbout = nullptr;

    // Pop-up only, never on the menu bar.
    QMenu* mnucopy = nullptr;
    QAction* mnucopy0 = nullptr;

    // Builds the tree into `bar`; the pop-up menu is parented to `owner`.
    void build(QMenuBar* bar, QWidget* owner);
};

} // namespace orvane
