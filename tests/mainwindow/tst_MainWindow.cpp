#include "tst_MainWindow.h"

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
    const WindowArrangement a = ArrangeWindows(screen, screen.width() * TwipsPerPixel);
    QCOMPARE(a.screenClass, screenClass);
    QCOMPARE(a.showSmallScreenMessage, message);
    QCOMPARE(a.pad, pad);
    QCOMPARE(a.plotter, plotter);
}

void TestArrangement::fitsWorkArea_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QSize>("workArea");
    QTest::addColumn<QRect>("pad");
    QTest::addColumn<QRect>("plotter");
    // Large: the pad is as tall as the work area, beside the 41-pixel tool strip.
    QTest::newRow("1280x1024") << QSize(1280, 1024) << QSize(1280, 960) << QRect(41, 0, 934, 934)
                               << QRect(975, 0, 305, 934);
    QTest::newRow("1920x1080") << QSize(1920, 1080) << QSize(1920, 1000) << QRect(41, 0, 1000, 1000)
                               << QRect(1041, 0, 305, 1000);
    // Medium: the plotter takes what the pad leaves.
    QTest::newRow("1024x700") << QSize(1024, 700) << QSize(1024, 640) << QRect(41, 0, 640, 640)
                              << QRect(681, 0, 343, 640);
}

void TestArrangement::fitsWorkArea()
{
    QFETCH(QSize, screen);
    QFETCH(QSize, workArea);
    QFETCH(QRect, pad);
    QFETCH(QRect, plotter);
    const PixelLayout p =
        FitToWorkArea(ArrangeWindows(screen, screen.width() * TwipsPerPixel), workArea, 41);
    QCOMPARE(p.pad, pad);
    QCOMPARE(p.plotter, plotter);
    QVERIFY(p.plotter.x() + p.plotter.width() <= workArea.width());
    QCOMPARE(p.pad.width(), p.pad.height());
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
    dir_ = std::make_unique<QTemporaryDir>();
    dialogs_ = std::make_unique<FakeSystemDialogs>();
    environment_ = std::make_unique<FakeEnvironment>();
    environment_->desktop = dir_->filePath(QStringLiteral("desktop"));
    environment_->applications = dir_->filePath(QStringLiteral("applications"));
    engine_ = std::make_unique<engine::Engine>();
    services_ = std::make_unique<Services>(Services{*dialogs_, *environment_, *engine_});
    settings_ = std::make_unique<Settings>(settingsPath());
}

void TestMainWindow::cleanup()
{
    window_.reset();
    QApplication::closeAllWindows();
}

QString TestMainWindow::settingsPath() const
{
    return dir_->filePath(QStringLiteral("orvane.ini"));
}

MainWindow& TestMainWindow::start(const QString& functionFile)
{
    window_ = std::make_unique<MainWindow>(*services_, *settings_,
                                           dir_->filePath(QStringLiteral("help/index.html")));
    Main(*window_, functionFile);
    return *window_;
}

void TestMainWindow::captionAndWindows()
{
    MainWindow& w = start();
    QCOMPARE(w.windowTitle(), QStringLiteral("Orvane(奥维恩) 3.0 Final"));
    QVERIFY(w.isMaximized());
    QVERIFY(w.padWindow()->isVisible());
    QVERIFY(w.drawerWindow()->isVisible());
    // The pad is square.
    QCOMPARE(w.padWindow()->width(), w.padWindow()->height());
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
    QCOMPARE(settings_->GetInfoValue(QStringLiteral("AllConst")), QStringLiteral("3"));
    QVERIFY(fileBytes(settingsPath()).contains("\r\n"));
    // The boxes show the default expressions, the constants are loaded.
    QCOMPARE(child<QLineEdit>(window_.get(), "txtBiaoSi")->text(),
             QStringLiteral("x^2+sin(x)+1/x"));
    QCOMPARE(engine_->Evaluate("pi"), 3.14159265358979);
}

void TestMainWindow::secondStartReadsSettingsBack()
{
    start();
    window_.reset();
    *engine_ = engine::Engine();
    settings_->SetSetupValue(QStringLiteral("Size"), QStringLiteral("16"));
    settings_->SetSetupValue(QStringLiteral("Tab"), QStringLiteral(" 2"));
    settings_->SetSetupValue(QStringLiteral("LineBold"), QStringLiteral("3"));
    settings_->SetSetupValue(QStringLiteral("PingHuaDu"), QStringLiteral("40"));
    settings_->SetInfoValue(QStringLiteral("ExpressionX"), QStringLiteral("x^3"));
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
    QCOMPARE(settings_->GetInfoValue(QStringLiteral("ExpressionX")),
             QStringLiteral("x^2+sin(x)+1/x"));

    MainWindow& again = start();
    child<QLineEdit>(&again, "txtBiaoSi")->setText(QStringLiteral("x^6"));
    again.close();
    QCOMPARE(settings_->GetInfoValue(QStringLiteral("ExpressionX")), QStringLiteral("x^6"));
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
    QVERIFY(QFile(pdf).size() > 1000);
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
    // A 300x200 pad at the screen's ratio, black with a red bottom-right corner, on a
    // page of 1000x700: 1000x667 of the page hold it.
    QFETCH(qreal, ratio);
    PadSurface pad;
    pad.setBackColour(Black);
    pad.resize(QSize(300, 200), ratio);
    pad.setScale(0, 0, 300, 200);
    pad.setPenWidth(20);
    pad.point({295, 195}, Colour(0x0000FF)); // red
    QImage page(1000, 700, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        PaintPictureOnPage(painter, pad.persistentImage());
    }
    QCOMPARE(page.pixel(3, 3), qRgb(0, 0, 0));
    QCOMPARE(page.pixel(996, 3), qRgb(0, 0, 0));
    QCOMPARE(page.pixel(996, 662), qRgb(255, 0, 0));
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

void TestMainWindow::geometryMenuOpensItsPage_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("page");
    QTest::newRow("two points") << QStringLiteral("mnuTowdot") << 0;
    QTest::newRow("point and line") << QStringLiteral("mnuDLJULI") << 1;
    QTest::newRow("two lines") << QStringLiteral("mnuLineToLine") << 2;
    QTest::newRow("line and curve") << QStringLiteral("mnuQuadraticFunction") << 3;
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
