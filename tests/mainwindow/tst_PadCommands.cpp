// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_PadCommands.h"

#include "Engine.h"
#include "FlatButton.h"
#include "NamedChild.h"
#include "PixelCount.h"
#include "PlotterPanel.h"
#include "SketchPad.h"
#include "Startup.h"
#include "ToolBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QScrollBar>
#include <QTest>

using namespace orvane;
using orvane::test::child;
using orvane::test::pixelsOf;

namespace {

constexpr Colour CurveColour = 0x00A000;

enum class Command { ClearPad, RedrawAll, Eraser, Background, ClearAll, AxisSize };

QPoint padPixel(const SketchPad& pad, float x, float y)
{
    return pad.surface().toPixel({x, y}).toPoint();
}

void dragOnPad(SketchPad& pad, int mode, WorldPoint from, WorldPoint to)
{
    pad.setDrawModeValue(mode);
    QTest::mousePress(&pad, Qt::LeftButton, {}, padPixel(pad, from.x, from.y));
    QTest::mouseMove(&pad, padPixel(pad, to.x, to.y));
    QTest::mouseRelease(&pad, Qt::LeftButton, {}, padPixel(pad, to.x, to.y));
}

void click(QWidget* parent, const char* name)
{
    child<PictureControl>(parent, name)->Click();
}

} // namespace

void TestPadCommands::init()
{
    setUp();
}

void TestPadCommands::cleanup()
{
    tearDown();
}

MainWindow& TestPadCommands::start()
{
    window_ = std::make_unique<MainWindow>(*services_, *settings_,
                                           dir_->filePath(QStringLiteral("help/index.html")));
    startProgram(*window_, {});
    dialogs_->calls.clear();
    return *window_;
}

void TestPadCommands::drawSomething()
{
    window_->drawer()->setLineColour(CurveColour);
    child<QLineEdit>(window_.get(), "txtBiaoSi")->setText(QStringLiteral("x^2/4-3"));
    window_->drawer()->addAndDraw();
    window_->drawer()->setLineColour(0x404040);
    dragOnPad(*window_->sketchPad(), SketchPad::ModeLine, {-8, 6}, {6, -7});
}

QImage TestPadCommands::padImage() const
{
    return window_->sketchPad()->persistentImage();
}

void TestPadCommands::menuEntries()
{
    MainWindow& w = start();
    const MainMenu& m = w.menu();
    QCOMPARE(m.mnuUndo->text(), QStringLiteral("撤销(&U)"));
    QCOMPARE(m.mnuUndo->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
    QCOMPARE(m.mnuRedo->text(), QStringLiteral("重做(&R)"));
    QCOMPARE(m.mnuRedo->shortcut(), QKeySequence(QStringLiteral("Ctrl+Y")));
    QCOMPARE(m.mnuCopyPicture->text(), QStringLiteral("复制图象"));
    // The drawing menu is also the pad's right-click menu.
    for (QAction* item : {m.mnuUndo, m.mnuRedo, m.mnuCopyPicture})
        QVERIFY(m.mnuD1->actions().contains(item));
    // The picture the program opened with is where the history starts.
    QVERIFY(!m.mnuUndo->isEnabled());
    QVERIFY(!m.mnuRedo->isEnabled());
    const QImage opened = padImage();
    m.mnuUndo->trigger();
    QCOMPARE(padImage(), opened);
}

void TestPadCommands::undoRestoresExactPixels_data()
{
    QTest::addColumn<Command>("command");
    QTest::newRow("清空画板") << Command::ClearPad;
    QTest::newRow("全部重画 in random colours") << Command::RedrawAll;
    QTest::newRow("eraser") << Command::Eraser;
    QTest::newRow("background colour") << Command::Background;
    QTest::newRow("全部清空") << Command::ClearAll;
    QTest::newRow("axis size") << Command::AxisSize;
}

void TestPadCommands::undoRestoresExactPixels()
{
    QFETCH(Command, command);
    MainWindow& w = start();
    drawSomething();
    const QImage before = padImage();
    switch (command) {
    case Command::ClearPad:
        click(&w, "cleanDraw");
        break;
    case Command::RedrawAll:
        child<QCheckBox>(&w, "CheckColor")->setChecked(true);
        environment_->randomValues = {0.9, 0.1, 0.1};
        click(&w, "cmdReDraw");
        break;
    case Command::Eraser:
        dragOnPad(*w.sketchPad(), SketchPad::ModeEraser, {-9, 9}, {0, -3});
        break;
    case Command::Background:
        dialogs_->colourAnswers = {Colour(0xC0FFFF)};
        QTest::mouseClick(child<QWidget>(w.toolBox(), "LBackColor"), Qt::LeftButton);
        break;
    case Command::ClearAll:
        click(&w, "delAll");
        break;
    case Command::AxisSize:
        child<QScrollBar>(&w, "SLSIZE")->setValue(20);
        break;
    }
    const QImage after = padImage();
    QVERIFY(after != before);
    QVERIFY(!w.menu().mnuRedo->isEnabled());
    w.menu().mnuUndo->trigger();
    QCOMPARE(padImage(), before);
    QCOMPARE(child<QListWidget>(&w, "LF")->count(), 1);
    QVERIFY(w.menu().mnuRedo->isEnabled());
    w.menu().mnuRedo->trigger();
    QCOMPARE(padImage(), after);
    QVERIFY(!w.menu().mnuRedo->isEnabled());
}

void TestPadCommands::listFollowsUndo()
{
    MainWindow& w = start();
    auto* box = child<QLineEdit>(&w, "txtBiaoSi");
    auto* list = child<QListWidget>(&w, "LF");
    for (const char* e : {"x", "x+1", "x+2"}) {
        box->setText(QString::fromLatin1(e));
        w.drawer()->addAndDraw();
    }
    list->setCurrentRow(1);
    w.drawer()->loadRow();
    click(&w, "cmdDelLine");
    QCOMPARE(list->count(), 2);
    w.menu().mnuUndo->trigger();
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->item(1)->text(), QStringLiteral("y=x+1"));
    w.menu().mnuUndo->trigger();
    w.menu().mnuUndo->trigger();
    QCOMPARE(list->count(), 1);
    w.menu().mnuRedo->trigger();
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(1)->text(), QStringLiteral("y=x+1"));
}

void TestPadCommands::deleteAfterEditingLeavesNoCurvePixel()
{
    MainWindow& w = start();
    drawSomething();
    const Colour other = 0x8000C0;
    w.drawer()->setLineColour(other);
    child<QLineEdit>(&w, "txtBiaoSi")->setText(QStringLiteral("-x"));
    w.drawer()->addAndDraw();
    const int otherPixels = pixelsOf(padImage(), other);
    QVERIFY(pixelsOf(padImage(), CurveColour) > 0);

    auto* list = child<QListWidget>(&w, "LF");
    list->setCurrentRow(0);
    w.drawer()->loadRow();
    // The boxes no longer hold what the row was drawn with.
    child<QLineEdit>(&w, "txtBiaoSi")->setText(QStringLiteral("sin(x)"));
    child<QLineEdit>(&w, "xMin")->setText(QStringLiteral("3"));
    click(&w, "cmdDelLine");
    QCOMPARE(list->count(), 1);
    QCOMPARE(pixelsOf(padImage(), CurveColour), 0);
    // The other curve has no hole where the deleted one crossed it.
    QCOMPARE(pixelsOf(padImage(), other), otherPixels);
}

void TestPadCommands::savePicture_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("start");
    QTest::addColumn<int>("scale");
    QTest::newRow("bmp") << "pad.bmp" << QByteArray("BM") << 1;
    QTest::newRow("png at 3") << "pad.png" << QByteArray("\x89PNG") << 3;
    QTest::newRow("svg") << "pad.svg" << QByteArray("<?xml") << 0;
    QTest::newRow("pdf") << "pad.pdf" << QByteArray("%PDF") << 0;
    QTest::newRow("no extension: bmp") << "pad" << QByteArray("BM") << 1;
}

void TestPadCommands::savePicture()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, start);
    QFETCH(int, scale);
    MainWindow& w = TestPadCommands::start();
    drawSomething();
    const QString path = dir_->filePath(file);
    dialogs_->fileAnswers = {path};
    dialogs_->inputAnswers = {QStringLiteral("3")};
    w.menu().mnuSave->trigger();
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(written.readAll().startsWith(start));
    if (scale > 0) {
        const QImage image(path);
        QCOMPARE(image.size(), w.sketchPad()->size() * scale * w.sketchPad()->devicePixelRatioF());
        if (scale == 1)
            QCOMPARE(image.convertToFormat(QImage::Format_RGB32),
                     padImage().convertToFormat(QImage::Format_RGB32));
    }
}

void TestPadCommands::copyPicturePutsImageAndSvg()
{
    MainWindow& w = start();
    drawSomething();
    w.menu().mnuCopyPicture->trigger();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    QVERIFY(data);
    QVERIFY(data->hasImage());
    QCOMPARE(qvariant_cast<QImage>(data->imageData()).size(), padImage().size());
    const QByteArray svg = data->data(QStringLiteral("image/svg+xml"));
    QVERIFY(svg.contains("<svg"));
    QVERIFY(!svg.contains("<image"));
}
