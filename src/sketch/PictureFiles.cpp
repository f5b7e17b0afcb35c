// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureFiles.h"

#include "PadDocument.h"
#include "PadSurface.h"
#include "PainterSurface.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <algorithm>

namespace orvane {

namespace {

// The pad's pixels are meant for a 96 dpi screen; vector pages keep that measure so
// that point sizes of texts come out as on the pad.
constexpr int PadDpi = 96;

void paintVector(const PadDocument& document, QPaintDevice& device, QSize size)
{
    QPainter painter(&device);
    PainterSurface surface(painter, QSizeF(size));
    document.replay(surface);
    surface.flush();
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace

PictureFormat pictureFormatOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png")) return PictureFormat::Png;
    if (suffix == QLatin1String("svg")) return PictureFormat::Svg;
    if (suffix == QLatin1String("pdf")) return PictureFormat::Pdf;
    return PictureFormat::Bmp;
}

QImage pictureImage(const PadDocument& document, QSize size, int scale)
{
    PadSurface surface;
    surface.setBackColour(document.state().background);
    surface.resize(size, std::clamp(scale, 1, 4));
    document.replay(surface);
    QImage image = surface.persistentImage();
    // Files and the clipboard count image pixels, not screen points.
    image.setDevicePixelRatio(1);
    return image;
}

QByteArray pictureSvg(const PadDocument& document, QSize size)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(PadDpi);
    svg.setTitle(QStringLiteral("Orvane"));
    paintVector(document, svg, size);
    return bytes;
}

QByteArray picturePdf(const PadDocument& document, QSize size)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setResolution(PadDpi);
    pdf.setPageSize(QPageSize(QSizeF(size) * 72.0 / PadDpi, QPageSize::Point));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setCreator(QStringLiteral("Orvane"));
    paintVector(document, pdf, size);
    return bytes;
}

void paintPicture(QPainter& painter, const PadDocument& document, QSize size, const QRect& target)
{
    if (size.isEmpty() || target.isEmpty()) return;
    const QSizeF fitted = QSizeF(size).scaled(QSizeF(target.size()), Qt::KeepAspectRatio);
    painter.save();
    painter.setClipRect(QRectF(target.topLeft(), fitted));
    painter.translate(target.topLeft());
    painter.scale(fitted.width() / size.width(), fitted.height() / size.height());
    {
        PainterSurface surface(painter, QSizeF(size));
        document.replay(surface);
        surface.flush();
    }
    painter.restore();
}

bool writeImageFile(const QString& path, const QImage& image, PictureFormat format)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const bool written = format == PictureFormat::Png
                             ? image.save(&file, "PNG")
                             : image.convertToFormat(QImage::Format_RGB888).save(&file, "BMP");
    if (!written) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool writePicture(const QString& path, const PadDocument& document, QSize size, int scale)
{
    const PictureFormat format = pictureFormatOf(path);
    switch (format) {
    case PictureFormat::Svg:
        return writeBytes(path, pictureSvg(document, size));
    case PictureFormat::Pdf:
        return writeBytes(path, picturePdf(document, size));
    case PictureFormat::Png:
        return writeImageFile(path, pictureImage(document, size, scale), format);
    case PictureFormat::Bmp:
        break;
    }
    return writeImageFile(path, pictureImage(document, size, 1), PictureFormat::Bmp);
}

} // namespace orvane
