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

PadSurface blank(QSize size, Colour back)
{
    PadSurface s;
    s.setBackColour(back);
    s.resize(size);
    return s;
}

} // namespace

void TestPadSurface::overdrawInBackgroundRestoresEveryPixel_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<Colour>("back");
    QTest::addColumn<Colour>("ink");
    QTest::addColumn<int>("width");
    QTest::newRow("square, thin") << QSize(400, 400) << White << Colour(0xFF0000) << 1;
    QTest::newRow("square, wide") << QSize(400, 400) << White << Colour(0x00AA00) << 4;
    QTest::newRow("stretched, wide") << QSize(517, 333) << White << Colour(0x0000FF) << 7;
    QTest::newRow("dark background") << QSize(301, 301) << Colour(0x202020) << White << 2;
}

void TestPadSurface::overdrawInBackgroundRestoresEveryPixel()
{
    QFETCH(QSize, size);
    QFETCH(Colour, back);
    QFETCH(Colour, ink);
    QFETCH(int, width);
    PadSurface s = blank(size, back);
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
