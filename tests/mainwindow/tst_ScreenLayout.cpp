// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_ScreenLayout.h"

#include "BoxDock.h"
#include "CoordinateBox.h"
#include "Engine.h"
#include "NamedChild.h"
#include "OffscreenScreens.h"
#include "PlotterPanel.h"
#include "ShellLook.h"
#include "SketchPad.h"
#include "Startup.h"
#include "ToolBox.h"
#include "WindowArrangement.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>
#include <QWindow>

using namespace orvane;
using orvane::test::child;
using orvane::test::testScreens;

namespace {

QScreen* screenNamed(const QString& name)
{
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->name() == name) return screen;
    qFatal("no screen named %s", qPrintable(name));
    return nullptr;
}

QString described(const QRect& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QRect globalRect(const QWidget* w)
{
    return QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
}

// Fully shown: not cut by the plotter's scrolling or by the edge of the work area.
bool wholeOnShow(const QWidget* w)
{
    return w->isVisible() && w->visibleRegion().boundingRect() == w->rect();
}

} // namespace

void TestScreenLayout::init()
{
    setUp();
    // No tip window over the layout.
    settings_->setSetupValue(QStringLiteral("CreatShortCut"), QStringLiteral("OK"));
}

void TestScreenLayout::cleanup()
{
    tearDown();
}

MainWindow& TestScreenLayout::startOn(const QString& screenName)
{
    const QScreen* screen = screenNamed(screenName);
    environment_->screen = screen->geometry().size();
    environment_->available = screen->availableGeometry();
    window_ = std::make_unique<MainWindow>(*services_, *settings_,
                                           dir_->filePath(QStringLiteral("help/index.html")));
    startProgram(*window_, {});
    QCoreApplication::processEvents();
    return *window_;
}

QStringList TestScreenLayout::cutControls(MainWindow& w)
{
    // Whichever page of the panel is shown, the list and its buttons stay in view.
    QStringList cut;
    for (int tab = 0; tab < 5; ++tab) {
        w.drawer()->showPanelTab(tab);
        QCoreApplication::processEvents();
        for (const char* name : {"LF", "cleanDraw", "delAll", "cmdReDraw", "cleanhis"})
            if (!wholeOnShow(child<QWidget>(w.drawer(), QLatin1String(name))))
                cut << QStringLiteral("%1 (tab %2)").arg(QLatin1String(name)).arg(tab);
    }
    return cut;
}

void TestScreenLayout::fitsTheScreen_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<int>("panel"); // a desktop panel at the top, in pixels
    QTest::addColumn<bool>("wholePlotter");
    for (const test::TestScreen& s : testScreens().mid(1)) {
        // Where there is room for it, the plotter shows every control.
        const QSize logical = s.geometry.size();
        const bool room = logical.width() >= 1280 && logical.height() >= 720;
        QTest::newRow(qPrintable(s.name)) << s.name << 0 << room;
        if (s.name == QLatin1String("1366x768@1"))
            QTest::newRow("1366x768@1, 40-pixel panel") << s.name << 40 << true;
    }
}

void TestScreenLayout::fitsTheScreen()
{
    QFETCH(QString, screen);
    QFETCH(int, panel);
    QFETCH(bool, wholePlotter);
    const QScreen* s = screenNamed(screen);
    environment_->screen = s->geometry().size();
    environment_->available = s->availableGeometry().adjusted(0, panel, 0, 0);
    window_ = std::make_unique<MainWindow>(*services_, *settings_,
                                           dir_->filePath(QStringLiteral("help/index.html")));
    startProgram(*window_, {});
    QCoreApplication::processEvents();
    MainWindow& w = *window_;
    if (panel > 0) {
        // The window manager keeps the maximized window off the panel.
        const QMargins frame(w.x() - w.frameGeometry().x(), w.y() - w.frameGeometry().y(),
                             w.frameGeometry().right() - w.geometry().right(),
                             w.frameGeometry().bottom() - w.geometry().bottom());
        w.setWindowState(Qt::WindowNoState);
        w.setGeometry(environment_->available - frame);
        QCoreApplication::processEvents();
    }
    QVERIFY(environment_->available.contains(w.geometry()));
    // The window's inside: the boxes dock along its edges.
    const QRect available = w.geometry();
    SketchPad* pad = w.sketchPad();
    // Equal pixels per unit across and down.
    QCOMPARE(pad->width(), pad->height());
    const ScreenClass screenClass = classifyScreen(environment_->available.size());
    QVERIFY(pad->width() > (screenClass == ScreenClass::Small ? 20 : 100));
    // At least as large as the classic medium arrangement made it (whole width less the
    // plotter's 4675 twips), as far as the height allows.
    const QRect work = globalRect(child<QMdiArea>(&w, "MainFArea")->viewport());
    if (screenClass == ScreenClass::Medium)
        QVERIFY(w.padWindow()->width() >=
                std::min(available.width() - 4675 / 15, work.height()) - 28);

    const QRect padRect = globalRect(w.padWindow());
    const QRect plotterRect = globalRect(w.drawerWindow());
    const QRect toolRect = globalRect(w.toolBox());
    const QRect statusRect = globalRect(w.statusBox());
    for (const QRect& r : {padRect, plotterRect})
        QVERIFY2(work.contains(r), qPrintable(described(r) + " in " + described(work)));
    for (const QRect& r : {toolRect, statusRect})
        QVERIFY2(available.contains(r), qPrintable(described(r) + " in " + described(available)));
    // Side by side, nothing over the pad.
    QVERIFY(!padRect.intersects(plotterRect));
    for (const QRect& r : {padRect, plotterRect}) {
        QVERIFY(!r.intersects(statusRect));
        QVERIFY(!r.intersects(toolRect));
    }
    // The plotter takes the width the pad leaves: nothing grey beside it.
    QCOMPARE(plotterRect.right(), work.right());
    // The status box spans the window along its bottom, the tool box runs down its left.
    QCOMPARE(statusRect.width(), available.width());
    QCOMPARE(statusRect.bottom(), available.bottom());
    QCOMPARE(toolRect.left(), available.left());
    QVERIFY(toolRect.right() < work.left());

    if (!wholePlotter) return;
    const QStringList cut = cutControls(w);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u' ')));
    QVERIFY(child<QWidget>(w.drawer(), "LF")->height() >= 60);
}

void TestScreenLayout::storedStatusTop_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("floating");
    QTest::addColumn<int>("floatingTop"); // where a floating status box then stands
    for (const char* screen : {"1366x768@1", "1920x1080@1"}) {
        for (bool floating : {false, true}) {
            const QString kind = floating ? QStringLiteral(" floating") : QStringLiteral(" docked");
            QTest::newRow(qPrintable(screen + kind + " above"))
                << screen << "-5000" << floating << 0;
            QTest::newRow(qPrintable(screen + kind + " inside"))
                << screen << "6300" << floating << 420;
            QTest::newRow(qPrintable(screen + kind + " below"))
                << screen << "30000" << floating << -1; // on the bottom edge
        }
    }
}

void TestScreenLayout::storedStatusTop()
{
    QFETCH(QString, screen);
    QFETCH(QString, stored);
    QFETCH(bool, floating);
    QFETCH(int, floatingTop);
    // The pad as large as it is without a stored top.
    int padWithout = 0;
    {
        MainWindow& plain = startOn(screen);
        padWithout = plain.sketchPad()->width();
        tearDown();
        setUp();
        settings_->setSetupValue(QStringLiteral("CreatShortCut"), QStringLiteral("OK"));
    }
    settings_->setSetupValue(QStringLiteral("StateBoxTop"), stored);
    if (floating)
        settings_->setSetupValue(QStringLiteral("DockLayout"), QStringLiteral("StatusBar=F:0,0"));
    MainWindow& w = startOn(screen);
    QCOMPARE(w.statusDock()->isFloating(), floating);
    const QRect frame = w.statusDock()->frameGeometry();
    if (floatingTop < 0) floatingTop = environment_->available.bottom() + 1 - frame.height();
    if (floating)
        QCOMPARE(frame.topLeft(), QPoint(environment_->available.left(), floatingTop));
    else
        QCOMPARE(globalRect(w.statusBox()).bottom(), w.geometry().bottom());
    QCOMPARE(w.sketchPad()->width(), w.sketchPad()->height());
    QVERIFY(w.sketchPad()->width() >= padWithout);
    const QStringList cut = cutControls(w);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u' ')));
    // The stored value is the user's: read, never rewritten.
    QCOMPARE(settings_->getSetupValue(QStringLiteral("StateBoxTop")), stored);
}

void TestScreenLayout::dockPlacesSurviveARestart()
{
    MainWindow& first = startOn(QStringLiteral("1366x768@1"));
    // The tool box dragged by its caption out of its dock, the status box up by F1.
    const auto drag = [](QWidget* handle, QPoint from, QPoint by) {
        const auto send = [handle](QEvent::Type type, QPoint global, Qt::MouseButton button,
                                   Qt::MouseButtons buttons) {
            QMouseEvent e(type, QPointF(3, 3), QPointF(global), button, buttons, Qt::NoModifier);
            QApplication::sendEvent(handle, &e);
        };
        send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseMove, from + by / 2, Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseMove, from + by, Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, from + by, Qt::LeftButton, Qt::NoButton);
    };
    QWidget* caption = child<QWidget>(first.toolBox(), "picCaption");
    const QPoint toolAt = globalRect(first.toolBox()).topLeft();
    drag(caption, toolAt + QPoint(5, 5), QPoint(300, 100));
    QVERIFY(first.toolDock()->isFloating());
    const QPoint toolFloating = first.toolDock()->pos();
    QCOMPARE(toolFloating, toolAt + QPoint(300, 100));
    QWidget* bar = child<QWidget>(first.statusBox(), "F1");
    drag(bar, globalRect(first.statusBox()).topLeft() + QPoint(5, 5), QPoint(0, -400));
    QVERIFY(first.statusDock()->isFloating());
    const int statusTop = first.statusDock()->y();
    QCOMPARE(settings_->getSetupValue(QStringLiteral("StateBoxTop")),
             QString::number(statusTop * 15));

    tearDown();
    MainWindow& second = startOn(QStringLiteral("1366x768@1"));
    QVERIFY(second.toolDock()->isFloating());
    QCOMPARE(second.toolDock()->pos(), toolFloating);
    QVERIFY(second.statusDock()->isFloating());
    QCOMPARE(second.statusDock()->pos(), QPoint(environment_->available.left(), statusTop));
    QCOMPARE(second.statusDock()->width(), 1366);

    // Dropped at the left edge, the tool box docks again; so it starts next time.
    drag(child<QWidget>(second.toolBox(), "picCaption"), toolFloating + QPoint(5, 5),
         QPoint(-2000, 0));
    QVERIFY(!second.toolDock()->isFloating());
    QCOMPARE(second.dockWidgetArea(second.toolDock()), Qt::LeftDockWidgetArea);
    window_.reset();
    MainWindow& third = startOn(QStringLiteral("1366x768@1"));
    QVERIFY(!third.toolDock()->isFloating());
    QVERIFY(third.statusDock()->isFloating());
}

void TestScreenLayout::followsAScreenChange()
{
    MainWindow& w = startOn(QStringLiteral("1920x1080@1"));
    w.statusDock()->floatAt(QPoint(0, 900));
    // A projector: the program now lives on 1024x768.
    const QScreen* projector = screenNamed(QStringLiteral("1024x768@1"));
    environment_->available = projector->availableGeometry();
    w.setGeometry(projector->availableGeometry());
    QCoreApplication::processEvents();
    w.layoutWindows();
    QCOMPARE(w.statusDock()->width(), 1024);
    QCOMPARE(w.statusDock()->frameGeometry().bottom(), projector->availableGeometry().bottom());
    QCOMPARE(w.sketchPad()->width(), w.sketchPad()->height());
    QVERIFY(globalRect(child<QMdiArea>(&w, "MainFArea")->viewport())
                .contains(globalRect(w.drawerWindow())));
}

void TestScreenLayout::windowFlagsAndOwners()
{
    QDir().mkpath(dir_->filePath(QStringLiteral("help")));
    QFile help(dir_->filePath(QStringLiteral("help/index.html")));
    QVERIFY(help.open(QIODevice::WriteOnly));
    help.write("<html><body>帮助</body></html>");
    help.close();
    MainWindow& w = startOn(QStringLiteral("primary"));
    // The boxes lie in docks of the main window, the tool box left, the status box below.
    QCOMPARE(w.toolBox()->parentWidget(), w.toolDock());
    QCOMPARE(w.statusBox()->parentWidget(), w.statusDock());
    QCOMPARE(w.dockWidgetArea(w.toolDock()), Qt::LeftDockWidgetArea);
    QCOMPARE(w.dockWidgetArea(w.statusDock()), Qt::BottomDockWidgetArea);
    // Floating, they are tool windows of the main window.
    w.toolDock()->floatAt(QPoint(200, 200));
    QVERIFY(w.toolDock()->isWindow());
    QCOMPARE(w.toolDock()->windowHandle()->transientParent(), w.windowHandle());
    QVERIFY(!w.toolDock()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    const MainMenu& m = w.menu();
    for (QAction* open : {m.mnuJFCheng, m.mnuIntegral, m.mnuFrmCount, m.mnuTowdot, m.mnuRiNew,
                          m.mnuAbout, m.mnuHelp})
        open->trigger();
    w.openTool(2);
    child<QWidget>(&w, "frmVMDOS");
    w.openToolWindow(ToolWindow::ConsoleFormula);
    QStringList windows;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top == &w || !top->isVisible() || top == w.toolDock()) continue;
        windows << top->objectName();
        // Owned: in front of the main window and minimized with it. X11 window systems
        // learn the owner only of dialog and tool windows.
        QVERIFY2(top->parentWidget() == &w, qPrintable(top->objectName()));
        QVERIFY2(top->windowType() == Qt::Dialog || top->windowType() == Qt::Tool,
                 qPrintable(top->objectName()));
        QVERIFY2(top->windowHandle()->transientParent() == w.windowHandle(),
                 qPrintable(top->objectName()));
        // Only the small calculator floats over other programs.
        QCOMPARE(top->windowFlags().testFlag(Qt::WindowStaysOnTopHint),
                 top->objectName() == QLatin1String("frmCount"));
    }
    windows.sort();
    QCOMPARE(windows, QStringList({"HelpWindow", "X20X", "fCountPanel", "frmAbout", "frmCount",
                                   "frmIntegral", "frmTip", "frmVMDOS"}));
}

void TestScreenLayout::minimizedAndRestoredAgain()
{
    MainWindow& w = startOn(QStringLiteral("primary"));
    // Switched off, the tool box stays off however often the window comes back.
    w.menu().mnuToolsBox->trigger();
    QCOMPARE(w.menu().mnuToolsBox->isChecked(), false);
    for (int round = 0; round < 3; ++round) {
        w.showMinimized();
        QCoreApplication::processEvents();
        w.showMaximized();
        QCoreApplication::processEvents();
        QVERIFY(w.isVisible() && !w.isMinimized());
        QVERIFY(!w.toolBox()->isVisible());
        QVERIFY(w.statusBox()->isVisible());
    }
    // Its own close button does the same as the menu.
    w.menu().mnuToolsBox->trigger();
    QVERIFY(w.toolBox()->isVisible());
    QTest::mouseClick(child<QWidget>(w.toolBox(), "cmdWindowAction"), Qt::LeftButton);
    QVERIFY(!w.toolBox()->isVisible() && !w.toolDock()->isVisible());
    QCOMPARE(w.menu().mnuToolsBox->isChecked(), false);
    w.menu().mnuToolsBox->trigger();
    QVERIFY(w.toolBox()->isVisible());
}

void TestScreenLayout::captionsAreExact_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::newRow("main window") << "MainF"
                                 << "Orvane(奥维恩) 3.0 Final";
    QTest::newRow("plotter") << "Drawer"
                             << "函数作图";
    QTest::newRow("solver") << "X20X"
                            << "Orvane-解一元n次方程";
    QTest::newRow("integral") << "frmIntegral"
                              << "计算定积分";
    QTest::newRow("inverse trig") << "frmCount"
                                  << "计算反三角函数";
    QTest::newRow("geometry") << "fCountPanel"
                              << "Orvane-几何运算";
    QTest::newRow("tip") << "frmTip"
                         << "日积月累";
    QTest::newRow("about") << "frmAbout"
                           << "关于";
}

void TestScreenLayout::captionsAreExact()
{
    QFETCH(QString, window);
    QFETCH(QString, caption);
    MainWindow& w = startOn(QStringLiteral("primary"));
    const MainMenu& m = w.menu();
    for (QAction* open :
         {m.mnuJFCheng, m.mnuIntegral, m.mnuFrmCount, m.mnuTowdot, m.mnuRiNew, m.mnuAbout})
        open->trigger();
    QWidget* shown = window == QLatin1String("MainF") ? &w : child<QWidget>(&w, window);
    QCOMPARE(shown->windowTitle(), caption);
    // The window system appends a display name, when one is set, to every caption.
    setApplicationIdentity(QStringLiteral("org.example.orvane"));
    QCOMPARE(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
}
