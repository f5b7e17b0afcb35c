// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_MainWindow.h"

#include "BoxDock.h"
#include "Colours.h"
#include "Engine.h"
#include "GeometryWindow.h"
#include "MainWindow.h"
#include "NamedChild.h"
#include "PadSurface.h"
#include "PictureExport.h"
#include "PlotterPanel.h"
#include "Settings.h"
#include "SketchPad.h"
#include "Startup.h"
#include "WindowArrangement.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPainter>
#include <QScrollBar>
#include <QTest>

using namespace orvane;
using orvane::test::child;

Q_DECLARE_METATYPE(orvane::ScreenClass)

// --- the pure arrangement ------------------------------------------------------------

void TestArrangement::screenClasses_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<ScreenClass>("screenClass");
    QTest::addColumn<bool>("message");
    QTest::addColumn<QRect>("pad");
    QTest::addColumn<QRect>("plotter");
    QTest::newRow("1024x768 large") << QSize(1024, 768) << ScreenClass::Large << false
                                    << QRect(0, 0, 10685, 10685) << QRect(10685, 0, 4575, 10685);
    QTest::newRow("1024x700 medium") << QSize(1024, 700) << ScreenClass::Medium << false
                                     << QRect(0, 0, 10685, 10685) << QRect(10685, 0, 4675, 10685);
    QTest::newRow("1280x600 medium") << QSize(1280, 600) << ScreenClass::Medium << false
                                     << QRect(0, 0, 14525, 14525) << QRect(14525, 0, 4675, 14525);
    // Small: the plotter overlaps the pad by 600 twips.
    QTest::newRow("800x599 small") << QSize(800, 599) << ScreenClass::Small << true
                                   << QRect(0, 0, 8000, 8000) << QRect(7400, 0, 4575, 8000);
}

void TestArrangement::screenClasses()
{
    QFETCH(QSize, screen);
    QFETCH(ScreenClass, screenClass);
    QFETCH(bool, message);
    QFETCH(QRect, pad);
    QFETCH(QRect, plotter);
    const WindowArrangement a = arrangeWindows(screen, screen.width() * TwipsPerPixel);
    QCOMPARE(a.screenClass, screenClass);
    QCOMPARE(a.showSmallScreenMessage, message);
    QCOMPARE(a.pad, pad);
    QCOMPARE(a.plotter, plotter);
}

void TestArrangement::layoutInTheWorkArea_data()
{
    QTest::addColumn<ScreenClass>("screenClass");
    QTest::addColumn<QSize>("work");
    QTest::addColumn<int>("leastPad");
    QTest::addColumn<QRect>("pad");
    QTest::addColumn<QRect>("plotter");
    // The pad's sub-window adds 8 by 28 pixels; the plotter needs 305 pixels across.
    QTest::newRow("1366x768: square by the height")
        << ScreenClass::Large << QSize(1325, 694) << 0 << QRect(0, 0, 674, 694)
        << QRect(674, 0, 651, 694);
    QTest::newRow("1024x700 medium: a wider plotter")
        << ScreenClass::Medium << QSize(983, 626) << 0 << QRect(0, 0, 606, 626)
        << QRect(606, 0, 377, 626);
    QTest::newRow("800x600: the promised pad, the plotter scrolls")
        << ScreenClass::Medium << QSize(759, 526) << 480 << QRect(0, 0, 488, 508)
        << QRect(488, 0, 271, 526);
    QTest::newRow("promised pad higher than the work area")
        << ScreenClass::Medium << QSize(759, 400) << 480 << QRect(0, 0, 380, 400)
        << QRect(380, 0, 379, 400);
    QTest::newRow("640x480 small: side by side, nothing covered")
        << ScreenClass::Small << QSize(599, 406) << 0 << QRect(0, 0, 294, 314)
        << QRect(294, 0, 305, 406);
}

void TestArrangement::layoutInTheWorkArea()
{
    QFETCH(ScreenClass, screenClass);
    QFETCH(QSize, work);
    QFETCH(int, leastPad);
    QFETCH(QRect, pad);
    QFETCH(QRect, plotter);
    LayoutInput in;
    in.screenClass = screenClass;
    in.workArea = QRect(QPoint(41, 50), work);
    in.padFrame = QSize(8, 28);
    in.plotterNeeds = QSize(305, 600);
    in.leastPadSide = leastPad;
    const ScreenLayout out = layoutWindows(in);
    QCOMPARE(out.pad, pad);
    QCOMPARE(out.plotter, plotter);
}

void TestArrangement::floatingBoxKeptOnScreen_data()
{
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<int>("strip");
    QTest::addColumn<QPoint>("kept");
    // The screen's free area is 1366x728 under a 40-pixel panel at the top.
    QTest::newRow("inside") << QRect(100, 300, 41, 452) << 12 << QPoint(100, 300);
    QTest::newRow("above the screen") << QRect(100, -500, 41, 452) << 12 << QPoint(100, 40);
    QTest::newRow("below: the strip stays") << QRect(100, 30000, 41, 452) << 12 << QPoint(100, 756);
    QTest::newRow("left of the screen") << QRect(-5000, 300, 41, 452) << 12 << QPoint(0, 300);
    QTest::newRow("right edge") << QRect(1360, 300, 41, 452) << 12 << QPoint(1325, 300);
    QTest::newRow("bar wider than the screen") << QRect(50, 300, 1400, 24) << 24 << QPoint(0, 300);
    QTest::newRow("bar on the bottom edge") << QRect(0, 744, 1366, 24) << 24 << QPoint(0, 744);
    QTest::newRow("bar one below") << QRect(0, 745, 1366, 24) << 24 << QPoint(0, 744);
}

void TestArrangement::floatingBoxKeptOnScreen()
{
    QFETCH(QRect, frame);
    QFETCH(int, strip);
    QFETCH(QPoint, kept);
    QCOMPARE(keptOnScreen(frame, strip, QRect(0, 40, 1366, 728)), kept);
}

void TestArrangement::dockLayoutText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("readBack");
    QTest::newRow("docked") << "WinTools=L;StatusBar=B"
                            << "StatusBar=B;WinTools=L";
    QTest::newRow("floating, negative") << "StatusBar=F:0,-750;WinTools=R"
                                        << "StatusBar=F:0,-750;WinTools=R";
    QTest::newRow("blanks and junk left out") << " WinTools = T ;StatusBar=X;;Other=F:1"
                                              << "WinTools=T";
    QTest::newRow("empty") << ""
                           << "";
}

void TestArrangement::dockLayoutText()
{
    QFETCH(QString, text);
    QFETCH(QString, readBack);
    QCOMPARE(orvane::dockLayoutText(dockLayoutFrom(text)), readBack);
}

// --- the real main window ------------------------------------------------------------

namespace {

QStringList keysOf(const QByteArray& file)
{
    QStringList keys;
    for (const QByteArray& line : file.split('\n')) {
        const int eq = line.indexOf('=');
        if (eq > 0)
            keys << QString::fromLatin1(line.left(eq));
        else if (line.startsWith('['))
            keys << QString::fromLatin1(line.trimmed());
    }
    return keys;
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

void TestMainWindow::init()
{
    setUp();
}

void TestMainWindow::cleanup()
{
    tearDown();
}

MainWindow& TestMainWindow::start(const QString& functionFile)
{
    window_ = std::make_unique<MainWindow>(*services_, *settings_,
                                           dir_->filePath(QStringLiteral("help/index.html")));
    startProgram(*window_, functionFile);
    return *window_;
}

void TestMainWindow::captionAndWindows()
{
    MainWindow& w = start();
    QCOMPARE(w.windowTitle(), QStringLiteral("Orvane(奥维恩) 3.0 Final"));
    QVERIFY(w.isMaximized());
    QVERIFY(w.padWindow()->isVisible());
    QVERIFY(w.drawerWindow()->isVisible());
    // The pad is square: equal pixels per unit across and down.
    QCOMPARE(w.sketchPad()->width(), w.sketchPad()->height());
}

void TestMainWindow::firstRunWritesSettingsInOrder()
{
    start();
    const QStringList keys = keysOf(fileBytes(settingsPath()));
    const QStringList expected = {
        "[Setup]",     "Orvane",      "CreatShortCut",   "StateBoxTop",   "Tab",
        "Size",        "Color",       "LineBold",        "PingHuaDu",     "ShowTip",
        "Tips",        "LineColor",   "ColorSelfMain",   "ColorSelfHelp", "[Infomation]",
        "ExpressionX", "ExpressionY", "ExpressionPolar", "AllConst",      "ConstName1",
        "ConstValue1", "ConstName2",  "ConstValue2",     "ConstName3",    "ConstValue3"};
    QCOMPARE(keys, expected);
    QCOMPARE(settings_->getInfoValue(QStringLiteral("AllConst")), QStringLiteral("3"));
    QVERIFY(fileBytes(settingsPath()).contains("\r\n"));
    // The boxes show the default expressions, the constants are loaded.
    QCOMPARE(child<QLineEdit>(window_.get(), "txtBiaoSi")->text(),
             QStringLiteral("x^2+sin(x)+1/x"));
    QCOMPARE(engine_->evaluate("pi"), 3.14159265358979);
}

void TestMainWindow::secondStartReadsSettingsBack()
{
    start();
    window_.reset();
    *engine_ = engine::Engine();
    settings_->setSetupValue(QStringLiteral("Size"), QStringLiteral("16"));
    settings_->setSetupValue(QStringLiteral("Tab"), QStringLiteral(" 2"));
    settings_->setSetupValue(QStringLiteral("LineBold"), QStringLiteral("3"));
    settings_->setSetupValue(QStringLiteral("PingHuaDu"), QStringLiteral("40"));
    settings_->setInfoValue(QStringLiteral("ExpressionX"), QStringLiteral("x^3"));
    MainWindow& w = start();
    QCOMPARE(w.drawer()->axisSize(), 16);
    QCOMPARE(w.drawer()->currentTab(), 2);
    QCOMPARE(w.drawer()->penWidth(), 3);
    QCOMPARE(child<QScrollBar>(&w, "HSPHD")->value(), 40);
    QCOMPARE(child<QLineEdit>(&w, "txtBiaoSi")->text(), QStringLiteral("x^3"));
    QCOMPARE(w.sketchPad()->surface().scaleRight(), 16.0f);
}

void TestMainWindow::closingSavesExpressionsExitDoesNot()
{
    MainWindow& w = start();
    child<QLineEdit>(&w, "txtBiaoSi")->setText(QStringLiteral("x^5"));
    w.exitWithoutSaving();
    w.close();
    QCOMPARE(settings_->getInfoValue(QStringLiteral("ExpressionX")),
             QStringLiteral("x^2+sin(x)+1/x"));

    MainWindow& again = start();
    child<QLineEdit>(&again, "txtBiaoSi")->setText(QStringLiteral("x^6"));
    again.close();
    QCOMPARE(settings_->getInfoValue(QStringLiteral("ExpressionX")), QStringLiteral("x^6"));
}

void TestMainWindow::viewSwitchesKeepSeparateTicks()
{
    MainWindow& w = start();
    const MainMenu& m = w.menu();
    m.mnuDrawer->trigger();
    QVERIFY(!w.drawerWindow()->isVisible());
    QVERIFY(!m.mnuDrawer->isChecked());
    QVERIFY(m.mnuOption->isChecked());
    m.mnuOption->trigger();
    QVERIFY(!w.drawerWindow()->isVisible());
    QVERIFY(!m.mnuOption->isChecked());
    m.mnuOption->trigger();
    QVERIFY(w.drawerWindow()->isVisible());
}

void TestMainWindow::addConstantTabWithHiddenPlotter()
{
    MainWindow& w = start();
    w.menu().mnuDrawer->trigger();
    w.menu().mnuAddConst->trigger();
    QCOMPARE(w.drawer()->currentTab(), 4);
    QVERIFY(!w.drawerWindow()->isVisible());
    w.menu().mnuCouBian->trigger();
    QCOMPARE(w.drawer()->currentTab(), 3);
    QVERIFY(w.drawerWindow()->isVisible());
}

void TestMainWindow::bitmapRightAfterStartHoldsAxes()
{
    MainWindow& w = start();
    const QString path = dir_->filePath(QStringLiteral("pad.bmp"));
    dialogs_->fileAnswers = {path};
    w.menu().mnuSave->trigger();
    QImage image(path);
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), w.sketchPad()->persistentImage().size());
    // The axes cross in the middle in the default blue.
    const QColor blue = toQColor(PureBlue);
    int bluePixels = 0;
    for (int x = 0; x < image.width(); ++x)
        bluePixels += image.pixelColor(x, image.height() / 2) == blue ? 1 : 0;
    QVERIFY2(bluePixels > image.width() / 2, qPrintable(QString::number(bluePixels)));
    QVERIFY(
        dialogs_->calls.last().file.filterText.startsWith(QStringLiteral("图象文件 (*.bmp);;")));
    QCOMPARE(dialogs_->calls.last().file.filterPattern, QStringLiteral("*.bmp"));
}

void TestMainWindow::printQuestions_data()
{
    QTest::addColumn<bool>("white");
    QTest::addColumn<QStringList>("questions");
    QTest::newRow("white background") << true << QStringList{QStringLiteral("开始打印？")};
    QTest::newRow("coloured background")
        << false
        << QStringList{QStringLiteral("没有把背景色设为白色进行打印会用去很多墨水\r是否继续？"),
                       QStringLiteral("开始打印？")};
}

void TestMainWindow::printQuestions()
{
    QFETCH(bool, white);
    QFETCH(QStringList, questions);
    MainWindow& w = start();
    dialogs_->calls.clear();
    if (!white) w.sketchPad()->surface().setBackColour(0xC0FFC0);
    const QString pdf = dir_->filePath(QStringLiteral("page.pdf"));
    dialogs_->printToPdf = pdf;
    dialogs_->messageAnswers = {MessageAnswer::Yes, MessageAnswer::Yes};
    w.menu().mnuPrint->trigger();
    QCOMPARE(dialogs_->messageTexts(), questions);
    QCOMPARE(dialogs_->count(FakeSystemDialogs::Call::Print), 1);
    // The picture drawn as vectors at the printer's resolution: the page holds no image.
    const QByteArray page = fileBytes(pdf);
    QVERIFY(page.size() > 1000);
    QVERIFY(page.contains("/Page"));
    QVERIFY(!page.contains("/Subtype /Image"));
}

void TestMainWindow::printedPictureFillsThePage_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("1") << 1.0;
    QTest::newRow("1.5") << 1.5;
    QTest::newRow("2") << 2.0;
}

void TestMainWindow::printedPictureFillsThePage()
{
    // A 300x200 picture, black with a red dot in the bottom-right corner, on a page of
    // 1000x700 dots at `ratio` dots for each page unit: 1000x667 dots hold it.
    QFETCH(qreal, ratio);
    struct RedDot : PadOperation {
        void paint(Surface& surface) const override
        {
            surface.setScale(0, 0, 300, 200);
            surface.setPenWidth(20);
            surface.point({295, 195}, Colour(0x0000FF)); // red
        }
    };
    PadDocument document;
    document.setBackground(Black);
    document.append(std::make_shared<RedDot>());
    QImage page(1000, 700, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        painter.setWindow(0, 0, qRound(1000 / ratio), qRound(700 / ratio));
        paintPictureOnPage(painter, document, QSize(300, 200));
    }
    QCOMPARE(page.pixel(3, 3), qRgb(0, 0, 0));
    QCOMPARE(page.pixel(996, 3), qRgb(0, 0, 0));
    QCOMPARE(page.pixel(994, 662), qRgb(255, 0, 0));
    QCOMPARE(page.pixel(500, 690), qRgb(255, 255, 255));
}

void TestMainWindow::startWithFunctionFile()
{
    const QString fun = dir_->filePath(QStringLiteral("a.fun"));
    QFile file(fun);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Image]\r\nCount=2\r\nFunction0=y=x^2\r\nFunction1=p=4/(2-2*cos(x))\r\n");
    file.close();
    MainWindow& w = start(fun);
    QListWidget* list = child<QListWidget>(&w, "LF");
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(0)->text(), QStringLiteral("y=x^2"));
}

void TestMainWindow::copySelectedEntry()
{
    MainWindow& w = start();
    child<QLineEdit>(&w, "txtBiaoSi")->setText(QStringLiteral("x^2"));
    w.drawer()->addAndDraw();
    w.menu().mnucopy0->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("y=x^2"));
}

void TestMainWindow::calculatorMissing()
{
    MainWindow& w = start();
    dialogs_->calls.clear();
    environment_->programsAvailable = false;
    w.menu().mnuCount->trigger();
    QCOMPARE(dialogs_->messageTexts(), QStringList{QStringLiteral("请在WINDOWS中添加")});
}

void TestMainWindow::clearAllCommand()
{
    MainWindow& w = start();
    child<QLineEdit>(&w, "txtBiaoSi")->setText(QStringLiteral("x"));
    w.drawer()->addAndDraw();
    w.menu().mnuClear->trigger();
    QCOMPARE(child<QListWidget>(&w, "LF")->count(), 0);
}

void TestMainWindow::documentOnTheCommandLineAndTheCloseQuestion()
{
    const QString lesson = dir_->filePath(QStringLiteral("lesson.ovd"));
    QFile file(lesson);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"J({"format": "orvane-document", "version": 1, "axes": {"size": 15, "colour": "#000000"},
        "constants": [{"name": "k", "value": 3}],
        "entries": [{"kind": "y", "expression": "k*x", "colour": "#ff0000"}]})J");
    file.close();
    MainWindow& w = start(lesson);
    QCOMPARE(w.windowTitle(), QStringLiteral("lesson.ovd - Orvane(奥维恩) 3.0 Final"));
    QCOMPARE(child<QListWidget>(&w, "LF")->count(), 1);
    QCOMPARE(w.drawer()->axisSize(), 15);
    QCOMPARE(w.drawer()->axisColour(), Colour(0));
    QCOMPARE(settings_->getSetupValue(QStringLiteral("Size")), QStringLiteral("15"));
    QCOMPARE(settings_->savedConstants().value_or(QList<NamedValue>()),
             (QList<NamedValue>{{QStringLiteral("k"), QStringLiteral("3")}}));
    // Unchanged: closing asks nothing.
    dialogs_->calls.clear();
    QVERIFY(w.close());
    QCOMPARE(dialogs_->messageTexts(), QStringList());

    MainWindow& again = start(lesson);
    child<QLineEdit>(&again, "txtBiaoSi")->setText(QStringLiteral("x^2"));
    again.drawer()->addAndDraw();
    QCOMPARE(again.windowTitle(), QStringLiteral("*lesson.ovd - Orvane(奥维恩) 3.0 Final"));
    dialogs_->calls.clear();
    dialogs_->messageAnswers = {MessageAnswer::Cancel};
    QVERIFY(!again.close());
    QCOMPARE(dialogs_->calls.size(), 1);
    QCOMPARE(dialogs_->calls.front().message.buttons, MessageButtons::SaveDiscardCancel);
}

void TestMainWindow::unwritableTargetsSaySo_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("what");
    QTest::newRow("picture") << "mnuSave"
                             << "无法保存图象文件：";
    QTest::newRow("all functions") << "mnuSaveFA"
                                   << "无法保存函数文件：";
    QTest::newRow("current function") << "mnuSaveFun"
                                      << "无法保存函数文件：";
}

void TestMainWindow::unwritableTargetsSaySo()
{
    QFETCH(QString, command);
    QFETCH(QString, what);
    MainWindow& w = start();
    dialogs_->calls.clear();
    const QString target = dir_->filePath(QStringLiteral("no-such-folder/a.file"));
    dialogs_->fileAnswers = {target};
    child<QAction>(&w, command)->trigger();
    // What was not saved, why when it is known (the missing folder), then the path.
    QCOMPARE(dialogs_->messageTexts().size(), 1);
    const QString text = dialogs_->messageTexts().front();
    QVERIFY2(text.startsWith(what) && text.endsWith(QLatin1Char('\r') + target), qPrintable(text));
    QCOMPARE(dialogs_->calls.last().message.icon, MessageIcon::Error);
    QVERIFY(!QFile::exists(target));
}

void TestMainWindow::readOnlySettingsSaySoOnce()
{
    QFile file(settingsPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Setup]\r\nCreatShortCut=OK\r\n");
    file.close();
    QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    MainWindow& w = start();
    // Start-up writes a dozen defaults; one message says that none of them is kept.
    const QString message = QStringLiteral("无法保存设置文件：\r") + settingsPath();
    QCOMPARE(dialogs_->messageTexts().count(message), 1);
    w.menu().mnuRiNew->trigger();
    QCOMPARE(dialogs_->messageTexts().count(message), 1);
}

void TestMainWindow::geometryMenuOpensItsPage_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("page");
    QTest::newRow("two points") << QStringLiteral("mnuTowdot") << 0;
    QTest::newRow("point and line") << QStringLiteral("mnuDLJULI") << 1;
    QTest::newRow("two lines") << QStringLiteral("mnuLineToLine") << 2;
    QTest::newRow("line and curve") << QStringLiteral("mnuQuadraticFunction") << 3;
    QTest::newRow("point and curve") << QStringLiteral("mnuPointCurve") << 4;
    QTest::newRow("two circles") << QStringLiteral("mnuTwoCircles") << 5;
}

void TestMainWindow::geometryMenuOpensItsPage()
{
    QFETCH(QString, item);
    QFETCH(int, page);
    MainWindow& w = start();
    child<QAction>(&w, item)->trigger();
    auto* geometry = child<GeometryWindow>(&w, "fCountPanel");
    QVERIFY(geometry->isVisible());
    QCOMPARE(geometry->currentGeometryPage(), page);
}

void TestMainWindow::geometryStepsAreRemembered()
{
    const QString key = QStringLiteral("GeometrySteps");
    {
        MainWindow& w = start();
        w.menu().mnuTowdot->trigger();
        auto* geometry = child<GeometryWindow>(&w, "fCountPanel");
        QVERIFY(geometry->stepsShown()); // on in a fresh settings file
        child<QCheckBox>(geometry, "chkSteps")->click();
        QCOMPARE(settings_->getSetupValue(key), QStringLiteral("0"));
    }
    window_.reset();
    MainWindow& again = start();
    again.menu().mnuTowdot->trigger();
    auto* geometry = child<GeometryWindow>(&again, "fCountPanel");
    QVERIFY(!geometry->stepsShown());
    child<QCheckBox>(geometry, "chkSteps")->click();
    QCOMPARE(settings_->getSetupValue(key), QStringLiteral("1"));
}
