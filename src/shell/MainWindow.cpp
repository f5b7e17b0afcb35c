// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindow.h"

#include "BoxDock.h"
#include "ClickFocus.h"
#include "CoordinateBox.h"
#include "FunctionGraphFile.h"
#include "Startup.h"
#include "FunctionGraphCommands.h"
#include "GeometryWindow.h"
#include "PictureExport.h"
#include "PlotterPanel.h"
#include "QtText.h"
#include "Settings.h"
#include "ShellWindows.h"
#include "SketchPad.h"
#include "SketchWindows.h"
#include "ToolBox.h"
#include "ToolWindows.h"
#include "WindowArrangement.h"
#include "WindowPlaces.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

#include <utility>

namespace orvane {

namespace {

const QStringList DesktopCalculators = {
    QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
    QStringLiteral("galculator"),       QStringLiteral("mate-calc"),
    QStringLiteral("qalculate-gtk"),    QStringLiteral("xcalc")};

// What a sub-window adds around its widget: title bar and borders.
QSize frameOf(QMdiSubWindow* window, QWidget* widget)
{
    if (window->layout()) window->layout()->activate();
    const QSize frame = window->size() - widget->size();
    return frame.isValid() ? frame : QSize(0, 0);
}

QMdiSubWindow* addSubWindow(QMdiArea* area, QWidget* widget)
{
    QMdiSubWindow* window =
        area->addSubWindow(widget, Qt::SubWindow | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    window->setObjectName(widget->objectName() + QStringLiteral("Window"));
    return window;
}

} // namespace

MainWindow::MainWindow(Services& services, Settings& settings, QString helpFilePath,
                       QWidget* parent)
    : QMainWindow(parent), services_(services), settings_(settings),
      helpFilePath_(std::move(helpFilePath)), work_(document_, services.engine)
{
    setObjectName(QStringLiteral("MainF"));
    setWindowTitle(QStringLiteral("Orvane(奥维恩) ") + QStringLiteral("3.0 Final"));
    setWindowIcon(QIcon(QStringLiteral(":/orvane/app/orvane.svg")));

    area_ = new QMdiArea(this);
    area_->setObjectName(QStringLiteral("MainFArea"));
    area_->setBackground(QColor(0x80, 0x80, 0x80));
    setCentralWidget(area_);
    // Docks floated out or back in change the work area without moving the window.
    area_->installEventFilter(this);
    menu_.build(menuBar(), this);

    // The load step: plotter, pad, tool box, status box, in this order. The plotter
    // is made first because the pad asks it for the axes as soon as it has a size.
    drawer_ = new PlotterPanel(*this, services_);
    keepClicksOffTheFocus(drawer_);
    sketch_ = std::make_unique<SketchWindows>(services_, *this, this);
    pad_ = &sketch_->pad();
    toolBox_ = &sketch_->toolBox();
    statusBox_ = &sketch_->statusBar();
    drawerWindow_ = addSubWindow(area_, drawer_);
    padWindow_ = addSubWindow(area_, pad_);
    padWindow_->setWindowTitle(QStringLiteral("作图板"));
    tools_ = std::make_unique<ToolWindows>(services_, this);
    makeDocks();

    drawerWindow_->show();
    padWindow_->show();
    pad_->surface().setPersistent(true);
    drawer_->setFocus();
    connectMenu();
    shareDrawingShortcuts();
    followScreenChanges();
    // Said once a run: every later change would fail the same way.
    settings_.setWriteFailureHandler([this](const QString& path) {
        if (settingsFailureShown_) return;
        settingsFailureShown_ = true;
        services_.dialogs.informCannotWrite(this, QStringLiteral("无法保存设置文件："), path);
    });
}

MainWindow::~MainWindow()
{
    settings_.setWriteFailureHandler({});
}

void MainWindow::connectDocumentCommands()
{
    DocumentCommands::Hooks hooks;
    hooks.defaults = [this] {
        DocumentDefaults defaults = documentDefaultsFrom(plotterSettingsFrom(settings_));
        defaults.axes.fontSize = padFontSize();
        return defaults;
    };
    hooks.followWork = [this] {
        drawer_->followWork(work_.axesColour());
        // The settings file keeps the constants of the work now shown.
        const qsizetype stored = settings_.savedConstants().value_or(QList<NamedValue>()).size();
        for (qsizetype i = 0; i < stored; ++i)
            settings_.removeConstantEntry(1);
        const DocumentContent content = work_.content();
        for (int i = 0; i < int(content.constants.size()); ++i)
            settings_.addConstantEntry(content.constants[std::size_t(i)].name,
                                       content.constants[std::size_t(i)].value, i + 1);
    };
    hooks.importFunctionFile = [this](const QString& path) {
        return openFunctionFile(path, *drawer_);
    };
    work_.setHelpColour([this](Colour c) { return drawer_->helpColor(c); });
    documentCommands_ = std::make_unique<DocumentCommands>(work_, services_.dialogs, settings_,
                                                           this, std::move(hooks));
    DocumentCommands* commands = documentCommands_.get();
    const MainMenu& m = menu_;
    connect(m.mnuNew, &QAction::triggered, commands, &DocumentCommands::newDocument);
    connect(m.mnuOpenDocument, &QAction::triggered, commands, &DocumentCommands::open);
    connect(m.mnuSaveDocument, &QAction::triggered, commands, &DocumentCommands::save);
    connect(m.mnuSaveDocumentAs, &QAction::triggered, commands, &DocumentCommands::saveAs);
    connect(m.mnuRecent, &QMenu::aboutToShow, commands,
            [this] { documentCommands_->fillRecentMenu(menu_.mnuRecent); });
    documentCommands_->fillRecentMenu(menu_.mnuRecent);
    connect(commands, &DocumentCommands::captionChanged, this, &QWidget::setWindowTitle);
}

void MainWindow::connectMenu()
{
    connectDocumentCommands();
    const MainMenu& m = menu_;
    connect(m.mnuOpen, &QAction::triggered, this,
            [this] { importFunctionFileCommand(services_.dialogs, this, *drawer_); });
    connect(m.mnuSaveFun, &QAction::triggered, this,
            [this] { saveCurrentFunctionCommand(services_.dialogs, this, *drawer_); });
    connect(m.mnuSaveFA, &QAction::triggered, this,
            [this] { saveAllFunctionsCommand(services_.dialogs, this, *drawer_); });
    connect(m.mnuSave, &QAction::triggered, this, [this] {
        savePictureCommand(services_.dialogs, this, document_, pad_->persistentImage());
    });
    connect(m.mnuPrint, &QAction::triggered, this, [this] {
        printCommand(services_.dialogs, this, printer_, document_,
                     pad_->persistentImage().deviceIndependentSize().toSize(),
                     pad_->surface().backColour());
    });
    connect(m.mnuCreateShort, &QAction::triggered, this,
            [this] { offerShortcuts(services_, this, helpFilePath_); });
    connect(m.mnuExit, &QAction::triggered, this, &MainWindow::exitWithoutSaving);

    for (int i = 1; i <= 6; ++i)
        connect(m.mnu[i], &QAction::triggered, this, [this, i] { chooseDrawMode(i); });
    connect(m.mnuAbort, &QAction::triggered, this, [this] { chooseDrawMode(0); });
    connect(m.mnuClear, &QAction::triggered, this, [this] {
        const PadDocument::Step step(document_);
        PadState cleared = document_.state();
        cleared.picture.clear();
        document_.replace(std::move(cleared));
        drawer_->drawAxes();
        drawer_->clearList();
    });
    connect(m.mnuReXY, &QAction::triggered, this, [this] { drawer_->drawAxes(); });
    connect(m.mnuUndo, &QAction::triggered, this, [this] { document_.undo(); });
    connect(m.mnuRedo, &QAction::triggered, this, [this] { document_.redo(); });
    // Undo and redo are offered only when there is a step to take.
    const auto followHistory = [this] {
        menu_.mnuUndo->setEnabled(document_.canUndo());
        menu_.mnuRedo->setEnabled(document_.canRedo());
    };
    connect(&document_, &PadDocument::stateChanged, this, followHistory);
    followHistory();
    connect(m.mnuCopyPicture, &QAction::triggered, this,
            [this] { copyPictureToClipboard(document_, pad_->persistentImage()); });

    for (QAction* item : {m.mnuDrawer, m.mnuOption, m.mnuToolsBox})
        connect(item, &QAction::triggered, this, [this, item] { toggleWindow(item); });
    // The window of the plane the pad shows; not undo steps.
    connect(m.mnuZoomIn, &QAction::triggered, this, [this] { pad_->zoomBy(0.8); });
    connect(m.mnuZoomOut, &QAction::triggered, this, [this] { pad_->zoomBy(1.25); });
    connect(m.mnuZoomReset, &QAction::triggered, this, [this] { pad_->showClassicView(); });
    connect(m.mnuTrigView, &QAction::triggered, this, [this] { pad_->showTrigonometricView(); });

    connect(m.mnuJFCheng, &QAction::triggered, this,
            [this] { openToolWindow(ToolWindow::Solver); });
    connect(m.mnuCouBian, &QAction::triggered, this, [this] {
        drawerWindow_->show();
        drawer_->showPanelTab(3);
    });
    connect(m.mnuIntegral, &QAction::triggered, this,
            [this] { openToolWindow(ToolWindow::Integral); });
    connect(m.mnuFrmCount, &QAction::triggered, this,
            [this] { openToolWindow(ToolWindow::InverseTrig); });
    const QAction* geometryItems[6] = {m.mnuTowdot,     m.mnuDLJULI,
                                       m.mnuLineToLine, m.mnuQuadraticFunction,
                                       m.mnuPointCurve, m.mnuTwoCircles};
    for (int page = 0; page < 6; ++page)
        connect(geometryItems[page], &QAction::triggered, this,
                [this, page] { showGeometry(page); });
    connect(m.mnuCount, &QAction::triggered, this, &MainWindow::startCalculator);
    connect(m.mnuAddConst, &QAction::triggered, this, [this] { drawer_->showPanelTab(4); });

    connect(m.mnuHelp, &QAction::triggered, this,
            [this] { showHelpWindow(services_, helpFilePath_, this); });
    connect(m.mnuRiNew, &QAction::triggered, this, &MainWindow::showTipWindow);
    connect(m.mnuAbout, &QAction::triggered, this, &MainWindow::showAbout);
    connect(m.mnucopy0, &QAction::triggered, this, &MainWindow::copySelectedEntry);
}

QList<QAction*> MainWindow::drawingActions() const
{
    QList<QAction*> actions;
    for (QAction* action : menu_.mnuD1->actions())
        if (!action->shortcut().isEmpty()) actions << action;
    return actions;
}

void MainWindow::shareDrawingShortcuts()
{
    // The drawing shortcuts work in whichever of the program's windows has the focus.
    const QList<QAction*> actions = drawingActions();
    toolBox_->addActions(actions);
    statusBox_->addActions(actions);
    tools_->setSharedActions(actions);
}

void MainWindow::followScreenChanges()
{
    // A projector plugged in, a panel added, the resolution changed: lay out again.
    const auto watch = [this](QScreen* screen) {
        connect(screen, &QScreen::availableGeometryChanged, this, &MainWindow::layoutWindows);
    };
    for (QScreen* screen : QGuiApplication::screens())
        watch(screen);
    connect(qGuiApp, &QGuiApplication::screenAdded, this, [this, watch](QScreen* screen) {
        watch(screen);
        layoutWindows();
    });
    connect(qGuiApp, &QGuiApplication::primaryScreenChanged, this, &MainWindow::layoutWindows);
}

void MainWindow::makeDocks()
{
    const auto available = [this] { return services_.environment.availableScreenArea(); };
    toolDock_ = new BoxDock(toolBox_, toolBox_->drag(), Qt::LeftDockWidgetArea,
                            toolBox_->captionHeight(), available, this);
    toolDock_->setWindowTitle(QStringLiteral("工具箱"));
    statusDock_ =
        new BoxDock(statusBox_, statusBox_->drag(), Qt::BottomDockWidgetArea, 0, available, this);
    statusDock_->setWindowTitle(QStringLiteral("状态栏"));
    // The status bar spans the whole window, under the tool box.
    setCorner(Qt::BottomLeftCorner, Qt::BottomDockWidgetArea);
    setCorner(Qt::BottomRightCorner, Qt::BottomDockWidgetArea);
    for (BoxDock* dock : {toolDock_, statusDock_})
        connect(dock, &BoxDock::placeChanged, this, &MainWindow::saveDocks);
}

void MainWindow::restoreDocks()
{
    const QHash<QString, DockPlace> places =
        dockLayoutFrom(settings_.getSetupValue(QStringLiteral("DockLayout")));
    for (BoxDock* dock : {toolDock_, statusDock_})
        dock->moveTo(places.value(dock->widget()->objectName(), {dock->home(), {}}));
    placeFloatingStatus();
}

void MainWindow::setStoredStatusTop(int topPixels)
{
    statusTop_ = topPixels;
    if (laidOut_) placeFloatingStatus();
}

void MainWindow::placeFloatingStatus()
{
    // The stored top places a floating status box once, at start-up; docked, it has
    // its place along the window's edge.
    if (statusTop_ && statusDock_->isFloating())
        statusDock_->floatAt(QPoint(statusDock_->x(), *statusTop_));
    statusTop_.reset();
}

void MainWindow::saveDocks()
{
    QHash<QString, DockPlace> places;
    for (BoxDock* dock : {toolDock_, statusDock_})
        places.insert(dock->widget()->objectName(), dock->place());
    settings_.setSetupValue(QStringLiteral("DockLayout"), dockLayoutText(places));
}

LayoutInput MainWindow::layoutInput() const
{
    LayoutInput in;
    in.screenClass = arrangement_.screenClass;
    const QWidget* viewport = area_->viewport();
    in.workArea = QRect(viewport->mapToGlobal(QPoint(0, 0)), viewport->size());
    in.padFrame = frameOf(padWindow_, pad_);
    // The plotter scrolls its controls when it is too short: ask for their full width.
    const auto* content = drawer_->findChild<QWidget*>(QStringLiteral("DrawerContent"));
    in.plotterNeeds = (content ? content->minimumSizeHint() : drawer_->minimumSizeHint()) +
                      frameOf(drawerWindow_, drawer_);
    // On a medium screen the pad is at least as large as the classic arrangement made it.
    if (arrangement_.screenClass == ScreenClass::Medium)
        in.leastPadSide = arrangement_.pad.width() / TwipsPerPixel - in.padFrame.width();
    return in;
}

void MainWindow::layoutWindows()
{
    if (!laidOut_) restoreDocks();
    laidOut_ = true;
    const QRect available = services_.environment.availableScreenArea();
    // A floating status bar spans the screen it is on.
    if (statusDock_->isFloating()) statusDock_->resize(available.width(), statusDock_->height());
    for (BoxDock* dock : {toolDock_, statusDock_})
        dock->keepOnScreen();
    fitPlotterCaption();
    const ScreenLayout layout = orvane::layoutWindows(layoutInput());
    padWindow_->setGeometry(layout.pad);
    drawerWindow_->setGeometry(layout.plotter);
}

void MainWindow::fitPlotterCaption()
{
    // Where the plotter's controls would not all fit under its caption, the caption goes
    // and they are all in view.
    if (plotterCaptionHeight_ == 0)
        plotterCaptionHeight_ = frameOf(drawerWindow_, drawer_).height();
    const auto* content = drawer_->findChild<QWidget*>(QStringLiteral("DrawerContent"));
    const int needs = (content ? content->minimumSizeHint() : drawer_->minimumSizeHint()).height();
    const bool uncaptioned = area_->viewport()->height() < needs + plotterCaptionHeight_;
    if (uncaptioned == drawerWindow_->windowFlags().testFlag(Qt::FramelessWindowHint)) return;
    const bool shown = drawerWindow_->isVisible();
    drawerWindow_->setWindowFlag(Qt::FramelessWindowHint, uncaptioned);
    if (shown) drawerWindow_->show();
}

void MainWindow::arrangeWindows(QSize screenPixels)
{
    arrangement_ = orvane::arrangeWindows(screenPixels, screenPixels.width() * TwipsPerPixel);
    if (arrangement_.showSmallScreenMessage)
        services_.dialogs.inform(this, smallScreenMessage(), MessageIcon::Information);
    if (arrangement_.showPlotterAgain) drawerWindow_->show();
    if (arrangement_.widenStatusFrame) statusBox_->widenStatusFrame();
}

GeometryWindow* MainWindow::showGeometry(int page)
{
    if (!geometry_) {
        geometry_ = new GeometryWindow(services_, this);
        geometry_->addActions(drawingActions());
        // The steps are on unless the user switched them off ("0").
        const QString steps = QStringLiteral("GeometrySteps");
        geometry_->setStepsShown(settings_.getSetupValue(steps) != QLatin1String("0"));
        connect(geometry_, &GeometryWindow::stepsShownChanged, this, [this, steps](bool shown) {
            settings_.setSetupValue(steps, shown ? QStringLiteral("1") : QStringLiteral("0"));
        });
    }
    if (!geometry_->isVisible()) WindowPlaces::of(this).place(geometry_);
    geometry_->show();
    geometry_->raise();
    geometry_->activateWindow();
    geometry_->showGeometryPage(page);
    return geometry_;
}

void MainWindow::chooseDrawMode(int m)
{
    sketch_->chooseDrawMode(m);
}

void MainWindow::toggleWindow(QAction* item)
{
    // Each switch keeps its own tick, so "画图栏" and "属性栏" may disagree.
    const bool show = item->isChecked();
    QWidget* window = item == menu_.mnuToolsBox ? static_cast<QWidget*>(toolDock_)
                                                : static_cast<QWidget*>(drawerWindow_);
    window->setVisible(show);
    if (item == menu_.mnuToolsBox) statusBox_->setFocus();
}

void MainWindow::copySelectedEntry()
{
    const QString text = drawer_->selectedEntryText();
    if (!text.isEmpty()) QApplication::clipboard()->setText(text);
}

void MainWindow::startCalculator()
{
    if (!services_.environment.startFirstProgram(DesktopCalculators))
        services_.dialogs.inform(this, QStringLiteral("请在WINDOWS中添加"));
}

void MainWindow::exitWithoutSaving()
{
    if (!documentCommands_->confirmDiscard()) return;
    documentCommands_->removeAutosave();
    exiting_ = true;
    QApplication::exit(0);
}

void MainWindow::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    relayoutSoon();
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    relayoutSoon();
}

void MainWindow::relayoutSoon()
{
    // The window manager places and sizes the maximized window after it is shown: lay
    // out again once it has settled, and whenever the window moves or changes size.
    if (!laidOut_ || relayoutPending_) return;
    relayoutPending_ = true;
    QTimer::singleShot(0, this, [this] {
        relayoutPending_ = false;
        layoutWindows();
    });
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == area_ && event->type() == QEvent::Resize) relayoutSoon();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!exiting_) {
        if (!documentCommands_->confirmDiscard()) {
            event->ignore();
            return;
        }
        documentCommands_->removeAutosave();
        drawer_->saveExpressions();
    }
    event->accept();
    QApplication::quit();
}

void MainWindow::showTipWindow()
{
    orvane::showTipWindow(services_, settings_, this);
}

void MainWindow::showAbout()
{
    showAboutBox(services_, this);
}

} // namespace orvane
