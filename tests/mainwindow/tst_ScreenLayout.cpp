// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_ScreenLayout.h"

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
#include <QMdiArea>
#include <QMdiSubWindow>
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

void TestScreenLayout::fitsTheScreen_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<bool>("wholePlotter");
    for (const test::TestScreen& s : testScreens().mid(1)) {
        // Where there is room for it (1366x768 and above), the plotter shows every control.
        const QSize logical = s.geometry.size();
        QTest::newRow(qPrintable(s.name))
            << s.name << (logical.width() >= 1366 && logical.height() >= 768);
    }
}

void TestScreenLayout::fitsTheScreen()
{
    QFETCH(QString, screen);
    QFETCH(bool, wholePlotter);
    MainWindow& w = startOn(screen);
    const QRect available = environment_->available;
    SketchPad* pad = w.sketchPad();
    // Equal pixels per unit across and down.
    QCOMPARE(pad->width(), pad->height());
    const bool small = classifyScreen(available.size()) == ScreenClass::Small;
    QVERIFY(pad->width() > (small ? 20 : 100));

    const QRect work = globalRect(child<QMdiArea>(&w, "MainFArea")->viewport());
    const QRect padRect = globalRect(w.padWindow());
    const QRect plotterRect = globalRect(w.drawerWindow());
    const QRect toolRect = w.toolBox()->frameGeometry();
    const QRect statusRect = w.statusBox()->frameGeometry();
    for (const QRect& r : {padRect, plotterRect})
        QVERIFY2(work.contains(r), qPrintable(described(r) + " in " + described(work)));
    for (const QRect& r : {toolRect, statusRect})
        QVERIFY2(available.contains(r), qPrintable(described(r) + " in " + described(available)));
    // Side by side (the smallest screens lay the plotter 40 pixels over the pad).
    const int overlap = padRect.intersected(plotterRect).width();
    QVERIFY(overlap == 0 || (small && overlap == 40));
    for (const QRect& r : {padRect, plotterRect}) {
        QVERIFY(!r.intersects(statusRect));
        QVERIFY(!r.intersects(toolRect));
    }
    // The plotter takes the width the pad leaves: nothing grey beside it.
    QCOMPARE(plotterRect.right(), work.right());
    QCOMPARE(statusRect.width(), available.width());
    QCOMPARE(statusRect.bottom(), available.bottom());
    // The tool box keeps its own height wherever the status box is.
    QCOMPARE(toolRect.height(),
             std::min(w.toolBox()->sizeHint().height(), statusRect.top() - toolRect.top()));

    if (!wholePlotter) return;
    // Whichever page of the panel is shown, the list and its buttons stay in view.
    QStringList cut;
    for (int tab = 0; tab < 5; ++tab) {
        w.drawer()->showPanelTab(tab);
        QCoreApplication::processEvents();
        for (const char* name : {"LF", "cleanDraw", "delAll", "cmdReDraw", "cleanhis"})
            if (!wholeOnShow(child<QWidget>(w.drawer(), QLatin1String(name))))
                cut << QStringLiteral("%1 (tab %2)").arg(QLatin1String(name)).arg(tab);
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u' ')));
    QVERIFY(child<QWidget>(w.drawer(), "LF")->height() >= 60);
}

void TestScreenLayout::storedStatusTopOffTheScreen_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("top");
    QTest::addColumn<QString>("written");
    // 1366x768: the bar is 24 pixels high, its lowest place 744 (11160 twips).
    QTest::newRow("above the screen") << "-9999" << 0 << "0";
    QTest::newRow("below the screen") << "30000" << 744 << "11160";
    QTest::newRow("inside, kept") << "4500" << 300 << "4500";
    QTest::newRow("near the bottom edge, on it") << "10500" << 744 << "10500";
}

void TestScreenLayout::storedStatusTopOffTheScreen()
{
    QFETCH(QString, stored);
    QFETCH(int, top);
    QFETCH(QString, written);
    settings_->setSetupValue(QStringLiteral("StateBoxTop"), stored);
    MainWindow& w = startOn(QStringLiteral("1366x768@1"));
    QCOMPARE(w.statusBox()->y(), top);
    QCOMPARE(settings_->getSetupValue(QStringLiteral("StateBoxTop")), written);
    // The tool box is not squeezed by a status box at the top.
    QCOMPARE(w.toolBox()->height(), std::min(w.toolBox()->sizeHint().height(),
                                             768 - w.toolBox()->y() - (top > 400 ? 24 : 0)));
    QVERIFY(w.toolBox()->height() > 400);
}

void TestScreenLayout::followsAScreenChange()
{
    MainWindow& w = startOn(QStringLiteral("1920x1080@1"));
    // A projector: the program now lives on 1024x768.
    const QScreen* projector = screenNamed(QStringLiteral("1024x768@1"));
    environment_->available = projector->availableGeometry();
    w.setGeometry(projector->availableGeometry());
    QCoreApplication::processEvents();
    w.layoutWindows();
    QCOMPARE(w.statusBox()->width(), 1024);
    QCOMPARE(w.statusBox()->frameGeometry().bottom(), projector->availableGeometry().bottom());
    QCOMPARE(w.sketchPad()->width(), w.sketchPad()->height());
    QVERIFY(globalRect(child<QMdiArea>(&w, "MainFArea")->viewport())
                .contains(globalRect(w.drawerWindow())));
}

void TestScreenLayout::windowFlagsAndOwners()
{
    MainWindow& w = startOn(QStringLiteral("primary"));
    for (QWidget* box :
         {static_cast<QWidget*>(w.toolBox()), static_cast<QWidget*>(w.statusBox())}) {
        QCOMPARE(box->parentWidget(), &w);
        QCOMPARE(box->windowType(), Qt::Tool);
        QVERIFY(!box->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        // Minimized with the main window: the window system keeps it with its owner.
        QCOMPARE(box->windowHandle()->transientParent(), w.windowHandle());
    }
    w.showAbout();
    w.menu().mnuRiNew->trigger();
    // Minimized together, restored together.
    w.showMinimized();
    QCoreApplication::processEvents();
    for (const char* name : {"WinTools", "StatusBar", "frmAbout", "frmTip"})
        QVERIFY2(!child<QWidget>(&w, QLatin1String(name))->isVisible(), name);
    w.showMaximized();
    QCoreApplication::processEvents();
    for (const char* name : {"WinTools", "StatusBar", "frmAbout", "frmTip"})
        QVERIFY2(child<QWidget>(&w, QLatin1String(name))->isVisible(), name);
    for (const char* name : {"frmAbout", "frmTip"}) {
        QWidget* small = child<QWidget>(&w, QLatin1String(name));
        QVERIFY(!small->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(small->windowHandle()->transientParent(), w.windowHandle());
    }
    // Only the small calculator floats over other programs.
    w.menu().mnuFrmCount->trigger();
    QVERIFY(child<QWidget>(&w, "frmCount")->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
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
