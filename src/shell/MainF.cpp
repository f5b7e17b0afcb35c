#include "MainF.h"

#include "DP.h"
#include "Drawer.h"
#include "FunctionGraphCommands.h"
#include "PictureExport.h"
#include "QtText.h"
#include "StatusBar.h"
#include "ToolWindows.h"
#include "WinTools.h"
#include "WindowArrangement.h"
#include "fCountPanel.h"
#include "mIni.h"
#include "SketchWindows.h"
#include "ShellWindows.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>

namespace orvane {

namespace {

const QStringList DesktopCalculators = {
    QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),        QStringLiteral("galculator"),
    QStringLiteral("mate-calc"),        QStringLiteral("qalculate-gtk"), QStringLiteral("xcalc")};

QMdiSubWindow* addSubWindow(QMdiArea* area, QWidget* widget)
{
    QMdiSubWindow* window = area->addSubWindow(widget, Qt::SubWindow | Qt::WindowTitleHint |
                                                           Qt::CustomizeWindowHint);
    window->setObjectName(widget->objectName() + QStringLiteral("Window"));
    return window;
}

} // namespace

MainF::MainF(Services& services, mIni& settings, QString helpFilePath, QWidget* parent)
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
    drawer_ = new Drawer(*this, services_);
    sketch_ = std::make_unique<SketchWindows>(services_, *this, this);
    pad_ = &sketch_->pad();
    toolBox_ = &sketch_->toolBox();
    statusBox_ = &sketch_->statusBar();
    drawerWindow_ = addSubWindow(area_, drawer_);
    padWindow_ = addSubWindow(area_, pad_);
    padWindow_->setWindowTitle(QStringLiteral("作图板"));
    tools_ = std::make_unique<ToolWindows>(services_, this);
    connect(toolBox_, &WinTools::captionReleased, this, [this] { toolBoxDocked_ = false; });

    drawerWindow_->show();
    padWindow_->show();
    toolBox_->show();
    statusBox_->show();
    pad_->surface().setPersistent(true);
    drawer_->setFocus();
    connectMenu();
}

MainF::~MainF() = default;

void MainF::connectMenu()
{
    const MainMenu& m = menu_;
    connect(m.mnuOpen, &QAction::triggered, this,
            [this] { ImportFunctionFileCommand(services_.dialogs, this, *drawer_); });
    connect(m.mnuSaveFun, &QAction::triggered, this,
            [this] { SaveCurrentFunctionCommand(services_.dialogs, this, *drawer_); });
    connect(m.mnuSaveFA, &QAction::triggered, this,
            [this] { SaveAllFunctionsCommand(services_.dialogs, this, *drawer_); });
    connect(m.mnuSave, &QAction::triggered, this,
            [this] { SaveBitmapCommand(services_.dialogs, this, pad_->persistentImage()); });
    connect(m.mnuPrint, &QAction::triggered, this, [this] {
        PrintCommand(services_.dialogs, this, printer_, pad_->persistentImage(),
                     pad_->surface().backColour());
    });
    connect(m.mnuCreateShort, &QAction::triggered, this,
            [this] { OfferShortcuts(services_, this, helpFilePath_); });
    connect(m.mnuExit, &QAction::triggered, this, &MainF::exitWithoutSaving);

    for (int i = 1; i <= 6; ++i)
        connect(m.mnu[i], &QAction::triggered, this, [this, i] { chooseDrawMode(i); });
    connect(m.mnuAbort, &QAction::triggered, this, [this] { chooseDrawMode(0); });
    connect(m.mnuClear, &QAction::triggered, this, [this] {
        pad_->surface().setPersistent(true);
        pad_->surface().clear();
        drawer_->drawAxes();
        drawer_->clearList();
    });
    connect(m.mnuReXY, &QAction::triggered, this, [this] { drawer_->drawAxes(); });

    for (QAction* item : {m.mnuDrawer, m.mnuOption, m.mnuToolsBox})
        connect(item, &QAction::triggered, this, [this, item] { toggleWindow(item); });

    connect(m.mnuJFCheng, &QAction::triggered, this, [this] { openToolWindow(ToolWindow::Solver); });
    connect(m.mnuCouBian, &QAction::triggered, this, [this] {
        drawerWindow_->show();
        drawer_->ShowPanelTab(3);
    });
    connect(m.mnuIntegral, &QAction::triggered, this, [this] { openToolWindow(ToolWindow::Integral); });
    connect(m.mnuFrmCount, &QAction::triggered, this, [this] { openToolWindow(ToolWindow::InverseTrig); });
    const QAction* geometryItems[4] = {m.mnuTowdot, m.mnuDLJULI, m.mnuLineToLine, m.mnuQuadraticFunction};
    for (int page = 0; page < 4; ++page)
        connect(geometryItems[page], &QAction::triggered, this, [this, page] { showGeometry(page); });
    connect(m.mnuCount, &QAction::triggered, this, &MainF::startCalculator);
    connect(m.mnuAddConst, &QAction::triggered, this, [this] { drawer_->ShowPanelTab(4); });

    connect(m.mnuHelp, &QAction::triggered, this, [this] { services_.environment.openDocument(helpFilePath_); });
    connect(m.mnuRiNew, &QAction::triggered, this, &MainF::showTipWindow);
    connect(m.mnuAbout, &QAction::triggered, this, &MainF::showAbout);
    connect(m.mnucopy0, &QAction::triggered, this, &MainF::copySelectedEntry);
}

void MainF::placeToolBox()
{
    // Docked at the left edge of the work area, below the menu bar, down to the status box.
    if (!toolBox_ || !statusBox_)
        return;
    const QPoint topLeft = area_->mapToGlobal(QPoint(0, 0));
    const int bottom = statusBox_->isVisible() ? statusBox_->y() : topLeft.y() + area_->height();
    toolBox_->setGeometry(topLeft.x(), topLeft.y(), ToolStripPixels,
                          std::max(ToolStripPixels, bottom - topLeft.y()));
}

void MainF::arrangeWindows(QSize screenPixels)
{
    arrangement_ = ArrangeWindows(screenPixels, screenPixels.width() * TwipsPerPixel);
    if (arrangement_.showSmallScreenMessage)
        services_.dialogs.inform(this, SmallScreenMessage(), MessageIcon::Information);
    fitWindows();
    if (arrangement_.showPlotterAgain)
        drawerWindow_->show();
    if (arrangement_.widenStatusFrame)
        statusBox_->widenStatusFrame();
}

void MainF::fitWindows()
{
    QSize workArea = area_->viewport()->size();
    // The floating status box lies over the bottom of the work area: end above it.
    if (statusBox_->isVisible()) {
        const int statusTop = area_->mapFromGlobal(statusBox_->pos()).y();
        if (statusTop > 100 && statusTop < workArea.height())
            workArea.setHeight(statusTop);
    }
    const PixelLayout layout = FitToWorkArea(arrangement_, workArea, ToolStripPixels);
    padWindow_->setGeometry(layout.pad);
    drawerWindow_->setGeometry(layout.plotter);
}

fCountPanel* MainF::showGeometry(int page)
{
    if (!geometry_)
        geometry_ = new fCountPanel(services_, this);
    geometry_->show();
    geometry_->raise();
    geometry_->activateWindow();
    geometry_->ShowGeometryPage(page);
    return geometry_;
}

void MainF::chooseDrawMode(int m) { sketch_->chooseDrawMode(m); }

void MainF::toggleWindow(QAction* item)
{
    // Each switch keeps its own tick, so "画图栏" and "属性栏" may disagree.
    const bool show = item->isChecked();
    QWidget* window = item == menu_.mnuToolsBox ? static_cast<QWidget*>(toolBox_)
                                                : static_cast<QWidget*>(drawerWindow_);
    window->setVisible(show);
    if (item == menu_.mnuToolsBox)
        statusBox_->setFocus();
}

void MainF::copySelectedEntry()
{
    const QString text = drawer_->selectedEntryText();
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text);
}

void MainF::startCalculator()
{
    if (!services_.environment.startFirstProgram(DesktopCalculators))
        services_.dialogs.inform(this, QStringLiteral("请在WINDOWS中添加"));
}

void MainF::exitWithoutSaving()
{
    exiting_ = true;
    QApplication::exit(0);
}

void MainF::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    if (toolBoxDocked_)
        placeToolBox();
}

void MainF::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (toolBoxDocked_)
        placeToolBox();
}

void MainF::closeEvent(QCloseEvent* event)
{
    if (!exiting_)
        drawer_->saveExpressions();
    event->accept();
    QApplication::quit();
}

void MainF::showTipWindow() { ShowTipWindow(services_, settings_, this); }

// --- PlotterHost ---------------------------------------------------------------------

QString MainF::setupValue(const QString& key) { return settings_.GetSetupValue(key); }

void MainF::setSetupValue(const QString& key, const QString& value)
{
    settings_.SetSetupValue(key, value);
}

void MainF::setInfoValue(const QString& key, const QString& value)
{
    settings_.SetInfoValue(key, value);
}

void MainF::addConstantEntry(const QString& name, const QString& value, int position)
{
    settings_.AddConstantEntry(name, value, position);
}

void MainF::removeConstantEntry(int position) { settings_.RemoveConstantEntry(position); }

Surface& MainF::pad() { return pad_->surface(); }

double MainF::padFontSize() { return toolBox_->fontSize(); }

void MainF::setProgressText(const QString& text) { statusBox_->setProgressText(text); }

void MainF::setToolBoxLineWidthText(const QString& text) { toolBox_->setLineWidthText(text); }

void MainF::setToolBoxPenColour(Colour colour) { toolBox_->setForeSwatch(colour); }

void MainF::setTextInputColour(Colour colour) { pad_->setInputWordColour(colour); }

void MainF::openToolWindow(ToolWindow window)
{
    switch (window) {
    case ToolWindow::Integral: tools_->openIntegral(); break;
    case ToolWindow::Solver: tools_->openSolver(); break;
    case ToolWindow::InverseTrig: tools_->openInverseTrig(); break;
    case ToolWindow::ConsoleFormula: tools_->openConsole(); break;
    case ToolWindow::Geometry: showGeometry(3); break;
    }
}

void MainF::showCopyMenu(QPoint globalPos) { menu_.mnucopy->popup(globalPos); }

// --- SketchContext -------------------------------------------------------------------

Colour MainF::penColour() { return drawer_->penColour(); }

int MainF::penWidth() { return drawer_->penWidth(); }

void MainF::drawAxes()
{
    if (drawer_) // the pad may ask while the windows are still being made
        drawer_->drawAxes();
}

void MainF::showDrawingMenu(QPoint globalPos) { menu_.mnuD1->popup(globalPos); }

void MainF::showHelpMenu(QPoint globalPos) { menu_.mnuHelp0->popup(globalPos); }

void MainF::setModeMenuCheck(int m)
{
    for (int i = 1; i <= 6; ++i)
        menu_.mnu[i]->setChecked(i == m);
}

void MainF::setToolBoxMenuCheck(bool checked) { menu_.mnuToolsBox->setChecked(checked); }

void MainF::setPlotterLineWidth(double w) { drawer_->setLineWidth(w); }

void MainF::setPlotterLineColour(Colour c) { drawer_->setLineColour(c); }

void MainF::openTool(int index)
{
    switch (index) {
    case 0: tools_->openSolver(); break;
    case 1: showGeometry(geometry_ ? geometry_->currentGeometryPage() : 0); break;
    case 2: tools_->openConsole(); break;
    case 3: tools_->openIntegral(); break;
    default: break;
    }
}

void MainF::showAbout() { ShowAboutBox(services_, this); }

} // namespace orvane
