// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_Keyboard.h"

#include "BoxDock.h"

#include "Engine.h"
#include "NamedChild.h"
#include "ResultBox.h"
#include "SketchPad.h"
#include "Startup.h"
#include "TextScreen.h"
#include "ToolBox.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QTest>

using namespace orvane;
using orvane::test::child;

namespace {

bool makeActive(QWidget* window)
{
    QCoreApplication::processEvents();
    window->show();
    window->raise();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window) && QApplication::activeWindow() == window;
}

// What one key press does in a window: the text the window shows afterwards.
QString shownResult(QWidget* window, const QString& name)
{
    QObject* shown = window->findChild<QObject*>(name);
    if (auto* label = qobject_cast<QLabel*>(shown)) return label->text();
    if (auto* screen = qobject_cast<TextScreen*>(shown)) return screen->texts().join(u'|');
    if (auto* box = qobject_cast<ResultBox*>(shown)) return box->text();
    return {};
}

} // namespace

void TestKeyboard::init()
{
    setUp();
    settings_->setSetupValue(QStringLiteral("CreatShortCut"), QStringLiteral("OK"));
    settings_->setSetupValue(QStringLiteral("ShowTip"), QStringLiteral("0"));
    window_ = std::make_unique<MainWindow>(*services_, *settings_,
                                           dir_->filePath(QStringLiteral("help/index.html")));
    startProgram(*window_, {});
}

void TestKeyboard::cleanup()
{
    tearDown();
}

QWidget* TestKeyboard::open(const QString& command)
{
    child<QAction>(window_.get(), command)->trigger();
    QWidget* window = QApplication::activeWindow();
    return window ? window : QApplication::focusWidget();
}

void TestKeyboard::tabOrder_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("integral") << "mnuIntegral"
                              << "frmIntegral"
                              << QStringList{"txtA", "txtB", "txtCS", "txtN0", "cmdCount"};
    QTest::newRow("solver") << "mnuJFCheng"
                            << "X20X" << QStringList{"Text1",    "txtMin",   "txtMax",
                                                     "Command1", "Command2", "cmdA"};
    QTest::newRow("inverse trig") << "mnuFrmCount"
                                  << "frmCount"
                                  << QStringList{"txtInp", "cmdArcSin", "cmdArcCos", "cmdArcTg",
                                                 "cmdArcCtg"};
    QTest::newRow("geometry, two points")
        << "mnuTowdot"
        << "fCountPanel" << QStringList{"txtTwoX_0", "txtTwoY_0",   "txtTwoX_1",
                                        "txtTwoY_1", "cmdDotToDot", "txtOuter"};
    QTest::newRow("geometry, two lines")
        << "mnuLineToLine"
        << "fCountPanel"
        << QStringList{
               "a1",      "b1", "c1", "a2", "b2", "c2", "cmdLineToLine", "cmdLineToLineClean",
               "txtOuter"};
    QTest::newRow("geometry, line and curve")
        << "mnuQuadraticFunction"
        << "fCountPanel"
        << QStringList{"iValue_3", "iValue_4", "iValue_5", "iValue_6",    "iValue_7", "iValue_8",
                       "iValue_0", "iValue_1", "iValue_2", "StartCounts", "txtOuter"};
}

void TestKeyboard::tabOrder()
{
    QFETCH(QString, command);
    QFETCH(QString, window);
    QFETCH(QStringList, order);
    open(command);
    QWidget* shown = child<QWidget>(window_.get(), window);
    QVERIFY(makeActive(shown));
    child<QWidget>(shown, order.first())->setFocus();
    QStringList reached{QApplication::focusWidget()->objectName()};
    for (int i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(reached, order);
}

void TestKeyboard::enterRunsTheCommand_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("expected");
    QTest::newRow("integral") << "mnuIntegral"
                              << "frmIntegral"
                              << "txtN0"
                              << "resout"
                              << "1.00";
    QTest::newRow("solver") << "mnuJFCheng"
                            << "X20X"
                            << "txtMax"
                            << "Result"
                            << "计算结束。";
    QTest::newRow("geometry") << "mnuTowdot"
                              << "fCountPanel"
                              << "txtTwoY_1"
                              << "txtOuter"
                              << "2.236067977";
    QTest::newRow("geometry, line and curve") << "mnuQuadraticFunction"
                                              << "fCountPanel"
                                              << "iValue_2"
                                              << "txtOuter"
                                              << "25*x^2";
}

void TestKeyboard::enterRunsTheCommand()
{
    QFETCH(QString, command);
    QFETCH(QString, window);
    QFETCH(QString, field);
    QFETCH(QString, result);
    QFETCH(QString, expected);
    open(command);
    QWidget* shown = child<QWidget>(window_.get(), window);
    QVERIFY(makeActive(shown));
    const QString before = shownResult(shown, result);
    QVERIFY(!before.contains(expected));
    QTest::keyClick(child<QLineEdit>(shown, field), Qt::Key_Return);
    QVERIFY2(shownResult(shown, result).contains(expected), qPrintable(shownResult(shown, result)));
}

void TestKeyboard::escapeClosesToolWindows_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("window");
    QTest::newRow("integral") << "mnuIntegral"
                              << "frmIntegral";
    QTest::newRow("solver") << "mnuJFCheng"
                            << "X20X";
    QTest::newRow("inverse trig") << "mnuFrmCount"
                                  << "frmCount";
    QTest::newRow("geometry") << "mnuTowdot"
                              << "fCountPanel";
}

void TestKeyboard::escapeClosesToolWindows()
{
    QFETCH(QString, command);
    QFETCH(QString, window);
    open(command);
    QWidget* shown = child<QWidget>(window_.get(), window);
    QVERIFY(makeActive(shown));
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : shown,
                    Qt::Key_Escape);
    QTRY_VERIFY(!window_->findChild<QWidget*>(window) ||
                !window_->findChild<QWidget*>(window)->isVisible());
}

void TestKeyboard::drawingShortcutsInEveryWindow_data()
{
    QTest::addColumn<QString>("focused");
    QTest::addColumn<bool>("floating");
    QTest::newRow("main window") << "MainF" << false;
    QTest::newRow("tool box") << "WinTools" << false;
    QTest::newRow("status box") << "StatusBar" << false;
    QTest::newRow("tool box floating") << "WinTools" << true;
    QTest::newRow("status box floating") << "StatusBar" << true;
    QTest::newRow("integral window") << "frmIntegral" << false;
    QTest::newRow("geometry window") << "fCountPanel" << false;
}

void TestKeyboard::drawingShortcutsInEveryWindow()
{
    QFETCH(QString, focused);
    QFETCH(bool, floating);
    open(QStringLiteral("mnuIntegral"));
    open(QStringLiteral("mnuTowdot"));
    QWidget* target =
        focused == QLatin1String("MainF") ? window_.get() : child<QWidget>(window_.get(), focused);
    if (floating) qobject_cast<BoxDock*>(target->parentWidget())->floatAt(QPoint(300, 300));
    QVERIFY(makeActive(target->window()));
    // Ctrl+R: circles.
    QTest::keyClick(target, Qt::Key_R, Qt::ControlModifier);
    QCOMPARE(window_->toolBox()->activeModeButton(), 4);
    QCOMPARE(window_->sketchPad()->drawMode(), 4);
}

void TestKeyboard::toolWindowReopensWhereItWas_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("window");
    QTest::newRow("integral") << "mnuIntegral"
                              << "frmIntegral";
    QTest::newRow("about") << "mnuAbout"
                           << "frmAbout";
    QTest::newRow("geometry") << "mnuTowdot"
                              << "fCountPanel";
}

void TestKeyboard::toolWindowReopensWhereItWas()
{
    QFETCH(QString, command);
    QFETCH(QString, window);
    const auto reopened = [&] {
        open(command);
        return child<QWidget>(window_.get(), window);
    };
    const auto closed = [&](QWidget* shown) {
        shown->close();
        return QTest::qWaitFor([&] {
            return !window_->findChild<QWidget*>(window) ||
                   !window_->findChild<QWidget*>(window)->isVisible();
        });
    };
    QWidget* first = reopened();
    // Over the middle of the main window, below its menu bar, the first time.
    QVERIFY(first->y() > window_->menuBar()->mapToGlobal(QPoint(0, 0)).y());
    // (A few pixels off for the frame the window system adds.)
    QVERIFY((first->geometry().center() - window_->geometry().center()).manhattanLength() <= 6);
    first->move(first->pos() + QPoint(37, 23));
    const QPoint place = first->pos();
    QVERIFY(closed(first));
    QCOMPARE(reopened()->pos(), place);
    // Left off the screen, it comes back inside the main window's screen.
    reopened()->move(-5000, 30000);
    QVERIFY(closed(reopened()));
    const QRect area = window_->screen()->availableGeometry();
    // (The frame's top left and the inside's size: the window system adds the frame.)
    QWidget* back = reopened();
    QVERIFY(area.contains(QRect(back->pos(), back->size())));
}

void TestKeyboard::keysReachThePadAfterAToolClick_data()
{
    QTest::addColumn<QString>("clicked");
    QTest::newRow("mode button") << "GButton_1";
    QTest::newRow("eraser button") << "GButton_6";
    QTest::newRow("cancel after a mode") << "GButton_0";
}

void TestKeyboard::keysReachThePadAfterAToolClick()
{
    QFETCH(QString, clicked);
    MainWindow& w = *window_;
    QVERIFY(makeActive(&w));
    w.sketchPad()->setFocus();
    if (clicked == QLatin1String("GButton_0")) w.chooseDrawMode(2);
    // Something to undo: the pad cleared (one step).
    w.menu().mnuClear->trigger();
    QVERIFY(w.document().canUndo());
    auto* width = child<QComboBox>(w.toolBox(), "CLineWide");
    const QString widthText = width->currentText();
    QTest::mouseClick(child<QWidget>(w.toolBox(), clicked), Qt::LeftButton);
    QWidget* focused = QApplication::focusWidget();
    QVERIFY(focused);
    QVERIFY2(!width->isAncestorOf(focused) && focused != width, qPrintable(focused->objectName()));
    // Cut, digits and undo go where they belong: nothing into the width box.
    QTest::keyClick(focused, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClicks(focused, QStringLiteral("7"));
    QCOMPARE(width->currentText(), widthText);
    QTest::keyClick(focused, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(!w.document().canUndo());
    QTest::keyClick(focused, Qt::Key_Y, Qt::ControlModifier);
    QVERIFY(w.document().canUndo());
    // A click into the box does put the keys there.
    QTest::mouseClick(width->lineEdit(), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), width);
}

void TestKeyboard::consoleCalculatorSize_data()
{
    QTest::addColumn<QString>("opener");
    QTest::newRow("tool box") << "GBTools_2";
    QTest::newRow("tools page") << "tools4";
    QTest::newRow("formula window's link") << "Label1";
}

void TestKeyboard::consoleCalculatorSize()
{
    QFETCH(QString, opener);
    MainWindow& w = *window_;
    if (opener == QLatin1String("Label1")) {
        // The formula window is reached from the console calculator; the console is then
        // closed and opened again by the link.
        QTest::mouseClick(child<QWidget>(w.toolBox(), "GBTools_2"), Qt::LeftButton);
        QWidget* console = child<QWidget>(&w, "frmVMDOS");
        console->resize(200, 150);
        QTest::keyClick(console, Qt::Key_1);
        QTest::keyClick(console, Qt::Key_Escape);
        QMetaObject::invokeMethod(console, "formulaWindowRequested");
        console->close();
        QTRY_VERIFY(!w.findChild<QWidget*>(QStringLiteral("frmVMDOS")));
        QWidget* link = child<QWidget>(child<QWidget>(&w, "frmFormula"), "Label1");
        QTest::mouseClick(link, Qt::LeftButton);
    } else if (opener == QLatin1String("tools4")) {
        w.drawer()->showPanelTab(3);
        QTest::mouseClick(child<QWidget>(w.drawer(), opener), Qt::LeftButton);
    } else {
        QTest::mouseClick(child<QWidget>(w.toolBox(), opener), Qt::LeftButton);
    }
    QWidget* console = child<QWidget>(&w, "frmVMDOS");
    QVERIFY(console->isVisible());
    QCOMPARE(console->size(), QSize(420, 380));
    QCOMPARE(console->parentWidget(), &w);
}
