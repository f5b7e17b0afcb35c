// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SystemDialogs.h"

#include <QPoint>
#include <QString>

namespace orvane {

class PadDocument;
class Surface;

// The calculation windows that the plotter's tools page opens.
enum class ToolWindow { Integral, Solver, InverseTrig, ConsoleFormula, Geometry };

// What the plotter panel needs of the rest of the program. The main window implements
// it: settings go to the settings file at once, the pad is the sketch pad's surface.
class PlotterHost {
public:
    virtual ~PlotterHost() = default;

    virtual QString setupValue(const QString& key) = 0;
    virtual void setSetupValue(const QString& key, const QString& value) = 0;
    virtual void setInfoValue(const QString& key, const QString& value) = 0;
    virtual void addConstantEntry(const QString& name, const QString& value, int position) = 0;
    virtual void removeConstantEntry(int position) = 0;

    // The one drawing surface: the sketch pad.
    virtual Surface& pad() = 0;
    // The record of what the pad shows, painted onto pad().
    virtual PadDocument& document() = 0;
    // Font size chosen in the sketch tool box (`CFont`), which the pad returns to
    // after drawing the axes.
    virtual double padFontSize() = 0;
    // Progress line `L1` of the status box.
    virtual void setProgressText(const QString& text) = 0;

    // Mirrors in the sketch tool box and the pad's text box.
    virtual void setToolBoxLineWidthText(const QString& text) = 0; // `CLineWide`
    virtual void setToolBoxPenColour(Colour colour) = 0;           // `LBeforeColor`
    virtual void setTextInputColour(Colour colour) = 0;            // `InputWord`

    virtual void openToolWindow(ToolWindow window) = 0;
    // The copy pop-up menu `mnucopy` at a global position.
    virtual void showCopyMenu(QPoint globalPos) = 0;
};

// A plotter without the rest of the program around it (picture rendering, benchmarks):
// no constants list to keep, no status box, tool box or other windows to reach.
class WindowlessPlotterHost : public PlotterHost {
public:
    void setInfoValue(const QString&, const QString&) override {}
    void addConstantEntry(const QString&, const QString&, int) override {}
    void removeConstantEntry(int) override {}
    double padFontSize() override { return 9; }
    void setProgressText(const QString&) override {}
    void setToolBoxLineWidthText(const QString&) override {}
    void setToolBoxPenColour(Colour) override {}
    void setTextInputColour(Colour) override {}
    void openToolWindow(ToolWindow) override {}
    void showCopyMenu(QPoint) override {}
};

} // namespace orvane
