#include "MainWindow.h"

#include "CoordinateBox.h"
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
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>

namespace orvane {

namespace {

const QStringList DesktopCalculators = {
    QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
    QStringLiteral("galculator"),       QStringLiteral("mate-calc"),
    QStringLiteral("qalculate-gtk"),    QStringLiteral("xcalc")};

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
      helpFilePath_(std::move(helpFilePath))
{
    setObjectName(QStringLiteral("MainF"));
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
}

MainWindow::~MainWindow() = default;

void MainWindow::connectMenu()
{
    const MainMenu& m = menu_;
    connect(m.mnuOpen, &QAction::triggered, this,
            [this] { ImportFunctionFileCommand(services_.dialogs, this, *drawer_); });
    connect(m.mnuSaveFun, &QAction::triggered, this,
            [this] { SaveCurrentFunctionCommand(services_.dialogs, this, *drawer_); });
    connect(m.mnuSaveFA, &QAction::triggered, this,
            [this] { SaveAllFunctionsCommand(services_.dialogs, this, *drawer_); });
    connect(m.mnuSave, &QAction::triggered, this, [this] {
        SavePictureCommand(services_.dialogs, this, document_, pad_->persistentImage());
    });
    connect(m.mnuPrint, &QAction::triggered, this, [this] {
        PrintCommand(services_.dialogs, this, printer_, pad_->persistentImage(),
                     pad_->surface().backColour());
    });
    connect(m.mnuCreateShort, &QAction::triggered, this,
            [this] { OfferShortcuts(services_, this, helpFilePath_); });
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
            [this] { CopyPictureToClipboard(document_, pad_->persistentImage()); });

    for (QAction* item : {m.mnuDrawer, m.mnuOption, m.mnuToolsBox})
        connect(item, &QAction::triggered, this, [this, item] { toggleWindow(item); });

    connect(m.mnuJFCheng, &QAction::triggered, this,
            [this] { openToolWindow(ToolWindow::Solver); });
    connect(m.mnuCouBian, &QAction::triggered, this, [this] {
        drawerWindow_->show();
        drawer_->ShowPanelTab(3);
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
    connect(m.mnuAddConst, &QAction::triggered, this, [this] { drawer_->ShowPanelTab(4); });

    connect(m.mnuHelp, &QAction::triggered, this,
            [this] { services_.environment.openDocument(helpFilePath_); });
    connect(m.mnuRiNew, &QAction::triggered, this, &MainWindow::showTipWindow);
    connect(m.mnuAbout, &QAction::triggered, this, &MainWindow::showAbout);
    connect(m.mnucopy0, &QAction::triggered, this, &MainWindow::copySelectedEntry);
}

void MainWindow::placeToolBox()
{
    // Docked at the left edge of the work area, below the menu bar, down to the status box.
    if (!toolBox_ || !statusBox_) return;
    const QPoint topLeft = area_->mapToGlobal(QPoint(0, 0));
    const int bottom = statusBox_->isVisible() ? statusBox_->y() : topLeft.y() + area_->height();
    toolBox_->setGeometry(topLeft.x(), topLeft.y(), ToolStripPixels,
                          std::max(ToolStripPixels, bottom - topLeft.y()));
}

void MainWindow::arrangeWindows(QSize screenPixels)
{
    arrangement_ = ArrangeWindows(screenPixels, screenPixels.width() * TwipsPerPixel);
    if (arrangement_.showSmallScreenMessage)
        services_.dialogs.inform(this, SmallScreenMessage(), MessageIcon::Information);
    fitWindows();
    if (arrangement_.showPlotterAgain) drawerWindow_->show();
    if (arrangement_.widenStatusFrame) statusBox_->widenStatusFrame();
}

void MainWindow::fitWindows()
{
    QSize workArea = area_->viewport()->size();
    // The floating status box lies over the bottom of the work area: end above it.
    if (statusBox_->isVisible()) {
        const int statusTop = area_->mapFromGlobal(statusBox_->pos()).y();
        if (statusTop > 100 && statusTop < workArea.height()) workArea.setHeight(statusTop);
    }
    const PixelLayout layout = FitToWorkArea(arrangement_, workArea, ToolStripPixels);
    padWindow_->setGeometry(layout.pad);
    drawerWindow_->setGeometry(layout.plotter);
}

GeometryWindow* MainWindow::showGeometry(int page)
{
    if (!geometry_) geometry_ = new GeometryWindow(services_, this);
    geometry_->show();
    geometry_->raise();
    geometry_->activateWindow();
    geometry_->ShowGeometryPage(page);
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
    exiting_ = true;
    QApplication::exit(0);
}

void MainWindow::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    if (toolBoxDocked_) placeToolBox();
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (toolBoxDocked_) placeToolBox();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!exiting_) drawer_->saveExpressions();
    event->accept();
    QApplication::quit();
}

void MainWindow::showTipWindow()
{
    ShowTipWindow(services_, settings_, this);
}

// --- PlotterHost ---------------------------------------------------------------------

QString MainWindow::setupValue(const QString& key)
{
    return settings_.GetSetupValue(key);
}

void MainWindow::setSetupValue(const QString& key, const QString& value)
{
    settings_.SetSetupValue(key, value);
}

void MainWindow::setInfoValue(const QString& key, const QString& value)
{
    settings_.SetInfoValue(key, value);
}

void MainWindow::addConstantEntry(const QString& name, const QString& value, int position)
{
    settings_.AddConstantEntry(name, value, position);
}

void MainWindow::removeConstantEntry(int position)
{
    settings_.RemoveConstantEntry(position);
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

void MainWindow::showAbout()
{
    ShowAboutBox(services_, this);
}

} // namespace orvane
