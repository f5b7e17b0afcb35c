// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_PadDocument.h"

#include "Colours.h"
#include "FakeSketchContext.h"
#include "PadTestSupport.h"
#include "PictureFiles.h"
#include "SketchStrokes.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>
#include <QWheelEvent>

#include <cmath>
#include <memory>

using namespace orvane;
using namespace orvane::test;

namespace {

constexpr Colour Red = 0x0000FF;
constexpr Colour Green = 0x00FF00;
constexpr Colour Blue = 0xFF0000;

struct Pad {
    FakeSketchContext context;
    std::unique_ptr<SketchPad> dp;

    Pad()
    {
        dp = std::make_unique<SketchPad>(context);
        dp->resize(PadPixels, PadPixels);
        dp->show();
    }
    void drag(SketchPad::DrawModes mode, WorldPoint from, WorldPoint to)
    {
        dp->setDrawModeValue(mode);
        QTest::mousePress(dp.get(), Qt::LeftButton, {}, pixelOf(from.x, from.y));
        QTest::mouseMove(dp.get(), pixelOf((from.x + to.x) / 2, (from.y + to.y) / 2));
        QTest::mouseMove(dp.get(), pixelOf(to.x, to.y));
        QTest::mouseRelease(dp.get(), Qt::LeftButton, {}, pixelOf(to.x, to.y));
    }
    QImage kept() const { return dp->persistentImage(); }
    // The document painted afresh on a new surface of the pad's size.
    QImage replayed() const
    {
        PadSurface fresh;
        fresh.resize(dp->surface().size(), dp->surface().devicePixelRatio());
        dp->document().replay(fresh);
        return fresh.persistentImage();
    }
};

std::shared_ptr<PadOperation> line(WorldPoint a, WorldPoint b, Colour c, int width = 1)
{
    return std::make_shared<LineStroke>(std::vector<LineStroke::Segment>{{a, b}}, c, width,
                                        DrawStyle::Solid);
}

// A document of some hand drawing on a raster of the test size.
struct Drawing {
    PadSurface surface;
    PadDocument document{&surface};
    Drawing()
    {
        surface.resize(QSize(PadPixels, PadPixels));
        document.append(line({-8, -6}, {8, 6}, Red, 2));
        document.append(std::make_shared<CircleStroke>(WorldPoint{1, 1}, 4.0f, Green, 1));
        document.append(
            std::make_shared<TextStroke>(WorldPoint{-9, 9}, QStringLiteral("y=x²"), Blue, 12));
    }
};

// The row of the first pixel of that colour in a column, -1 when none.
int rowOfColour(const QImage& image, int x, QColor colour)
{
    for (int y = 0; y < image.height(); ++y)
        if (image.pixelColor(x, y) == colour) return y;
    return -1;
}

} // namespace

void TestPadDocument::replayEqualsDrawingStepByStep()
{
    Pad pad;
    pad.context.width = 3;
    pad.drag(SketchPad::ModePoint, {-2, 7}, {-2, 7});
    pad.drag(SketchPad::ModeLine, {-9, -9}, {7, 3});
    pad.drag(SketchPad::ModePerpendicular, {4, -5}, {4, -5});
    pad.context.pen = Green;
    pad.drag(SketchPad::ModeCircle, {1, 1}, {4, 5});
    pad.dp->setDrawModeValue(SketchPad::ModeText);
    QTest::mouseClick(pad.dp.get(), Qt::LeftButton, {}, pixelOf(-6, 6));
    pad.dp->inputWord()->setText(QStringLiteral("顶点 A"));
    QTest::keyClick(pad.dp->inputWord(), Qt::Key_Return);
    pad.drag(SketchPad::ModeEraser, {-9, -9}, {0, -4});
    QCOMPARE(pad.dp->document().state().picture.size(), std::size_t(6));
    QCOMPARE(pad.kept(), pad.replayed());
}

void TestPadDocument::resizeThenReplayAtTheSameSizeIsTheSame()
{
    Pad pad;
    pad.drag(SketchPad::ModeLine, {-9, -9}, {7, 3});
    pad.drag(SketchPad::ModeCircle, {1, 1}, {4, 5});
    const QImage before = pad.kept();
    pad.dp->resize(250, 300);
    QCOMPARE(pad.kept().size(), QSize(250, 300) * pad.dp->devicePixelRatioF());
    QCOMPARE(pad.kept(), pad.replayed());
    pad.dp->resize(PadPixels, PadPixels);
    QCOMPARE(pad.kept(), before);
}

void TestPadDocument::undoRestoresAndRedoReapplies()
{
    Drawing d;
    const QImage three = d.surface.persistentImage();
    d.document.setBackground(Green);
    const QImage cleared = d.surface.persistentImage();
    QVERIFY(cleared != three);
    QVERIFY(d.document.undo());
    QCOMPARE(d.surface.persistentImage(), three);
    QCOMPARE(d.surface.backColour(), White);
    QVERIFY(d.document.redo());
    QCOMPARE(d.surface.persistentImage(), cleared);
    QVERIFY(!d.document.redo());
    // A new step after an undo drops what could have been redone.
    QVERIFY(d.document.undo());
    d.document.append(line({0, 0}, {1, 1}, Red));
    QVERIFY(!d.document.canRedo());
}

void TestPadDocument::undoKeepsTheLastStepsOnly_data()
{
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("undone");
    QTest::newRow("100 steps all undone") << 100 << 100;
    QTest::newRow("200 steps all undone") << 200 << 200;
    QTest::newRow("250 steps keep the last 200") << 250 << 200;
}

void TestPadDocument::undoKeepsTheLastStepsOnly()
{
    QFETCH(int, steps);
    QFETCH(int, undone);
    PadDocument document;
    for (int i = 0; i < steps; ++i)
        document.append(line({0, 0}, {float(i % 10), 1}, Red));
    int count = 0;
    while (document.undo())
        ++count;
    QCOMPARE(count, undone);
    QCOMPARE(int(document.state().picture.size()), steps - undone);
}

void TestPadDocument::stepJoinsEverythingInside()
{
    Drawing d;
    const QImage before = d.surface.persistentImage();
    {
        const PadDocument::Step outer(d.document);
        d.document.setBackground(Green);
        const PadDocument::Step inner(d.document);
        d.document.append(line({-5, 0}, {5, 0}, Red));
    }
    d.document.append(line({0, -5}, {0, 5}, Red));
    QVERIFY(d.document.undo());
    QVERIFY(d.document.undo());
    QCOMPARE(d.surface.persistentImage(), before);
    QVERIFY(d.document.undo()); // the text of the drawing itself
}

void TestPadDocument::eraserStrokeAndAxesAreOneStep()
{
    Pad pad;
    pad.context.onDrawAxes = [&pad] { pad.dp->document().append(line({-10, 0}, {10, 0}, Red)); };
    pad.drag(SketchPad::ModeLine, {-9, -9}, {7, 3});
    const QImage before = pad.kept();
    pad.drag(SketchPad::ModeEraser, {-9, -9}, {0, -4});
    QCOMPARE(pad.context.axesDrawn, 1);
    QVERIFY(pad.kept() != before);
    QVERIFY(pad.dp->document().undo());
    QCOMPARE(pad.kept(), before);
}

void TestPadDocument::laterAxesReplaceEarlierOnesOfTheSameSize()
{
    // Stands in for the plotter's axes: an operation that says it draws axes of a size.
    class Axes : public PadOperation {
    public:
        Axes(Colour c, int size) : c_(c), size_(size) {}
        void paint(Surface& s) const override { s.line({-10, 0}, {10, 0}, c_); }
        std::optional<int> axesSize() const override { return size_; }

    private:
        Colour c_;
        int size_;
    };
    Drawing d;
    d.document.append(std::make_shared<Axes>(Red, 10));
    d.document.append(line({-3, -3}, {3, 3}, Green));
    d.document.append(std::make_shared<Axes>(Green, 10));
    const auto& picture = d.document.state().picture;
    QCOMPARE(picture.size(), std::size_t(5));
    QCOMPARE(picture.back()->axesSize(), std::optional<int>(10));
    PadSurface fresh;
    fresh.resize(QSize(PadPixels, PadPixels));
    d.document.replay(fresh);
    QCOMPARE(fresh.persistentImage(), d.surface.persistentImage());
}

void TestPadDocument::svgMatchesTheRasterWithinOnePixel()
{
    Drawing d;
    const QSize size(PadPixels, PadPixels);
    const QImage raster = pictureImage(d.document, size);
    QSvgRenderer renderer(pictureSvg(d.document, size));
    QVERIFY(renderer.isValid());
    QImage vector(size, QImage::Format_RGB32);
    vector.fill(Qt::white);
    QPainter painter(&vector);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    int compared = 0;
    for (int x = 30; x < 370; x += 17) {
        const int want = rowOfColour(raster, x, toQColor(Red));
        // Antialiased edges blend: take the darkest red of the vector picture's column.
        int best = -1, bestRed = 0;
        for (int y = 0; y < vector.height(); ++y) {
            const QColor c = vector.pixelColor(x, y);
            const int redness = c.red() - (c.green() + c.blue()) / 2;
            if (redness > bestRed && (want < 0 || std::abs(y - want) < 60)) {
                bestRed = redness;
                best = y;
            }
        }
        if (want < 0) continue;
        QVERIFY2(std::abs(best - want) <= 1,
                 qPrintable(QStringLiteral("column %1: %2 against %3").arg(x).arg(best).arg(want)));
        ++compared;
    }
    QVERIFY(compared > 10);
}

void TestPadDocument::svgAndPdfAreVector()
{
    Drawing d;
    const QByteArray svg = pictureSvg(d.document, QSize(PadPixels, PadPixels));
    QVERIFY(svg.contains("<svg"));
    QVERIFY(svg.contains("<polyline") || svg.contains("<path"));
    QVERIFY(svg.contains("<text"));
    QVERIFY(svg.contains("y=x"));
    QVERIFY(!svg.contains("<image"));
    const QByteArray pdf = picturePdf(d.document, QSize(PadPixels, PadPixels));
    QVERIFY(pdf.startsWith("%PDF"));
    QVERIFY(!pdf.contains("/Subtype /Image"));
}

void TestPadDocument::pngScale_data()
{
    QTest::addColumn<int>("scale");
    QTest::addColumn<int>("pixels");
    QTest::newRow("1") << 1 << PadPixels;
    QTest::newRow("3") << 3 << 3 * PadPixels;
    QTest::newRow("4") << 4 << 4 * PadPixels;
    QTest::newRow("0 is held to 1") << 0 << PadPixels;
    QTest::newRow("9 is held to 4") << 9 << 4 * PadPixels;
}

void TestPadDocument::pngScale()
{
    QFETCH(int, scale);
    QFETCH(int, pixels);
    Drawing d;
    const QImage image = pictureImage(d.document, QSize(PadPixels, PadPixels), scale);
    QCOMPARE(image.size(), QSize(pixels, pixels));
    // The thick red line crosses the middle at every scale.
    QVERIFY(rowOfColour(image, pixels / 2, toQColor(Red)) >= 0);
}

void TestPadDocument::formatByExtension_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("format");
    QTest::newRow("bmp") << "a.bmp" << int(PictureFormat::Bmp);
    QTest::newRow("PNG upper case") << "a.PNG" << int(PictureFormat::Png);
    QTest::newRow("svg") << "/tmp/x.y/a.svg" << int(PictureFormat::Svg);
    QTest::newRow("pdf") << "a.pdf" << int(PictureFormat::Pdf);
    QTest::newRow("no extension is a bitmap") << "picture" << int(PictureFormat::Bmp);
    QTest::newRow("unknown is a bitmap") << "a.gif" << int(PictureFormat::Bmp);
}

void TestPadDocument::formatByExtension()
{
    QFETCH(QString, path);
    QFETCH(int, format);
    QCOMPARE(int(pictureFormatOf(path)), format);
}

void TestPadDocument::wheelZoomKeepsThePointUnderThePointer_data()
{
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QList<int>>("notches");
    QTest::newRow("one in, off centre") << QPoint(100, 300) << QList<int>{1};
    QTest::newRow("in, in, out at a corner") << QPoint(0, 0) << QList<int>{1, 1, -1};
    QTest::newRow("far out at the last pixel") << QPoint(399, 399) << QList<int>{-5, -5};
    QTest::newRow("two in one turn") << QPoint(250, 120) << QList<int>{2};
}

void TestPadDocument::wheelZoomKeepsThePointUnderThePointer()
{
    QFETCH(QPoint, pixel);
    QFETCH(QList<int>, notches);
    Pad pad;
    PadDocument& document = pad.dp->document();
    const PixelArea area{PadPixels, PadPixels};
    const double x = document.view().plotX(pixel.x(), area);
    const double y = document.view().plotY(pixel.y(), area);
    for (int n : notches) {
        QWheelEvent wheel(pixel, pad.dp->mapToGlobal(pixel), {}, QPoint(0, 120 * n), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(pad.dp.get(), &wheel);
    }
    const PlotView view = document.view();
    int net = 0;
    for (int n : notches)
        net += n;
    QVERIFY(std::fabs(view.halfWidth() - 10 * std::pow(0.8, net)) < 1e-9);
    QVERIFY(std::fabs(view.pixelX(x, area) - pixel.x()) < 1e-6);
    QVERIFY(std::fabs(view.pixelY(y, area) - pixel.y()) < 1e-6);
    // The mouse read-out follows: the world point under the pointer is the same.
    QVERIFY(std::fabs(pad.dp->surface().toWorld(pixel).x - x) < 1e-3 * view.halfWidth());
    QVERIFY(!document.canUndo());
}

void TestPadDocument::panningMovesTheWindow_data()
{
    QTest::addColumn<int>("how"); // 0 middle drag, 1 Shift+left drag, 2 arrow key
    QTest::addColumn<QPoint>("move");
    QTest::addColumn<int>("key");
    QTest::addColumn<double>("centreX");
    QTest::addColumn<double>("centreY");
    // 20 pixels a unit: the plane follows the pointer.
    QTest::newRow("middle drag") << 0 << QPoint(40, 20) << 0 << -2.0 << 1.0;
    QTest::newRow("Shift drag") << 1 << QPoint(-100, -60) << 0 << 5.0 << -3.0;
    QTest::newRow("left arrow") << 2 << QPoint() << int(Qt::Key_Left) << -2.0 << 0.0;
    QTest::newRow("up arrow") << 2 << QPoint() << int(Qt::Key_Up) << 0.0 << 2.0;
}

void TestPadDocument::panningMovesTheWindow()
{
    QFETCH(int, how);
    QFETCH(QPoint, move);
    QFETCH(int, key);
    QFETCH(double, centreX);
    QFETCH(double, centreY);
    Pad pad;
    const QPoint from(200, 200);
    if (how == 2) {
        QTest::keyClick(pad.dp.get(), Qt::Key(key));
    } else {
        const Qt::MouseButton button = how == 0 ? Qt::MiddleButton : Qt::LeftButton;
        const Qt::KeyboardModifiers modifiers = how == 0 ? Qt::NoModifier : Qt::ShiftModifier;
        QTest::mousePress(pad.dp.get(), button, modifiers, from);
        QMouseEvent drag(QEvent::MouseMove, from + move, pad.dp->mapToGlobal(from + move),
                         Qt::NoButton, button, modifiers);
        QApplication::sendEvent(pad.dp.get(), &drag);
        QTest::mouseRelease(pad.dp.get(), button, modifiers, from + move);
    }
    const PlotView view = pad.dp->document().view();
    QVERIFY(std::fabs(view.centreX() - centreX) < 1e-9);
    QVERIFY(std::fabs(view.centreY() - centreY) < 1e-9);
    QCOMPARE(view.halfWidth(), 10.0);
    // Panning draws nothing and no menu came up.
    QVERIFY(pad.dp->document().state().picture.empty());
    QVERIFY(pad.context.drawingMenus.isEmpty());
}

void TestPadDocument::sketchFollowsTheView()
{
    Pad pad;
    PadDocument& document = pad.dp->document();
    document.append(line({1, 1}, {2, 1}, Red));
    // The window 0..2 on both axes, 200 pixels a unit: the line starts at the centre pixel.
    document.setView(PlotView(1, 1, 1));
    QCOMPARE(pad.kept().pixelColor(250, 200), toQColor(Red));
    QCOMPARE(pad.kept().pixelColor(150, 200), toQColor(White));
    QCOMPARE(pad.replayed(), pad.kept());
    // An undo keeps the view; the line is gone from it.
    QVERIFY(document.undo());
    QCOMPARE(document.view(), PlotView(1, 1, 1));
    QVERIFY(document.redo());
    pad.dp->showClassicView();
    const QPoint middle = pixelOf(1.5, 1);
    QCOMPARE(pad.kept().pixelColor(middle), toQColor(Red));
}
