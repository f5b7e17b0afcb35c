// SPDX-License-Identifier: GPL-3.0-or-later
#include "OffscreenScreens.h"
#include "TestMain.h"
#include "tst_FirstStart.h"
#include "tst_Keyboard.h"
#include "tst_MainWindow.h"
#include "tst_PadCommands.h"
#include "tst_ScreenLayout.h"

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char** argv)
{
    const QTemporaryDir folder;
    orvane::test::useTestScreens(folder.path());
    QApplication app(argc, argv);
    return runTests<TestArrangement, TestMainWindow, TestPadCommands, TestScreenLayout,
                    TestKeyboard, TestFirstStart>(argc, argv);
}
