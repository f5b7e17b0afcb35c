// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PadDocument.h"
#include "SketchContext.h"

#include <QList>
#include <QPair>
#include <QStringList>

#include <functional>

namespace orvane {

// Stands in for the main window: answers the plotter's pen and records every request.
class FakeSketchContext : public SketchContext {
public:
    PadDocument& document() override { return padDocument; }
    Colour penColour() override { return pen; }
    int penWidth() override { return width; }
    void drawAxes() override
    {
        ++axesDrawn;
        if (onDrawAxes) onDrawAxes();
    }
    void showDrawingMenu(QPoint globalPos) override { drawingMenus << globalPos; }
    void showHelpMenu(QPoint globalPos) override { helpMenus << globalPos; }
    void setModeMenuCheck(int m) override { modeMenuChecks << m; }
    void setToolBoxMenuCheck(bool checked) override { toolBoxChecks << checked; }
    void setPlotterLineWidth(double w) override { plotterWidths << w; }
    void setPlotterLineColour(Colour c) override { plotterColours << c; }
    void openTool(int index) override { openedTools << index; }
    void showAbout() override { ++aboutShown; }
    void setSetupValue(const QString& key, const QString& value) override
    {
        settings << qMakePair(key, value);
    }

    PadDocument padDocument;
    Colour pen = 0x0000FF; // red
    int width = 1;
    int axesDrawn = 0;
    std::function<void()> onDrawAxes;
    QList<QPoint> drawingMenus;
    QList<QPoint> helpMenus;
    QList<int> modeMenuChecks;
    QList<bool> toolBoxChecks;
    QList<double> plotterWidths;
    QList<Colour> plotterColours;
    QList<int> openedTools;
    int aboutShown = 0;
    QList<QPair<QString, QString>> settings;
};

} // namespace orvane
