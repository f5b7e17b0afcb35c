// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_PadSurface.h"

#include "Colours.h"
#include "PadSurface.h"

#include <QPainter>
#include <QTest>

#include <cmath>

using namespace orvane;

Q_DECLARE_METATYPE(orvane::Colour)

namespace {

// Every pixel of the image differs from `c` in how many places.
int pixelsNot(const QImage& image, Colour c)
{
    const QRgb want = toQColor(c).rgb();
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) | 0xFF000000) != want;
    return n;
}

int pixelsOf(const QImage& image, Colour c)
{
    return image.width() * image.height() - pixelsNot(image, c);
}

void scene(PadSurface& s, Colour colour, int width)
{
    s.setPenWidth(width);
    s.setForeColour(colour);
    s.line({-9, -9}, {9, 9}, colour);
    s.line({-9.3f, 2.7f}, {8.1f, -3.33f}, colour);
    s.lineTo({0.5f, 7.25f});
    s.line({-15, 0}, {15, 0.5f}, colour); // runs off the image
    s.point({1, 1}, colour);
    s.point({-3.7f, 4.2f}, colour);
    s.circle({0, 0}, 4.5f, colour);
    s.circle({2, -3}, 3, colour, 0.5f);
    s.circle({-2, 3}, 2, colour, 1.7f);
    s.setDrawStyle(DrawStyle::Dotted);
    s.line({-8, -2}, {7, 6}, colour);
    s.setDrawStyle(DrawStyle::DashDot);
    s.line({-6, 8}, {6, -8}, colour);
    s.circle({-4, -4}, 3, colour);
    s.setDrawStyle(DrawStyle::Solid);
    s.setFontSize(11.25);
    s.setCurrentPoint({-8, 8});
    s.printText(QStringLiteral("奥维恩 y=x^2 -0.5"));
    s.setFontSize(30);
    s.setCurrentPoint({1, -5});
    s.printText(QStringLiteral("画圆 5 "));
}

PadSurface blank(QSize size, Colour back, qreal ratio = 1)
{
    PadSurface s;
    s.setBackColour(back);
    s.resize(size, ratio);
    return s;
}

// The rows of the image holding any pixel of colour `c`.
int rowsWith(const QImage& image, Colour c)
{
    const QRgb want = toQColor(c).rgb();
    int rows = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) | 0xFF000000) == want) {
                ++rows;
                break;
            }
    return rows;
}

} // namespace

void TestPadSurface::overdrawInBackgroundRestoresEveryPixel_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<Colour>("back");
    QTest::addColumn<Colour>("ink");
    QTest::addColumn<int>("width");
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("square, thin") << QSize(400, 400) << White << Colour(0xFF0000) << 1 << 1.0;
    QTest::newRow("square, wide") << QSize(400, 400) << White << Colour(0x00AA00) << 4 << 1.0;
    QTest::newRow("stretched, wide") << QSize(517, 333) << White << Colour(0x0000FF) << 7 << 1.0;
    QTest::newRow("dark background") << QSize(301, 301) << Colour(0x202020) << White << 2 << 1.0;
    QTest::newRow("ratio 2, thin") << QSize(300, 300) << White << Colour(0xFF0000) << 1 << 2.0;
    QTest::newRow("ratio 1.25, wide") << QSize(333, 251) << White << Colour(0x0000FF) << 5 << 1.25;
    QTest::newRow("ratio 1.5, dark") << QSize(301, 301) << Colour(0x202020) << White << 2 << 1.5;
    QTest::newRow("ratio 3, thin") << QSize(200, 150) << White << Colour(0x00AA00) << 1 << 3.0;
}

void TestPadSurface::overdrawInBackgroundRestoresEveryPixel()
{
    QFETCH(QSize, size);
    QFETCH(Colour, back);
    QFETCH(Colour, ink);
    QFETCH(int, width);
    QFETCH(qreal, ratio);
    PadSurface s = blank(size, back, ratio);
    scene(s, ink, width);
    QVERIFY(pixelsOf(s.persistentImage(), ink) > 1000);
    scene(s, back, width);
    QCOMPARE(pixelsNot(s.persistentImage(), back), 0);
}

void TestPadSurface::worldSquareCoversTheWholeImage_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("axis");
    QTest::newRow("400 square, S 10") << QSize(400, 400) << 10;
    QTest::newRow("600x300, S 6") << QSize(600, 300) << 6;
    QTest::newRow("300x600, S 30") << QSize(300, 600) << 30;
}

void TestPadSurface::worldSquareCoversTheWholeImage()
{
    QFETCH(QSize, size);
    QFETCH(int, axis);
    PadSurface s = blank(size, White);
    const float S = float(axis);
    s.setScale(-S, S, S, -S);
    QCOMPARE(s.toPixel({-S, S}), QPointF(0, 0));
    QCOMPARE(s.toPixel({S, -S}), QPointF(size.width(), size.height()));
    QCOMPARE(s.toPixel({0, 0}), QPointF(size.width() / 2.0, size.height() / 2.0));
    const WorldPoint w = s.toWorld(QPointF(size.width() / 4.0, size.height() * 3 / 4.0));
    QCOMPARE(w.x, -S / 2);
    QCOMPARE(w.y, -S / 2);
}

void TestPadSurface::circleIsRoundOnAStretchedSurface()
{
    // 600 pixels for 20 units across, 300 pixels for 20 units down.
    PadSurface s = blank(QSize(600, 300), White);
    s.circle({0, 0}, 3, Black);
    const QImage img = s.persistentImage();
    int left = img.width(), right = 0, top = img.height(), bottom = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) == qRgb(0, 0, 0)) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    // 3 units of x are 90 pixels.
    QVERIFY(right - left >= 178 && right - left <= 182);
    QVERIFY(bottom - top >= 178 && bottom - top <= 182);
}

void TestPadSurface::aspectGivesEllipses()
{
    PadSurface s = blank(QSize(400, 400), White);
    s.circle({0, 0}, 5, Black, 0.5f); // 5 across, 2.5 up
    QImage img = s.persistentImage();
    QCOMPARE(img.pixel(100, 200), qRgb(0, 0, 0));
    QCOMPARE(img.pixel(200, 150), qRgb(0, 0, 0));
    QCOMPARE(img.pixel(200, 100), qRgb(255, 255, 255));
    s.clear();
    s.circle({0, 0}, 5, Black, 2.0f); // 5 up, 2.5 across
    img = s.persistentImage();
    QCOMPARE(img.pixel(200, 100), qRgb(0, 0, 0));
    QCOMPARE(img.pixel(150, 200), qRgb(0, 0, 0));
    QCOMPARE(img.pixel(100, 200), qRgb(255, 255, 255));
}

void TestPadSurface::transientLayerClearsAlone()
{
    PadSurface s = blank(QSize(200, 200), White);
    s.line({-5, 0}, {5, 0}, Black);
    const QImage persistent = s.persistentImage();
    s.setPersistent(false);
    s.line({0, -5}, {0, 5}, 0x0000FF);
    QCOMPARE(s.persistentImage(), persistent);
    QCOMPARE(s.composedImage().pixel(100, 60), qRgb(255, 0, 0));
    s.clear();
    QCOMPARE(s.composedImage(), persistent);
    QCOMPARE(s.persistentImage(), persistent);
    s.setPersistent(true);
    s.clear();
    QCOMPARE(pixelsNot(s.composedImage(), White), 0);
}

void TestPadSurface::persistentDrawingRemovesTransientMarks()
{
    PadSurface s = blank(QSize(200, 200), White);
    s.setPersistent(false);
    s.line({0, -5}, {0, 5}, 0x0000FF);
    s.setPersistent(true);
    s.point({5, 5}, Black);
    QCOMPARE(s.composedImage(), s.persistentImage());
}

void TestPadSurface::backColourClearsToIt()
{
    PadSurface s = blank(QSize(120, 80), White);
    s.line({-5, 0}, {5, 0}, Black);
    s.setPersistent(false);
    s.line({0, -5}, {0, 5}, Black);
    s.setBackColour(0x00FFFF);
    QCOMPARE(pixelsNot(s.composedImage(), 0x00FFFF), 0);
}

void TestPadSurface::textTopLeftAtCurrentPoint()
{
    PadSurface s = blank(QSize(400, 400), White);
    s.setForeColour(Black);
    s.setFontSize(20);
    s.setCurrentPoint({0, 0});
    s.printText(QStringLiteral("奥维恩"));
    const QImage img = s.persistentImage();
    int left = img.width(), top = img.height(), right = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != qRgb(255, 255, 255)) {
                left = std::min(left, x);
                top = std::min(top, y);
                right = std::max(right, x);
                // Aliased: nothing but the ink colour.
                QCOMPARE(img.pixel(x, y), qRgb(0, 0, 0));
            }
    QVERIFY(left >= 200 && left <= 204);
    QVERIFY(top >= 200 && top <= 210);
    QVERIFY(right > 260); // three CJK glyphs of 20 points
}

void TestPadSurface::pointFollowsPenWidth()
{
    PadSurface s = blank(QSize(400, 400), White);
    s.point({0, 0}, Black);
    QCOMPARE(pixelsOf(s.persistentImage(), Black), 1);
    s.clear();
    s.setPenWidth(10);
    s.point({0, 0}, Black);
    const int dot = pixelsOf(s.persistentImage(), Black);
    QVERIFY(dot >= 60 && dot <= 110); // a filled disc of diameter 10
    QCOMPARE(s.persistentImage().pixel(200, 200), qRgb(0, 0, 0));
    QCOMPARE(s.persistentImage().pixel(203, 197), qRgb(0, 0, 0));
}

void TestPadSurface::dottedAndDashDotDifferFromSolid()
{
    auto inkOf = [](DrawStyle style) {
        PadSurface s = blank(QSize(400, 400), White);
        s.setDrawStyle(style);
        s.line({-9, 0}, {9, 0}, Black);
        return pixelsOf(s.persistentImage(), Black);
    };
    const int solid = inkOf(DrawStyle::Solid);
    const int dotted = inkOf(DrawStyle::Dotted);
    const int dashDot = inkOf(DrawStyle::DashDot);
    QVERIFY(solid >= 360);
    QVERIFY(dotted < solid * 3 / 4 && dotted > solid / 4);
    QVERIFY(dashDot < solid && dashDot > dotted);
}

void TestPadSurface::batchDrawsTheSamePixelsAndReportsOnce()
{
    // A traced curve with a change of pen, a transient mark and other primitives in the
    // middle, drawn with and without a batch around it.
    const auto draw = [](PadSurface& s) {
        for (int i = 0; i < 400; ++i) {
            const float x = -10 + i * 0.05f;
            if (i == 150) {
                s.setPersistent(false);
                s.line({x, -9}, {x, 9}, 0x0000FF); // must vanish with the next persistent line
                s.setPersistent(true);
                s.setPenWidth(3);
                s.setDrawStyle(DrawStyle::DashDot);
            }
            if (i == 300)
                s.circle({0, 0}, 4, Black);
            s.line({x, 5 * std::sin(x)}, {x + 0.05f, 5 * std::sin(x + 0.05f)}, 0x00AA00);
        }
    };
    PadSurface plain = blank(QSize(300, 300), White);
    draw(plain);

    PadSurface batched = blank(QSize(300, 300), White);
    int changes = 0;
    batched.setChangedHandler([&changes] { ++changes; });
    {
        const Surface::Batch outer(batched);
        const Surface::Batch inner(batched);
        draw(batched);
        QCOMPARE(changes, 0);
        // Reading the picture in the middle shows everything drawn so far.
        QCOMPARE(batched.persistentImage(), plain.persistentImage());
    }
    QCOMPARE(changes, 1);
    QCOMPARE(batched.persistentImage(), plain.persistentImage());
    QCOMPARE(batched.composedImage(), plain.composedImage());
    QCOMPARE(batched.composedImage(), batched.persistentImage());
}

void TestPadSurface::highDensityLayersKeepTheGeometry_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QSize>("imagePixels");
    QTest::newRow("1") << 1.0 << QSize(300, 200);
    QTest::newRow("1.25") << 1.25 << QSize(375, 250);
    QTest::newRow("1.5") << 1.5 << QSize(450, 300);
    QTest::newRow("2") << 2.0 << QSize(600, 400);
    QTest::newRow("none given") << 0.0 << QSize(300, 200);
}

void TestPadSurface::highDensityLayersKeepTheGeometry()
{
    QFETCH(qreal, ratio);
    QFETCH(QSize, imagePixels);
    PadSurface s = blank(QSize(300, 200), White, ratio);
    QCOMPARE(s.size(), QSize(300, 200));
    QCOMPARE(s.persistentImage().size(), imagePixels);
    QCOMPARE(s.composedImage().size(), imagePixels);
    // Positions and the pixel aspect are those of the device-independent size.
    QCOMPARE(s.toPixel({10, -10}), QPointF(300, 200));
    QCOMPARE(s.toPixel({0, 0}), QPointF(150, 100));
    QCOMPARE(s.toWorld(QPointF(75, 150)).x, -5.0f);
    QCOMPARE(s.toWorld(QPointF(75, 150)).y, -5.0f);
    QCOMPARE(s.pixelAspect(), 1.5f);

    // Painting the surface fills exactly its device-independent area of a window.
    s.setPersistent(false);
    s.line({-10, 0}, {10, 0}, Black);
    QImage window(QSize(320, 220), QImage::Format_RGB32);
    window.fill(Qt::green);
    {
        QPainter painter(&window);
        s.render(painter);
    }
    QCOMPARE(window.pixel(299, 199), qRgb(255, 255, 255));
    QCOMPARE(window.pixel(300, 100), qRgb(0, 255, 0));
    QCOMPARE(window.pixel(150, 200), qRgb(0, 255, 0));
    QCOMPARE(window.pixel(0, 0), qRgb(255, 255, 255));
    QCOMPARE(window.pixel(150, 100), qRgb(0, 0, 0));
}

void TestPadSurface::highDensityPictureIsTheSharpOne()
{
    // The same drawing at twice the pixel density: lines twice as thick in image pixels,
    // text twice as tall, and every pixel still pure ink or background.
    const auto draw = [](PadSurface& s) {
        s.line({-9, 5}, {9, 5}, Black);
        s.setFontSize(20);
        s.setCurrentPoint({-9, -2});
        s.printText(QStringLiteral("奥维恩"));
        s.point({5, -8}, Black);
    };
    PadSurface single = blank(QSize(200, 200), White, 1);
    PadSurface twice = blank(QSize(200, 200), White, 2);
    draw(single);
    draw(twice);
    const QImage low = single.persistentImage();
    const QImage high = twice.persistentImage();
    QCOMPARE(pixelsOf(low, Black) + pixelsNot(low, Black), 200 * 200);
    QCOMPARE(pixelsOf(high, Black) + pixelsNot(high, Black), 400 * 400);
    // The line in the top half, the text below it (the dot further down).
    QCOMPARE(rowsWith(high.copy(0, 0, 400, 200), Black), 2 * rowsWith(low.copy(0, 0, 200, 100), Black));
    const int lowText = rowsWith(low.copy(0, 100, 200, 70), Black);
    const int highText = rowsWith(high.copy(0, 200, 400, 140), Black);
    QVERIFY2(lowText > 10 && std::abs(highText - 2 * lowText) <= 2,
             qPrintable(QStringLiteral("%1 %2").arg(lowText).arg(highText)));
    const int ratioOfInk = pixelsOf(high, Black) * 10 / pixelsOf(low, Black);
    QVERIFY2(ratioOfInk >= 30 && ratioOfInk <= 50, qPrintable(QString::number(ratioOfInk)));
}
