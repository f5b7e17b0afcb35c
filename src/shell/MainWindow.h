// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DocumentCommands.h"
#include "MainMenu.h"
#include "WorkDocument.h"
#include "PadDocument.h"
#include "PlotterHost.h"
#include "Services.h"
#include "SketchContext.h"
#include "WindowArrangement.h"

#include <QMainWindow>
#include <QPointer>
#include <QPrinter>

#include <memory>
#include <optional>

class QMdiArea;
class QMdiSubWindow;

namespace orvane {

class SketchPad;
class PlotterPanel;
class SketchWindows;
class CoordinateBox;
class ToolWindows;
class ToolBox;
class GeometryWindow;
class Settings;
class BoxDock;

// The main window: the menu bar over an area holding the sketch pad and the plotter,
// with the tool box docked along its left edge and the status box along its bottom
// (either may float). It owns every window of the
// program and connects them: the plotter and the sketch windows reach the rest of the
// program only through the host interfaces implemented here.
class MainWindow : public QMainWindow, public PlotterHost, public SketchContext {
    Q_OBJECT
public:
    MainWindow(Services& services, Settings& settings, QString helpFilePath,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    SketchPad* sketchPad() const { return pad_; }
    PlotterPanel* drawer() const { return drawer_; }
    ToolBox* toolBox() const { return toolBox_; }
    CoordinateBox* statusBox() const { return statusBox_; }
    BoxDock* toolDock() const { return toolDock_; }
    BoxDock* statusDock() const { return statusDock_; }
    QMdiSubWindow* padWindow() const { return padWindow_; }
    QMdiSubWindow* drawerWindow() const { return drawerWindow_; }
    const MainMenu& menu() const { return menu_; }
    WorkDocument& work() { return work_; }
    DocumentCommands& documentCommands() const { return *documentCommands_; }
    Settings& settings() const { return settings_; }
    Services& services() const { return services_; }
    const QString& helpFilePath() const { return helpFilePath_; }

    // Takes the screen class of `screenPixels` (showing the small-screen message there).
    void arrangeWindows(QSize screenPixels);
    // Places the pad and the plotter in the work area (the pad square, the plotter
    // beside it), the docks as last saved the first time, and floating boxes on the
    // screen. Run at start-up and again whenever the window or the screen changes.
    void layoutWindows();
    // The status box's top as stored in the settings, in pixels: it places a floating
    // status box at start-up.
    void setStoredStatusTop(int topPixels);
    // The geometry window on page `page`, created on first use.
    GeometryWindow* showGeometry(int page);

    // Menu commands, also reachable from tests.
    void chooseDrawMode(int m);
    void toggleWindow(QAction* item);
    void copySelectedEntry();
    void startCalculator();
    void exitWithoutSaving();

    // PlotterHost
    QString setupValue(const QString& key) override;
    void setSetupValue(const QString& key, const QString& value) override;
    void setInfoValue(const QString& key, const QString& value) override;
    void addConstantEntry(const QString& name, const QString& value, int position) override;
    void removeConstantEntry(int position) override;
    Surface& pad() override;
    PadDocument& document() override { return document_; }
    double padFontSize() override;
    void setProgressText(const QString& text) override;
    void setToolBoxLineWidthText(const QString& text) override;
    void setToolBoxPenColour(Colour colour) override;
    void setTextInputColour(Colour colour) override;
    void openToolWindow(ToolWindow window) override;
    void showCopyMenu(QPoint globalPos) override;

    // SketchContext
    Colour penColour() override;
    int penWidth() override;
    void drawAxes() override;
    void showDrawingMenu(QPoint globalPos) override;
    void showHelpMenu(QPoint globalPos) override;
    void setModeMenuCheck(int m) override;
    void setToolBoxMenuCheck(bool checked) override;
    void setPlotterLineWidth(double w) override;
    void setPlotterLineColour(Colour c) override;
    void openTool(int index) override;
    void showAbout() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectMenu();
    void connectDocumentCommands();
    void followScreenChanges();
    void shareDrawingShortcuts();
    void relayoutSoon();
    void makeDocks();
    void restoreDocks();
    void saveDocks();
    void placeFloatingStatus();
    void fitPlotterCaption();
    QList<QAction*> drawingActions() const;
    LayoutInput layoutInput() const;
    void showTipWindow();
    QWidget* shownTool(QWidget* window);

    Services& services_;
    Settings& settings_;
    QString helpFilePath_;
    MainMenu menu_;
    // Made before the plotter and the pad, which both work on it.
    PadDocument document_;
    // The whole work built on the pad's record; the document commands act on it.
    WorkDocument work_;
    std::unique_ptr<DocumentCommands> documentCommands_;
    QMdiArea* area_;
    PlotterPanel* drawer_ = nullptr;
    std::unique_ptr<SketchWindows> sketch_;
    SketchPad* pad_ = nullptr;
    ToolBox* toolBox_ = nullptr;
    CoordinateBox* statusBox_ = nullptr;
    QMdiSubWindow* padWindow_ = nullptr;
    QMdiSubWindow* drawerWindow_ = nullptr;
    std::unique_ptr<ToolWindows> tools_;
    QPointer<GeometryWindow> geometry_;
    QPrinter printer_;
    WindowArrangement arrangement_;
    std::optional<int> statusTop_;
    bool exiting_ = false;
    bool settingsFailureShown_ = false;
    bool laidOut_ = false;
    bool relayoutPending_ = false;
    BoxDock* toolDock_ = nullptr;
    BoxDock* statusDock_ = nullptr;
    int plotterCaptionHeight_ = 0;
};

} // namespace orvane
