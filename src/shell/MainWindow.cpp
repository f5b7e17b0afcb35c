// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindow.h"

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
    QCoreApplication::instance()->installEventFilter(this);
    setWindowTitle(QStringLiteral("Orvane(奥维恩) ") + QStringLiteral("3.0 Final"));
    setWindowIcon(QIcon(QStringLiteral(":/orvane/app/orvane.svg")));

    area_ = new QMdiArea(this);
    area_->setObjectName(QStringLiteral("MainFArea"));
    area_->setBackground(QColor(0x80, 0x80, 0x80));
    setCentralWidget(area_);
    menu_.build(menuBar(), this);

    // The load step: plotter, pad, tool box, status box, in this order. The plotter
    // is made first because the pad asks it for the axes as soon as it has a size.
    drawer_ = new PlotterPanel(*this, services_);
    sketch_ = std::make_unique<SketchWindows>(services_, *this, this);
    pad_ = &sketch_->pad();
    toolBox_ = &sketch_->toolBox();
    statusBox_ = &sketch_->statusBar();
    drawerWindow_ = addSubWindow(area_, drawer_);
    padWindow_ = addSubWindow(area_, pad_);
    padWindow_->setWindowTitle(QStringLiteral("作图板"));
    tools_ = std::make_unique<ToolWindows>(services_, this);
    connect(toolBox_, &ToolBox::captionReleased, this, [this] { toolBoxDocked_ = false; });

    drawerWindow_->show();
    padWindow_->show();
    toolBox_->show();
    statusBox_->show();
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
        printCommand(services_.dialogs, this, printer_, pad_->persistentImage(),
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
    const QAction* geometryItems[4] = {m.mnuTowdot, m.mnuDLJULI, m.mnuLineToLine,
                                       m.mnuQuadraticFunction};
    for (int page = 0; page < 4; ++page)
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

LayoutInput MainWindow::layoutInput() const
{
    LayoutInput in;
    in.screenClass = arrangement_.screenClass;
    in.available = services_.environment.availableScreenArea();
    const QWidget* viewport = area_->viewport();
    in.workArea = QRect(viewport->mapToGlobal(QPoint(0, 0)), viewport->size());
    in.padFrame = frameOf(padWindow_, pad_);
    // The plotter scrolls its controls when it is too short: ask for their full height.
    const auto* content = drawer_->findChild<QWidget*>(QStringLiteral("DrawerContent"));
    in.plotterNeeds = (content ? content->minimumSizeHint() : drawer_->minimumSizeHint()) +
                      frameOf(drawerWindow_, drawer_);
    in.toolStripWidth = ToolStripPixels;
    in.toolBoxHeight = toolBox_->sizeHint().height();
    in.statusHeight = statusBox_->height();
    in.statusTop = statusTop_;
    return in;
}

void MainWindow::layoutWindows()
{
    const ScreenLayout layout = orvane::layoutWindows(layoutInput());
    statusBox_->fitToWidth(layout.statusBox.width());
    statusBox_->move(layout.statusBox.topLeft());
    if (layout.statusTopCorrected) {
        settings_.setSetupValue(QStringLiteral("StateBoxTop"),
                                integerText(qint64(layout.statusBox.top()) * TwipsPerPixel));
    }
    statusTop_ = layout.statusBox.top();
    padWindow_->setGeometry(layout.pad);
    drawerWindow_->setGeometry(layout.plotter);
    if (toolBoxDocked_) toolBox_->setGeometry(layout.toolBox);
    laidOut_ = true;
    raiseBoxes();
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
    }
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
    QWidget* window = item == menu_.mnuToolsBox ? static_cast<QWidget*>(toolBox_)
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
    // A click into the main window brings it to the front, and some window managers then
    // stack it over its own boxes: they come back on top once the click is handled.
    if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this)
        QTimer::singleShot(0, this, &MainWindow::raiseBoxes);
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    // Owned boxes stay above the main window when it comes to the front; above other
    // programs they never are.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) raiseBoxes();
    if (event->type() == QEvent::WindowStateChange) followMinimizing();
}

void MainWindow::followMinimizing()
{
    // The program's own windows go with the main window into the task bar and come back
    // with it: not every window manager does that for owned windows.
    if (isMinimized()) {
        for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (child->isWindow() && child->isVisible()) {
                hiddenWithWindow_ << child;
                child->hide();
            }
        return;
    }
    const QList<QPointer<QWidget>> hidden = std::exchange(hiddenWithWindow_, {});
    for (const QPointer<QWidget>& child : hidden)
        if (child) child->show();
    raiseBoxes();
}

void MainWindow::raiseBoxes()
{
    for (QWidget* box : {static_cast<QWidget*>(toolBox_), static_cast<QWidget*>(statusBox_)})
        if (box && box->isVisible()) box->raise();
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
