// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_Pad.h"

#include "Colours.h"
#include "FakeSketchContext.h"
#include "PadTestSupport.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace orvane;
using namespace orvane::test;

namespace {

constexpr Colour Red = 0x0000FF;

struct Pad {
    FakeSketchContext context;
    std::unique_ptr<SketchPad> dp;
    QString status;

    Pad()
    {
        dp = std::make_unique<SketchPad>(context);
        QObject::connect(dp.get(), &SketchPad::coordinatesChanged,
                         [this](const QString& text) { status = text; });
        dp->resize(PadPixels, PadPixels);
        dp->show();
    }

    void press(float x, float y, Qt::MouseButton b = Qt::LeftButton)
    {
        QTest::mousePress(dp.get(), b, {}, pixelOf(x, y));
    }
    void move(float x, float y) { QTest::mouseMove(dp.get(), pixelOf(x, y)); }
    void release(float x, float y, Qt::MouseButton b = Qt::LeftButton)
    {
        QTest::mouseRelease(dp.get(), b, {}, pixelOf(x, y));
    }
    QImage shown() const { return dp->surface().composedImage(); }
    QImage kept() const { return dp->persistentImage(); }
};

void dottedGuides(PadSurface& s, WorldPoint p)
{
    s.setDrawStyle(DrawStyle::Dotted);
    s.line(p, {0, p.y}, Black);
    s.line(p, {p.x, 0}, Black);
    s.setDrawStyle(DrawStyle::Solid);
}

} // namespace

void TestPad::loadState()
{
    Pad pad;
    QCOMPARE(pad.dp->objectName(), QStringLiteral("DP"));
    QCOMPARE(pad.dp->drawMode(), 0);
    QVERIFY(!pad.dp->lineActive());
    QVERIFY(!pad.dp->circleActive());
    QVERIFY(!pad.dp->erasing());
    QVERIFY(pad.dp->surface().isPersistent());
    QCOMPARE(pad.dp->surface().size(), QSize(PadPixels, PadPixels));
    QLineEdit* input = pad.dp->findChild<QLineEdit*>(QStringLiteral("InputWord"));
    QVERIFY(input);
    QVERIFY(input->isHidden());
}

void TestPad::clickWithoutModeShowsGuidesUntilRelease()
{
    Pad pad;
    pad.context.width = 5;
    pad.press(3, 4);
    QCOMPARE(pad.status, QStringLiteral("当前坐标：  (3.0，4.0)         距原点：5.0"));
    PadSurface want = expectedSurface(*pad.dp);
    want.setPersistent(false);
    want.line({3, 4}, {0, 4}, Black);
    want.line({3, 4}, {3, 0}, Black);
    QCOMPARE(pad.shown(), want.composedImage());
    QCOMPARE(pad.kept(), want.persistentImage());
    QCOMPARE(pad.dp->cursor().shape(), Qt::ArrowCursor);

    pad.release(3, 4);
    QCOMPARE(pad.shown(), expectedSurface(*pad.dp).composedImage());
}

void TestPad::moveShowsCoordinatesAndDottedGuides_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<QString>("text");
    QTest::newRow("1.25,-2.5") << 1.25f << -2.5f << QStringLiteral("当前坐标：  (1.25，-2.5)");
    QTest::newRow("origin") << 0.0f << 0.0f << QStringLiteral("当前坐标：  (0.0，0.0)");
    QTest::newRow("left edge") << -10.0f << 9.95f << QStringLiteral("当前坐标：  (-10.0，9.95)");
    QTest::newRow("thirds round") << 0.35f << -7.15f << QStringLiteral("当前坐标：  (0.35，-7.15)");
}

void TestPad::moveShowsCoordinatesAndDottedGuides()
{
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(QString, text);
    Pad pad;
    pad.move(5, 5);
    pad.move(x, y);
    QCOMPARE(pad.status, text);
    PadSurface want = expectedSurface(*pad.dp);
    want.setPersistent(false);
    dottedGuides(want, {x, y});
    QCOMPARE(pad.shown(), want.composedImage());
}

void TestPad::pointMode()
{
    Pad pad;
    pad.context.width = 6;
    pad.dp->setDrawModeValue(SketchPad::ModePoint);
    pad.press(-2, 7);
    pad.release(-2, 7);
    PadSurface want = expectedSurface(*pad.dp);
    want.setPenWidth(6);
    want.point({-2, 7}, Red);
    QCOMPARE(pad.kept(), want.persistentImage());
    QCOMPARE(pad.status, QStringLiteral("当前坐标：  (-2.0，7.0)         距原点：7.2801099"));
}

void TestPad::lineRubberBandThenLine()
{
    Pad pad;
    pad.context.width = 3;
    pad.dp->setDrawModeValue(SketchPad::ModeLine);
    pad.press(0, 0);
    QVERIFY(pad.dp->lineActive());
    pad.move(3, 4);

    PadSurface want = expectedSurface(*pad.dp);
    want.setForeColour(Red);
    want.setPersistent(false);
    dottedGuides(want, {3, 4});
    want.line({0, 0}, {3, 4}, Red);
    want.printText(QStringLiteral(" 5 "));
    QCOMPARE(pad.shown(), want.composedImage());
    QCOMPARE(pad.kept(), expectedSurface(*pad.dp).persistentImage());

    pad.release(3, 4);
    QVERIFY(!pad.dp->lineActive());
    PadSurface done = expectedSurface(*pad.dp);
    done.setPenWidth(3);
    done.line({0, 0}, {3, 4}, Red);
    QCOMPARE(pad.kept(), done.persistentImage());
    // The rubber band and its number are gone.
    QCOMPARE(pad.shown(), done.persistentImage());
}

void TestPad::perpendicularsDashDot()
{
    Pad pad;
    pad.dp->setDrawModeValue(SketchPad::ModePerpendicular);
    pad.press(2, 3);
    pad.release(2, 3);
    PadSurface want = expectedSurface(*pad.dp);
    want.setDrawStyle(DrawStyle::DashDot);
    want.line({2, 3}, {0, 3}, Red);
    want.line({2, 3}, {2, 0}, Red);
    QCOMPARE(pad.kept(), want.persistentImage());
    QCOMPARE(pad.dp->surface().drawStyle(), DrawStyle::Solid);
}

void TestPad::circleRubberBandThenCircle()
{
    Pad pad;
    pad.context.width = 2;
    pad.dp->setDrawModeValue(SketchPad::ModeCircle);
    pad.press(1, 1);
    QVERIFY(pad.dp->circleActive());
    pad.move(4, 5);

    PadSurface want = expectedSurface(*pad.dp);
    want.setForeColour(Red);
    want.setPenWidth(2);
    want.point({1, 1}, Red);
    want.setPersistent(false);
    want.setPenWidth(1);
    dottedGuides(want, {4, 5});
    want.line({1, 1}, {4, 5}, Red);
    want.circle({1, 1}, 5, Red);
    want.setCurrentPoint({4, 5});
    want.printText(QStringLiteral(" 5 "));
    QCOMPARE(pad.shown(), want.composedImage());

    pad.release(4, 5);
    QVERIFY(!pad.dp->circleActive());
    PadSurface done = expectedSurface(*pad.dp);
    done.setPenWidth(2);
    done.point({1, 1}, Red);
    done.circle({1, 1}, 5, Red);
    QCOMPARE(pad.kept(), done.persistentImage());
    QCOMPARE(pad.shown(), done.persistentImage());
}

void TestPad::radiusPrintedInSinglePrecision()
{
    Pad pad;
    pad.dp->setDrawModeValue(SketchPad::ModeCircle);
    pad.press(0, 0);
    pad.move(1, 1);
    PadSurface want = expectedSurface(*pad.dp);
    want.setForeColour(Red);
    want.point({0, 0}, Red);
    want.setPersistent(false);
    dottedGuides(want, {1, 1});
    want.line({0, 0}, {1, 1}, Red);
    want.circle({0, 0}, float(std::sqrt(2.0)), Red);
    want.setCurrentPoint({1, 1});
    want.printText(QStringLiteral(" 1.414214 "));
    QCOMPARE(pad.shown(), want.composedImage());
}

void TestPad::eraserUsesSizeReadAtTheMoment_data()
{
    QTest::addColumn<QString>("size");
    QTest::addColumn<int>("width");
    QTest::newRow("1.5 gives 2") << QStringLiteral("1.5") << 2;
    QTest::newRow("2.5 gives 2") << QStringLiteral("2.5") << 2;
    QTest::newRow("10") << QStringLiteral("10") << 10;
    QTest::newRow("leading number") << QStringLiteral("12abc") << 12;
    QTest::newRow("no number gives the thinnest pen") << QStringLiteral("abc") << 1;
}

void TestPad::eraserUsesSizeReadAtTheMoment()
{
    QFETCH(QString, size);
    QFETCH(int, width);
    Pad pad;
    QString eraser = QStringLiteral("30");
    pad.dp->setEraserSizeReader([&eraser] { return eraser; });
    pad.dp->surface().setPenWidth(8);
    pad.dp->surface().line({-9, 2}, {9, 2}, Black);
    pad.dp->setDrawModeValue(SketchPad::ModeEraser);
    pad.press(1, 2);
    QVERIFY(pad.dp->erasing());
    eraser = size;
    pad.move(1, 2);

    PadSurface want = expectedSurface(*pad.dp);
    want.setPenWidth(8);
    want.line({-9, 2}, {9, 2}, Black);
    want.setPenWidth(width);
    want.point({1, 2}, White);
    QCOMPARE(pad.kept(), want.persistentImage());
    QCOMPARE(pad.context.axesDrawn, 0);

    pad.release(1, 2);
    QVERIFY(!pad.dp->erasing());
    QCOMPARE(pad.context.axesDrawn, 1);
    // Moving after the release no longer erases.
    pad.move(-5, 2);
    QCOMPARE(pad.kept(), want.persistentImage());
}

void TestPad::otherButtonOnlyPopsUpTheMenu_data()
{
    QTest::addColumn<int>("mode");
    for (int m = 0; m <= 6; ++m)
        QTest::addRow("mode %d", m) << m;
}

void TestPad::otherButtonOnlyPopsUpTheMenu()
{
    QFETCH(int, mode);
    Pad pad;
    pad.dp->setDrawModeValue(mode);
    const QImage before = pad.shown();
    const int axes = pad.context.axesDrawn;
    pad.press(2, 2, Qt::RightButton);
    pad.release(2, 2, Qt::RightButton);
    QCOMPARE(pad.context.drawingMenus.size(), 1);
    QCOMPARE(pad.context.drawingMenus.front(), pad.dp->mapToGlobal(pixelOf(2, 2)));
    QCOMPARE(pad.shown(), before);
    QCOMPARE(pad.context.axesDrawn, axes);
    QVERIFY(pad.dp->inputWord()->isHidden());
    QVERIFY(pad.status.isEmpty());
}

void TestPad::resizeDrawsTheSketchAgain()
{
    Pad pad;
    pad.dp->setDrawModeValue(SketchPad::ModeLine);
    pad.press(-3, -3);
    pad.release(4, 4);
    pad.dp->setDrawModeValue(SketchPad::ModeCircle);
    pad.press(1, 1);
    pad.release(4, 5);
    pad.dp->resize(300, 200);
    // The hand drawing is drawn again at the new scale; nothing asks for the axes.
    QCOMPARE(pad.context.axesDrawn, 0);
    PadSurface want;
    want.resize(QSize(300, 200), pad.dp->surface().devicePixelRatio());
    want.line({-3, -3}, {4, 4}, Red);
    want.point({1, 1}, Red);
    want.circle({1, 1}, 5, Red);
    QCOMPARE(pad.kept(), want.persistentImage());
}

void TestPad::textBoxFollowsPressAndEnterPrints()
{
    Pad pad;
    QSignalSpy placed(pad.dp.get(), &SketchPad::textPlaced);
    QLineEdit* input = pad.dp->inputWord();
    pad.dp->setDrawModeValue(SketchPad::ModeText);
    pad.press(-5, 5);
    pad.release(-5, 5);
    QVERIFY(input->isVisible());
    QCOMPARE(input->pos(), pixelOf(-5, 5));
    QCOMPARE(input->palette().color(QPalette::Text), toQColor(Red));
    QTest::keyClicks(input, QStringLiteral("ab"));
    // A second press moves the box and keeps the text.
    pad.context.pen = 0x008000;
    pad.press(1, -2);
    pad.release(1, -2);
    QCOMPARE(input->pos(), pixelOf(1, -2));
    input->insert(QStringLiteral("奥")); // as an input method commits it
    QTest::keyClicks(input, QStringLiteral("c"));
    QCOMPARE(pad.dp->pendingText(), QStringLiteral("ab奥c"));
    QVERIFY(pad.kept() == expectedSurface(*pad.dp).persistentImage());

    QTest::keyClick(input, Qt::Key_Return);
    PadSurface want = expectedSurface(*pad.dp);
    want.setForeColour(0x008000);
    want.setCurrentPoint({1, -2});
    want.printText(QStringLiteral("ab奥c"));
    QCOMPARE(pad.kept(), want.persistentImage());
    QVERIFY(input->isHidden());
    QVERIFY(input->text().isEmpty());
    QCOMPARE(pad.dp->drawMode(), 0);
    QCOMPARE(pad.dp->pointer(), SketchPad::Pointer::Arrow);
    QCOMPARE(placed.count(), 1);
}

void TestPad::enterWithNothingTypedStillEndsTextMode()
{
    Pad pad;
    QSignalSpy placed(pad.dp.get(), &SketchPad::textPlaced);
    pad.dp->setDrawModeValue(SketchPad::ModeText);
    pad.press(0, 0);
    pad.release(0, 0);
    QTest::keyClick(pad.dp->inputWord(), Qt::Key_Enter);
    QCOMPARE(pad.kept(), expectedSurface(*pad.dp).persistentImage());
    QCOMPARE(pad.dp->drawMode(), 0);
    QCOMPARE(placed.count(), 1);
    // Other keys do nothing.
    pad.dp->setDrawModeValue(SketchPad::ModeText);
    QTest::keyClick(pad.dp->inputWord(), Qt::Key_Escape);
    QCOMPARE(pad.dp->drawMode(), int(SketchPad::ModeText));
}
