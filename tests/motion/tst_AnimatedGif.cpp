// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_AnimatedGif.h"

#include "AnimatedGifWriter.h"
#include "AnimationExport.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <gif_lib.h>

#include <cstring>
#include <memory>

using orvane::AnimatedGifWriter;
using orvane::AnimationExport;
using orvane::PlayMode;

Q_DECLARE_METATYPE(PlayMode)

namespace {

struct GifCloser {
    void operator()(GifFileType* gif) const
    {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};
using GifFile = std::unique_ptr<GifFileType, GifCloser>;

GifFile slurp(const QString& path)
{
    int error = 0;
    GifFile gif(DGifOpenFileName(QFile::encodeName(path).constData(), &error));
    if (gif && DGifSlurp(gif.get()) != GIF_OK) gif.reset();
    return gif;
}

QRgb pixel(const GifFileType* gif, int frame, int x, int y)
{
    const SavedImage& image = gif->SavedImages[frame];
    const ColorMapObject* map =
        image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : gif->SColorMap;
    const GifColorType c = map->Colors[image.RasterBits[y * image.ImageDesc.Width + x]];
    return qRgb(c.Red, c.Green, c.Blue);
}

bool loopsForEver(const GifFileType* gif)
{
    const SavedImage& first = gif->SavedImages[0];
    for (int i = 0; i + 1 < first.ExtensionBlockCount; ++i) {
        const ExtensionBlock& block = first.ExtensionBlocks[i];
        if (block.Function == APPLICATION_EXT_FUNC_CODE && block.ByteCount == 11 &&
            std::memcmp(block.Bytes, "NETSCAPE2.0", 11) == 0)
            return true;
    }
    return false;
}

// A white frame with a block of one colour: a handful of colours, kept exactly.
QImage blockFrame(QColor colour)
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).fillRect(10, 5, 20, 10, colour);
    return image;
}

// Every pixel its own colour: more than 256 of them.
QImage gradientFrame()
{
    QImage image(40, 30, QImage::Format_RGB32);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            image.setPixel(x, y, qRgb(x * 6, y * 8, (x + y) * 3));
    return image;
}

// A picture that depends on the value: a bar as long as 10 times the value, its colour
// moving with it.
QImage barAt(double value)
{
    QImage image(60, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).fillRect(0, 5, int(value * 10), 10, QColor(int(value * 40), 0, 255));
    return image;
}

bool sameAsFrame(const GifFileType* gif, int frame, const QImage& picture)
{
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (pixel(gif, frame, x, y) != (picture.pixel(x, y) | 0xff000000u)) return false;
    return true;
}

} // namespace

void TestAnimatedGif::readsBackFramesDelayAndColours_data()
{
    QTest::addColumn<int>("milliseconds");
    QTest::addColumn<bool>("loops");
    QTest::addColumn<int>("hundredths");
    QTest::newRow("repeating, 80 ms") << 80 << true << 8;
    QTest::newRow("once, 250 ms") << 250 << false << 25;
}

void TestAnimatedGif::readsBackFramesDelayAndColours()
{
    QFETCH(int, milliseconds);
    QFETCH(bool, loops);
    QFETCH(int, hundredths);
    QTemporaryDir dir;
    const QString path = dir.filePath("run.gif");
    AnimatedGifWriter writer(path, milliseconds, loops);
    QVERIFY(writer.addFrame(blockFrame(QColor(255, 0, 0))));
    QVERIFY(writer.addFrame(blockFrame(QColor(12, 34, 56))));
    QVERIFY(writer.addFrame(gradientFrame()));
    QVERIFY(writer.addFrame(blockFrame(QColor(12, 34, 56)).convertToFormat(QImage::Format_ARGB32)));
    QVERIFY2(writer.finish(), qPrintable(writer.errorText()));
    QCOMPARE(writer.frameCount(), 4);

    const GifFile gif = slurp(path);
    QVERIFY(gif);
    QCOMPARE(gif->ImageCount, 4);
    QCOMPARE(gif->SWidth, 40);
    QCOMPARE(gif->SHeight, 30);
    for (int i = 0; i < gif->ImageCount; ++i) {
        GraphicsControlBlock control{};
        QCOMPARE(DGifSavedExtensionToGCB(gif.get(), i, &control), GIF_OK);
        QCOMPARE(control.DelayTime, hundredths);
        QCOMPARE(gif->SavedImages[i].ImageDesc.Width, 40);
    }
    QCOMPARE(loopsForEver(gif.get()), loops);
    // Few colours come back exactly.
    QCOMPARE(pixel(gif.get(), 0, 0, 0), qRgb(255, 255, 255));
    QCOMPARE(pixel(gif.get(), 0, 15, 10), qRgb(255, 0, 0));
    QCOMPARE(pixel(gif.get(), 1, 29, 14), qRgb(12, 34, 56));
    QCOMPARE(pixel(gif.get(), 1, 30, 15), qRgb(255, 255, 255));
    QCOMPARE(pixel(gif.get(), 3, 10, 5), qRgb(12, 34, 56));
    // Many colours go to the nearest of the fixed table: (204, 0, 102) is a colour of
    // the cube; (60, 40, 45) lies nearer the grey 49 (distance² 218) than the cube's
    // grey 51 (238).
    QCOMPARE(pixel(gif.get(), 2, 34, 0), qRgb(204, 0, 102));
    QCOMPARE(pixel(gif.get(), 2, 10, 5), qRgb(49, 49, 49));
}

void TestAnimatedGif::delayInHundredths()
{
    QCOMPARE(AnimatedGifWriter::delayHundredths(4), 0);
    QCOMPARE(AnimatedGifWriter::delayHundredths(5), 1);
    QCOMPARE(AnimatedGifWriter::delayHundredths(655350), 65535); // the most a file holds
    QCOMPARE(AnimatedGifWriter::delayHundredths(10'000'000), 65535);
    QCOMPARE(AnimatedGifWriter::delayHundredths(-20), 0);
}

void TestAnimatedGif::failedWritesLeaveNoFile()
{
    QTemporaryDir dir;
    {
        const QString path = dir.filePath("sizes.gif");
        AnimatedGifWriter writer(path, 100, true);
        QVERIFY(writer.addFrame(blockFrame(Qt::red)));
        QVERIFY(!writer.addFrame(QImage(41, 30, QImage::Format_RGB32)));
        QVERIFY(!writer.addFrame(blockFrame(Qt::red))); // failed stays failed
        QVERIFY(!writer.finish());
        QVERIFY(!writer.errorText().isEmpty());
        QVERIFY(!QFile::exists(path));
    }
    {
        AnimatedGifWriter writer(dir.filePath("no/such/folder/a.gif"), 100, true);
        QVERIFY(!writer.addFrame(blockFrame(Qt::red)));
        QVERIFY(!writer.finish());
        QVERIFY(!writer.errorText().isEmpty());
    }
}

void TestAnimatedGif::abandonedWriterKeepsTheOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("old.gif");
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old picture");
    }
    {
        AnimatedGifWriter writer(path, 100, true);
        QVERIFY(writer.addFrame(blockFrame(Qt::blue)));
    }
    QFile old(path);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("old picture"));
}

void TestAnimatedGif::framesEqualThePicturesAtTheirValues_data()
{
    QTest::addColumn<PlayMode>("mode");
    QTest::addColumn<QList<double>>("shown");
    QTest::addColumn<bool>("loops");
    QTest::newRow("once") << PlayMode::Once << QList<double>{0, 1.25, 2.5, 3.75, 5} << false;
    QTest::newRow("repeat") << PlayMode::Repeat << QList<double>{0, 1.25, 2.5, 3.75, 5} << true;
    QTest::newRow("back and forth")
        << PlayMode::BackAndForth << QList<double>{0, 1.25, 2.5, 3.75, 5, 3.75, 2.5, 1.25} << true;
}

void TestAnimatedGif::framesEqualThePicturesAtTheirValues()
{
    QFETCH(PlayMode, mode);
    QFETCH(QList<double>, shown);
    QFETCH(bool, loops);
    QTemporaryDir dir;
    const QString path = dir.filePath("k.gif");
    AnimationExport run;
    run.values = orvane::frameValues(0, 5, 5);
    run.mode = mode;
    run.frameMilliseconds = 40;
    run.drawFrame = barAt;
    QList<int> told;
    run.progress = [&told](int done, int total) {
        told << done << total;
        return true;
    };
    QString error;
    QVERIFY2(orvane::writeAnimatedGif(path, run, &error), qPrintable(error));
    const GifFile gif = slurp(path);
    QVERIFY(gif);
    QCOMPARE(gif->ImageCount, shown.size());
    for (int i = 0; i < shown.size(); ++i)
        QVERIFY2(sameAsFrame(gif.get(), i, barAt(shown[i])), qPrintable(QString::number(i)));
    QCOMPARE(loopsForEver(gif.get()), loops);
    QCOMPARE(told.size(), 2 * shown.size());
    QCOMPARE(told.mid(told.size() - 2), (QList<int>{int(shown.size()), int(shown.size())}));
}

void TestAnimatedGif::stoppedExportLeavesNoFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("stopped.gif");
    AnimationExport run;
    run.values = orvane::frameValues(0, 5, 50);
    run.drawFrame = barAt;
    int drawn = 0;
    run.progress = [&drawn](int done, int) {
        drawn = done;
        return done < 3;
    };
    QString error;
    QVERIFY(!orvane::writeAnimatedGif(path, run, &error));
    QCOMPARE(drawn, 3);
    QVERIFY(!QFile::exists(path));
    // A frame of another size, and nothing to draw.
    run.progress = nullptr;
    run.drawFrame = [](double v) {
        return v < 1 ? barAt(v) : QImage(10, 10, QImage::Format_RGB32);
    };
    QVERIFY(!orvane::writeAnimatedGif(path, run, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFile::exists(path));
    run.values.clear();
    QVERIFY(!orvane::writeAnimatedGif(path, run, &error));
}
