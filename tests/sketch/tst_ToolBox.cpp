// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_ToolBox.h"

#include "Colours.h"
#include "GoldButton.h"
#include "SketchFixture.h"
#include "SketchResources.h"
#include "SketchTexts.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QToolButton>

using namespace orvane;
using namespace orvane::test;

Q_DECLARE_METATYPE(orvane::Colour)

namespace {

QStringList itemsOf(QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

void checkOnlyActive(SketchFixture& f, int active)
{
    for (int i = 0; i < ToolBox::ModeButtons; ++i) {
        auto* button = f.tool<GoldButton>(QStringLiteral("GButton_%1").arg(i));
        QVERIFY(button);
        QCOMPARE(button->OnUp(), i == active ? 8 : 0);
        QCOMPARE(button->isEnabled(), i != active);
    }
    QCOMPARE(f.tools().activeModeButton(), active);
}

} // namespace

void TestToolBox::loadFillsTheBoxes()
{
    SketchFixture f;
    QCOMPARE(f.tools().objectName(), QStringLiteral("WinTools"));
    QCOMPARE(f.tools().x(), 0);
    auto* font = f.tool<QComboBox>(QStringLiteral("CFont"));
    auto* eraser = f.tool<QComboBox>(QStringLiteral("CMoveDot"));
    auto* width = f.tool<QComboBox>(QStringLiteral("CLineWide"));
    QStringList fonts;
    for (int i = 2; i <= 60; ++i)
        fonts << QString::number(i);
    QCOMPARE(itemsOf(font), fonts);
    QCOMPARE(font->currentText(), QStringLiteral("9"));
    const QStringList sizes = itemsOf(eraser);
    QCOMPARE(sizes.size(), 59);
    QCOMPARE(sizes.mid(0, 4), (QStringList{"1", "1.5", "2", "2.5"}));
    QCOMPARE(sizes.last(), QStringLiteral("30"));
    QCOMPARE(eraser->currentText(), QStringLiteral("10"));
    QCOMPARE(itemsOf(width), (QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    QCOMPARE(width->currentText(), QStringLiteral("1"));
    for (const char* hidden : {"LFONT", "CFont", "LMoveDot", "CMoveDot"})
        QVERIFY2(f.tool(QLatin1String(hidden))->isHidden(), hidden);
    QCOMPARE(f.tool<QLabel>(QStringLiteral("LFONT"))->text(), QStringLiteral("字体"));
    QCOMPARE(f.tool<QLabel>(QStringLiteral("LMoveDot"))->text(), QStringLiteral("橡皮"));
    QCOMPARE(f.tool<QLabel>(QStringLiteral("LLineWide"))->text(), QStringLiteral("线宽"));
    QCOMPARE(f.tool<QLabel>(QStringLiteral("LBeforeColor"))->text(), QStringLiteral("前景"));
    QCOMPARE(f.tool<QLabel>(QStringLiteral("LBackColor"))->text(), QStringLiteral("背景"));
    const int top = f.tool(QStringLiteral("GButton_0"))->y();
    for (int i = 0; i < ToolBox::ModeButtons; ++i) {
        auto* button = f.tool<GoldButton>(QStringLiteral("GButton_%1").arg(i));
        QCOMPARE(button->y(), top + 24 * i);
        QVERIFY(!button->Picture().isNull());
    }
    for (int i = 0; i < ToolBox::ToolButtons; ++i)
        QVERIFY(!f.tool<GoldButton>(QStringLiteral("GBTools_%1").arg(i))->Picture().isNull());
    QVERIFY(f.tool<GoldButton>(QStringLiteral("GBStandard")));
    checkOnlyActive(f, 0);
}

void TestToolBox::modeButtonsLeaveExactlyOneActive_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<QString>("status");
    QTest::addColumn<int>("pointer");
    const int cross = int(SketchPad::Pointer::Cross);
    QTest::newRow("0 after 3") << 3 << 0 << QStringLiteral("画图状态")
                               << int(SketchPad::Pointer::Arrow);
    QTest::newRow("1") << 0 << 1 << QStringLiteral("画点") << cross;
    QTest::newRow("2") << 6 << 2 << QStringLiteral("画线") << cross;
    QTest::newRow("3") << 1 << 3 << QStringLiteral("画到坐标轴的垂线") << cross;
    QTest::newRow("4") << 5 << 4 << QStringLiteral("画圆") << cross;
    QTest::newRow("5") << 2 << 5 << QStringLiteral("插入文字") << int(SketchPad::Pointer::Text);
    QTest::newRow("6") << 4 << 6 << QStringLiteral("橡皮") << int(SketchPad::Pointer::Custom);
}

void TestToolBox::modeButtonsLeaveExactlyOneActive()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(QString, status);
    QFETCH(int, pointer);
    SketchFixture f;
    if (first != 0) f.click(QStringLiteral("GButton_%1").arg(first));
    f.context.modeMenuChecks.clear();
    f.click(QStringLiteral("GButton_%1").arg(second));
    checkOnlyActive(f, second);
    QCOMPARE(f.pad().drawMode(), second);
    QCOMPARE(f.status().modeText(), status);
    QCOMPARE(int(f.pad().pointer()), pointer);
    // The menu checks are cleared, then the item of the mode is checked.
    QCOMPARE(f.context.modeMenuChecks, second == 0 ? QList<int>{0} : (QList<int>{0, second}));
    QCOMPARE(f.tool(QStringLiteral("CFont"))->isVisible(), second == 5);
    QCOMPARE(f.tool(QStringLiteral("LFONT"))->isVisible(), second == 5);
    QCOMPARE(f.tool(QStringLiteral("CMoveDot"))->isVisible(), second == 6);
    QCOMPARE(f.tool(QStringLiteral("LMoveDot"))->isVisible(), second == 6);
    // An active button cannot be clicked again.
    f.context.modeMenuChecks.clear();
    f.click(QStringLiteral("GButton_%1").arg(second));
    QVERIFY(f.context.modeMenuChecks.isEmpty());
}

void TestToolBox::eraserButtonShowsSizesAndCursor()
{
    SketchFixture f;
    f.click(QStringLiteral("GButton_6"));
    QVERIFY(f.tool(QStringLiteral("CMoveDot"))->isVisible());
    QVERIFY(f.tool(QStringLiteral("LMoveDot"))->isVisible());
    QCOMPARE(f.status().modeText(), QStringLiteral("橡皮"));
    QCOMPARE(f.pad().pointer(), SketchPad::Pointer::Custom);
    QCOMPARE(f.pad().customPointerId(), 910);
    QCOMPARE(f.pad().cursor().shape(), Qt::BitmapCursor);
}

void TestToolBox::eraserCursorFollowsChosenSize_data()
{
    QTest::addColumn<QString>("size");
    QTest::addColumn<int>("cursor");
    QTest::newRow("1") << "1" << 900;
    QTest::newRow("3.5") << "3.5" << 900;
    QTest::newRow("4") << "4" << 905;
    QTest::newRow("8.5") << "8.5" << 905;
    QTest::newRow("13.5") << "13.5" << 910;
    QTest::newRow("14") << "14" << 915;
    QTest::newRow("17.5") << "17.5" << 915;
    QTest::newRow("18") << "18" << 920;
    QTest::newRow("23.5") << "23.5" << 920;
    QTest::newRow("24") << "24" << 925;
    QTest::newRow("27.5") << "27.5" << 925;
    QTest::newRow("28") << "28" << 930;
    QTest::newRow("30") << "30" << 930;
}

void TestToolBox::eraserCursorFollowsChosenSize()
{
    QFETCH(QString, size);
    QFETCH(int, cursor);
    SketchFixture f;
    f.click(QStringLiteral("GButton_6"));
    f.choose(QStringLiteral("CMoveDot"), size);
    QCOMPARE(f.pad().customPointerId(), cursor);
    QCOMPARE(f.pad().pointer(), SketchPad::Pointer::Custom);
    // The pad erases with the size read at that moment.
    QCOMPARE(f.tools().eraserSizeText(), size);
}

void TestToolBox::sizeOutsideTheClassesKeepsTheCursor_data()
{
    QTest::addColumn<QString>("size");
    QTest::newRow("3.7") << "3.7";
    QTest::newRow("0.5") << "0.5";
    QTest::newRow("31") << "31";
    QTest::newRow("not a number") << "abc";
}

void TestToolBox::sizeOutsideTheClassesKeepsTheCursor()
{
    QFETCH(QString, size);
    SketchFixture f;
    f.click(QStringLiteral("GButton_6"));
    f.choose(QStringLiteral("CMoveDot"), QStringLiteral("2"));
    QCOMPARE(f.pad().customPointerId(), 900);
    f.typeOnly(QStringLiteral("CMoveDot"), size);
    // Choosing the eraser again from the menu reads the typed size.
    f.windows.chooseDrawMode(6);
    QCOMPARE(f.pad().customPointerId(), 900);
    QCOMPARE(f.pad().pointer(), SketchPad::Pointer::Custom);
}

void TestToolBox::changingModeHidesTextBoxWithoutPrinting()
{
    SketchFixture f;
    f.click(QStringLiteral("GButton_5"));
    QVERIFY(f.tool(QStringLiteral("CFont"))->isVisible());
    QTest::mouseClick(&f.pad(), Qt::LeftButton, {}, pixelOf(0, 0));
    QLineEdit* input = f.pad().inputWord();
    QVERIFY(input->isVisible());
    QTest::keyClicks(input, QStringLiteral("abc"));
    const QImage before = f.pad().persistentImage();
    f.click(QStringLiteral("GButton_1"));
    QVERIFY(!f.tool(QStringLiteral("CFont"))->isVisible());
    QVERIFY(input->isHidden());
    QCOMPARE(f.pad().persistentImage(), before);
    QCOMPARE(f.pad().drawMode(), 1);
}

void TestToolBox::enterInTextBoxActivatesButtonZero()
{
    SketchFixture f;
    f.click(QStringLiteral("GButton_5"));
    QTest::mouseClick(&f.pad(), Qt::LeftButton, {}, pixelOf(-4, 4));
    QTest::keyClicks(f.pad().inputWord(), QStringLiteral("P"));
    QTest::keyClick(f.pad().inputWord(), Qt::Key_Return);
    checkOnlyActive(f, 0);
    QCOMPARE(f.pad().drawMode(), 0);
    QCOMPARE(f.pad().pointer(), SketchPad::Pointer::Arrow);
    QVERIFY(f.pad().persistentImage() != expectedSurface(f.pad()).persistentImage());
    // The status text stays what mode 5 set.
    QCOMPARE(f.status().modeText(), QStringLiteral("插入文字"));
}

void TestToolBox::menuModeIsLikeTheButton()
{
    SketchFixture f;
    f.windows.chooseDrawMode(3);
    checkOnlyActive(f, 3);
    QCOMPARE(f.pad().drawMode(), 3);
    QCOMPARE(f.context.modeMenuChecks.last(), 3);
    QCOMPARE(f.status().modeText(), QStringLiteral("画到坐标轴的垂线"));
}

void TestToolBox::outOfRangeModeChangesNothing()
{
    SketchFixture f;
    f.windows.chooseDrawMode(2);
    f.context.modeMenuChecks.clear();
    f.windows.menuDraw().setDrawMode(7);
    f.windows.menuDraw().setDrawMode(-1);
    QCOMPARE(f.pad().drawMode(), 2);
    QVERIFY(f.context.modeMenuChecks.isEmpty());
}

void TestToolBox::fontSizeGoesToPadAndTextBox()
{
    SketchFixture f;
    f.click(QStringLiteral("GButton_5"));
    f.choose(QStringLiteral("CFont"), QStringLiteral("20"));
    QCOMPARE(f.pad().surface().fontSize(), 20.0);
    QCOMPARE(f.pad().inputWord()->font().pointSizeF(), 20.0);
    QCOMPARE(f.tools().fontSize(), 20.0);
}

void TestToolBox::lineWidthGoesToPlotterAndSettings_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("pen"); // 0: refused
    QTest::newRow("4") << "4" << 4;
    QTest::newRow("10") << "10" << 10;
    // Pens are whole pixels: the width drawn, rounded half to even, is the width shown.
    QTest::newRow("typed 2.5") << "2.5" << 2;
    QTest::newRow("typed 3.5") << "3.5" << 4;
    QTest::newRow("typed 0") << "0" << 0;
    QTest::newRow("typed 11") << "11" << 0;
    QTest::newRow("typed text") << "abc" << 0;
}

void TestToolBox::lineWidthGoesToPlotterAndSettings()
{
    QFETCH(QString, typed);
    QFETCH(int, pen);
    SketchFixture f;
    f.context.width = 3;
    const int penBefore = f.pad().surface().penWidth();
    f.choose(QStringLiteral("CLineWide"), typed);
    auto* box = f.tool<QComboBox>(QStringLiteral("CLineWide"));
    if (pen == 0) {
        QCOMPARE(f.dialogs.messageTexts(), QStringList{QStringLiteral("请输入1到10之间的数值")});
        QVERIFY(f.context.plotterWidths.isEmpty());
        QVERIFY(f.context.settings.isEmpty());
        QCOMPARE(f.pad().surface().penWidth(), penBefore);
        QCOMPARE(box->currentText(), QStringLiteral("3"));
        return;
    }
    QCOMPARE(box->currentText(), QString::number(pen));
    QCOMPARE(f.context.plotterWidths, QList<double>{double(pen)});
    QCOMPARE(f.context.settings.size(), 1);
    QCOMPARE(f.context.settings.front().first, QStringLiteral("LineBold"));
    QCOMPARE(f.context.settings.front().second, QString::number(pen));
    QCOMPARE(f.pad().surface().penWidth(), pen);
    // The plotter echoes its width back.
    f.tools().setLineWidthText(QStringLiteral(" 4"));
    QCOMPARE(f.tool<QComboBox>(QStringLiteral("CLineWide"))->currentText(), QStringLiteral(" 4"));
    QCOMPARE(f.context.plotterWidths.size(), 1);
}

void TestToolBox::penColourChosen()
{
    SketchFixture f;
    f.dialogs.colourAnswers.push_back(Colour(0x00A0B0));
    QTest::mouseClick(f.tool(QStringLiteral("LBeforeColor")), Qt::LeftButton);
    QCOMPARE(f.dialogs.count(FakeSystemDialogs::Call::Colour), 1);
    QCOMPARE(f.context.plotterColours, QList<Colour>{0x00A0B0});
    QCOMPARE(f.tools().foreSwatch(), Colour(0x00A0B0));
    QCOMPARE(f.tool(QStringLiteral("LBeforeColor"))->palette().color(QPalette::Window),
             toQColor(0x00A0B0));
    QCOMPARE(f.context.settings, (QList<QPair<QString, QString>>{
                                     {QStringLiteral("LineColor"), QStringLiteral("41136")}}));
    QCOMPARE(f.pad().inputWord()->palette().color(QPalette::Text), toQColor(0x00A0B0));
    // The next dialog opens on the colour now in use.
    QTest::mouseClick(f.tool(QStringLiteral("LBeforeColor")), Qt::LeftButton);
    QCOMPARE(f.dialogs.colourDialogStarts, (QList<Colour>{PureBlue, 0x00A0B0}));
}

void TestToolBox::penColourCancelled()
{
    SketchFixture f;
    const Colour before = f.tools().foreSwatch();
    QTest::mouseClick(f.tool(QStringLiteral("LBeforeColor")), Qt::LeftButton);
    QCOMPARE(f.dialogs.count(FakeSystemDialogs::Call::Colour), 1);
    QVERIFY(f.context.plotterColours.isEmpty());
    QVERIFY(f.context.settings.isEmpty());
    QCOMPARE(f.tools().foreSwatch(), before);
}

void TestToolBox::backColourClearsPadAndRedrawsAxes()
{
    SketchFixture f;
    f.windows.chooseDrawMode(2);
    QTest::mousePress(&f.pad(), Qt::LeftButton, {}, pixelOf(-3, -3));
    QTest::mouseRelease(&f.pad(), Qt::LeftButton, {}, pixelOf(5, 2));
    const int axes = f.context.axesDrawn;
    f.context.onDrawAxes = [&f] { f.pad().surface().line({-10, 0}, {10, 0}, Black); };
    f.dialogs.colourAnswers.push_back(Colour(0xC0FFC0));
    QTest::mouseClick(f.tool(QStringLiteral("LBackColor")), Qt::LeftButton);
    QCOMPARE(f.context.axesDrawn, axes + 1);
    QCOMPARE(f.tools().backSwatch(), Colour(0xC0FFC0));
    QCOMPARE(f.pad().surface().backColour(), Colour(0xC0FFC0));
    PadSurface want = expectedSurface(f.pad());
    want.line({-10, 0}, {10, 0}, Black);
    QCOMPARE(f.pad().persistentImage(), want.persistentImage());
    QCOMPARE(f.pad().inputWord()->palette().color(QPalette::Base), toQColor(0xC0FFC0));
    QVERIFY(f.context.settings.isEmpty());
}

void TestToolBox::backColourCancelled()
{
    SketchFixture f;
    f.pad().surface().line({-5, -5}, {5, 5}, Black);
    const QImage before = f.pad().persistentImage();
    const int axes = f.context.axesDrawn;
    QTest::mouseClick(f.tool(QStringLiteral("LBackColor")), Qt::LeftButton);
    QCOMPARE(f.pad().persistentImage(), before);
    QCOMPARE(f.context.axesDrawn, axes);
    QCOMPARE(f.pad().surface().backColour(), White);
}

void TestToolBox::toolButtonsOpenTools()
{
    SketchFixture f;
    for (int i = 0; i < ToolBox::ToolButtons; ++i)
        f.click(QStringLiteral("GBTools_%1").arg(i));
    QCOMPARE(f.context.openedTools, (QList<int>{0, 1, 2, 3}));
    f.click(QStringLiteral("GBStandard"));
    QCOMPARE(f.context.aboutShown, 1);
}

void TestToolBox::closeButtonHidesAndUnchecks()
{
    SketchFixture f;
    QTest::mouseClick(f.tool(QStringLiteral("cmdWindowAction")), Qt::LeftButton);
    QVERIFY(f.tools().isHidden());
    QCOMPARE(f.context.toolBoxChecks, QList<bool>{false});
}

void TestToolBox::captionDragKeepsTheBoxOnScreen()
{
    SketchFixture f;
    QSignalSpy released(&f.tools(), &ToolBox::captionReleased);
    f.tools().move(0, 100);
    QWidget* strip = f.tool(QStringLiteral("picCaption"));
    const QPoint start(500, 500);
    auto send = [strip](QEvent::Type type, QPoint global, Qt::MouseButton button,
                        Qt::MouseButtons buttons) {
        QMouseEvent e(type, QPointF(5, 5), QPointF(global), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(strip, &e);
    };
    send(QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(strip->palette().color(QPalette::Window),
             f.tools().palette().color(QPalette::Active, QPalette::Highlight));
    send(QEvent::MouseMove, start + QPoint(-30, 40), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(f.tools().pos(), QPoint(-30, 140));
    QCOMPARE(released.count(), 0);
    send(QEvent::MouseButtonRelease, start + QPoint(-30, 40), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(released.count(), 1);
    QCOMPARE(f.tools().pos(), QPoint(0, 140));

    send(QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, start + QPoint(70, -300), Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, start + QPoint(70, -300), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(f.tools().pos(), QPoint(70, 0));
}

void TestToolBox::backColourDialogStartsAtTheBackground()
{
    SketchFixture f;
    f.dialogs.colourAnswers.push_back(Colour(0xC0FFC0));
    for (int i = 0; i < 2; ++i)
        QTest::mouseClick(f.tool(QStringLiteral("LBackColor")), Qt::LeftButton);
    QCOMPARE(f.dialogs.colourDialogStarts, (QList<Colour>{White, 0xC0FFC0}));
}

void TestToolBox::iconButtonsHaveTooltips_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("tip");
    QTest::newRow("pointer") << "GButton_0"
                             << "取消画图";
    QTest::newRow("point") << "GButton_1"
                           << "画点";
    QTest::newRow("eraser") << "GButton_6"
                            << "橡皮";
    QTest::newRow("solver") << "GBTools_0"
                            << "解方程";
    QTest::newRow("geometry") << "GBTools_1"
                              << "几何计算";
    QTest::newRow("console") << "GBTools_2"
                             << "公式计算器";
    QTest::newRow("integral") << "GBTools_3"
                              << "计算定积分";
    QTest::newRow("about") << "GBStandard"
                           << "关于…";
    QTest::newRow("close") << "cmdWindowAction"
                           << "关闭";
}

void TestToolBox::iconButtonsHaveTooltips()
{
    QFETCH(QString, button);
    QFETCH(QString, tip);
    SketchFixture f;
    QCOMPARE(f.tool(button)->toolTip(), tip);
}

void TestToolBox::eraserCursorScalesWithTheScreen_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("1") << 1.0;
    QTest::newRow("1.5") << 1.5;
    QTest::newRow("2") << 2.0;
}

void TestToolBox::eraserCursorScalesWithTheScreen()
{
    QFETCH(qreal, ratio);
    const QCursor cursor = sketchCursor(910, ratio);
    QCOMPARE(cursor.pixmap().size(), QSize(32, 32) * ratio);
    QCOMPARE(cursor.pixmap().devicePixelRatio(), ratio);
    QCOMPARE(cursor.hotSpot(), QPoint(16, 16));
}
