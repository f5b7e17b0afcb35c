// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SystemDialogs.h"

#include <QPoint>
#include <QString>

namespace orvane {

class PadDocument;

// What the sketch pad, its tool box and its status box need of the rest of the
// program. The main window implements it; every value is read at the moment of use,
// the sketch windows keep no copies.
class SketchContext {
public:
    virtual ~SketchContext() = default;

    // The record of what the pad shows; the pad paints it and adds its hand drawing.
    virtual PadDocument& document() = 0;

    // Background colour of the plotter's colour swatch `LColor`.
    virtual Colour penColour() = 0;
    // Value of the plotter's line-width scroll bar `LB` (1 to 10).
    virtual int penWidth() = 0;
    // `drawAxes` with the plotter's `AxisColor` and the axis size shown by `LSize_0`.
    virtual void drawAxes() = 0;

    // Pop-up menus of the main window at a global screen position: the drawing menu
    // `mnuD1` and the help menu `mnuHelp0`.
    virtual void showDrawingMenu(QPoint globalPos) = 0;
    virtual void showHelpMenu(QPoint globalPos) = 0;
    // Check mark of the drawing-mode items `mnu_1` .. `mnu_6`: only item m is checked,
    // m = 0 removes every check.
    virtual void setModeMenuCheck(int m) = 0;
    // Check mark of "工具箱(&B)" (`mnuToolsBox`).
    virtual void setToolBoxMenuCheck(bool checked) = 0;

    // The plotter's width label `LLB` shows w, its scroll bar `LB` takes w rounded
    // (halves to even) and runs its own change handling.
    virtual void setPlotterLineWidth(double w) = 0;
    // The plotter's colour swatch `LColor` takes the colour.
    virtual void setPlotterLineColour(Colour c) = 0;

    // Shows a calculation tool, not modal: 0 the equation solver `EquationSolverWindow`, 1 the
    // geometry window `GeometryWindow`, 2 the console calculator `ConsoleCalculatorWindow`, 3
    // `IntegralWindow`.
    virtual void openTool(int index) = 0;
    // Shows the About box `AboutDialog`.
    virtual void showAbout() = 0;

    // Writes a key of section `Setup` of the settings file.
    virtual void setSetupValue(const QString& key, const QString& value) = 0;
};

} // namespace orvane
