// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

class QPainter;

namespace orvane {

class PadDocument;

// The pad's picture as files: the same document replayed onto a raster of any scale,
// or onto an SVG or PDF page as vector shapes with real texts.
enum class PictureFormat { Bmp, Png, Svg, Pdf };

// By the extension of the path (any case); BMP when it names none of the four.
PictureFormat pictureFormatOf(const QString& path);

// The picture at `size` device-independent pixels, `scale` image pixels for each.
QImage pictureImage(const PadDocument& document, QSize size, int scale = 1);
QByteArray pictureSvg(const PadDocument& document, QSize size);
QByteArray picturePdf(const PadDocument& document, QSize size);
// Replays the picture of `size` pad pixels into `target` (painter coordinates) as vector
// shapes at the painter's own resolution, as large as fits with its proportions kept,
// from the target's top left.
void paintPicture(QPainter& painter, const PadDocument& document, QSize size, const QRect& target);

// Writes the picture in the format of the path's extension (PNG at `scale`); the file
// is replaced only once the whole picture is written.
bool writePicture(const QString& path, const PadDocument& document, QSize size, int scale = 1);
// Writes an image as a BMP or PNG file, atomically.
bool writeImageFile(const QString& path, const QImage& image, PictureFormat format);

} // namespace orvane
