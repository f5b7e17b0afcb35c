// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CoordinateBox.h"
#include "DrawingMenu.h"
#include "FakeEnvironment.h"
#include "FakeSketchContext.h"
#include "FakeSystemDialogs.h"
#include "PadTestSupport.h"
#include "Services.h"
#include "SketchPad.h"
#include "SketchWindows.h"
#include "ToolBox.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace orvane::test {

// The sketch windows as the main window holds them, with the outside world faked.
struct SketchFixture {
    FakeSystemDialogs dialogs;
    FakeEnvironment environment;
    engine::Engine engine;
    Services services{dialogs, environment, engine};
    FakeSketchContext context;
    SketchWindows windows{services, context, nullptr};

    SketchFixture()
    {
        pad().resize(PadPixels, PadPixels);
        pad().show();
        tools().show();
        status().show();
    }

    SketchPad& pad() { return windows.pad(); }
    ToolBox& tools() { return windows.toolBox(); }
    CoordinateBox& status() { return windows.statusBar(); }

    template <typename T = QWidget> T* tool(const QString& name)
    {
        return tools().findChild<T*>(name);
    }
    void click(const QString& name) { QTest::mouseClick(tool(name), Qt::LeftButton); }
    // Types into an editable box and presses Enter, as a user picks a size.
    void choose(const QString& comboName, const QString& text)
    {
        auto* combo = tool<QComboBox>(comboName);
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo->lineEdit(), text);
        QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    }
    void typeOnly(const QString& comboName, const QString& text)
    {
        auto* combo = tool<QComboBox>(comboName);
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo->lineEdit(), text);
    }
};

} // namespace orvane::test
