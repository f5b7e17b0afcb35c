// SPDX-License-Identifier: GPL-3.0-or-later
// What the plotter panel and the sketch windows ask of the main window that owns them
// (the PlotterHost and SketchContext interfaces).
#include "MainWindow.h"

#include "CoordinateBox.h"
#include "GeometryWindow.h"
#include "PlotterPanel.h"
#include "Settings.h"
#include "SketchPad.h"
#include "ToolBox.h"
#include "ToolWindows.h"

#include <QMenu>

namespace orvane {

// --- PlotterHost ---------------------------------------------------------------------

QString MainWindow::setupValue(const QString& key)
{
    return settings_.getSetupValue(key);
}

void MainWindow::setSetupValue(const QString& key, const QString& value)
{
    settings_.setSetupValue(key, value);
}

void MainWindow::setInfoValue(const QString& key, const QString& value)
{
    settings_.setInfoValue(key, value);
}

void MainWindow::addConstantEntry(const QString& name, const QString& value, int position)
{
    settings_.addConstantEntry(name, value, position);
    work_.constantsChanged();
}

void MainWindow::removeConstantEntry(int position)
{
    settings_.removeConstantEntry(position);
    work_.constantsChanged();
}

Surface& MainWindow::pad()
{
    return pad_->surface();
}

double MainWindow::padFontSize()
{
    return toolBox_->fontSize();
}

void MainWindow::setProgressText(const QString& text)
{
    statusBox_->setProgressText(text);
}

void MainWindow::setToolBoxLineWidthText(const QString& text)
{
    toolBox_->setLineWidthText(text);
}

void MainWindow::setToolBoxPenColour(Colour colour)
{
    toolBox_->setForeSwatch(colour);
}

void MainWindow::setTextInputColour(Colour colour)
{
    pad_->setInputWordColour(colour);
}

void MainWindow::openToolWindow(ToolWindow window)
{
    switch (window) {
    case ToolWindow::Integral:
        tools_->openIntegral();
        break;
    case ToolWindow::Solver:
        tools_->openSolver();
        break;
    case ToolWindow::InverseTrig:
        tools_->openInverseTrig();
        break;
    case ToolWindow::ConsoleFormula:
        tools_->openConsole();
        break;
    case ToolWindow::Geometry:
        showGeometry(3);
        break;
    }
}

void MainWindow::showCopyMenu(QPoint globalPos)
{
    menu_.mnucopy->popup(globalPos);
}

// --- SketchContext -------------------------------------------------------------------

Colour MainWindow::penColour()
{
    return drawer_->penColour();
}

int MainWindow::penWidth()
{
    return drawer_->penWidth();
}

void MainWindow::drawAxes()
{
    if (drawer_) // the pad may ask while the windows are still being made
        drawer_->drawAxes();
}

void MainWindow::showDrawingMenu(QPoint globalPos)
{
    menu_.mnuD1->popup(globalPos);
}

void MainWindow::showHelpMenu(QPoint globalPos)
{
    menu_.mnuHelp0->popup(globalPos);
}

void MainWindow::setModeMenuCheck(int m)
{
    for (int i = 1; i <= 6; ++i)
        menu_.mnu[i]->setChecked(i == m);
}

void MainWindow::setToolBoxMenuCheck(bool checked)
{
    menu_.mnuToolsBox->setChecked(checked);
}

void MainWindow::setPlotterLineWidth(double w)
{
    drawer_->setLineWidth(w);
}

void MainWindow::setPlotterLineColour(Colour c)
{
    drawer_->setLineColour(c);
}

void MainWindow::openTool(int index)
{
    switch (index) {
    case 0:
        tools_->openSolver();
        break;
    case 1:
        showGeometry(geometry_ ? geometry_->currentGeometryPage() : 0);
        break;
    case 2:
        tools_->openConsole();
        break;
    case 3:
        tools_->openIntegral();
        break;
    default:
        break;
    }
}

} // namespace orvane
