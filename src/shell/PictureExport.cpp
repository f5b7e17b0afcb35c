// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureExport.h"

#include "Colours.h"
#include "PictureFiles.h"
#include "QtText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <QPainter>
#include <QPrinter>

namespace orvane {

bool writeBitmap(const QString& path, const QImage& image)
{
    return writeImageFile(path, image, PictureFormat::Bmp);
}

namespace {

QSize padSize(const QImage& padImage)
{
    return padImage.deviceIndependentSize().toSize();
}

} // namespace

int pictureScaleFrom(const QString& text)
{
    const double scale = NumberText::roundHalfEven(leadingNumber(text));
    return scale >= 4 ? 4 : scale <= 1 ? 1 : int(scale);
}

namespace {

// Writes the picture in the format the path's extension names; false on cancel or failure
// (`cancelled` says which).
bool writePictureAs(SystemDialogs& dialogs, QWidget* owner, const QString& path,
                    const PadDocument& document, const QImage& padImage, bool& cancelled)
{
    switch (pictureFormatOf(path)) {
    case PictureFormat::Bmp:
        return writeBitmap(path, padImage);
    case PictureFormat::Png: {
        const std::optional<QString> scale = dialogs.showInputDialog(
            owner,
            {QStringLiteral("保存"), QStringLiteral("放大倍数（1～4）："), QStringLiteral("2")});
        cancelled = !scale;
        if (!scale) return false;
        return writePicture(path, document, padSize(padImage), pictureScaleFrom(*scale));
    }
    case PictureFormat::Svg:
    case PictureFormat::Pdf:
        break;
    }
    return writePicture(path, document, padSize(padImage));
}

} // namespace

bool savePictureCommand(SystemDialogs& dialogs, QWidget* owner, const PadDocument& document,
                        const QImage& padImage)
{
    const std::optional<QString> path = dialogs.showSaveDialog(
        owner, {QStringLiteral("保存"),
                QStringLiteral("图象文件 (*.bmp);;PNG 图象 (*.png);;SVG 矢量图 (*.svg);;"
                               "PDF 文档 (*.pdf)"),
                QStringLiteral("*.bmp"),
                {}});
    if (!path) return false;
    bool cancelled = false;
    if (writePictureAs(dialogs, owner, *path, document, padImage, cancelled)) return true;
    if (!cancelled) dialogs.informCannotWrite(owner, QStringLiteral("无法保存图象文件："), *path);
    return false;
}

void copyPictureToClipboard(const PadDocument& document, const QImage& padImage)
{
    auto* data = new QMimeData;
    QImage image = padImage;
    image.setDevicePixelRatio(1);
    data->setImageData(image);
    data->setData(QStringLiteral("image/svg+xml"), pictureSvg(document, padSize(padImage)));
    QGuiApplication::clipboard()->setMimeData(data);
}

bool printCommand(SystemDialogs& dialogs, QWidget* owner, QPrinter& currentPrinter,
                  const PadDocument& document, QSize padSize, Colour background)
{
    if (background != White) {
        const MessageAnswer goOn = dialogs.showMessage(
            owner, {QStringLiteral("没有把背景色设为白色进行打印会用去很多墨水\r是否继续？"),
                    {},
                    MessageIcon::Question,
                    MessageButtons::YesNo});
        if (goOn != MessageAnswer::Yes) return false;
    }
    // A cancelled dialog keeps the printer as it was; the command goes on.
    dialogs.showPrintDialog(owner, currentPrinter);
    const MessageAnswer start = dialogs.showMessage(
        owner, {QStringLiteral("开始打印？"), {}, MessageIcon::Question, MessageButtons::YesNo});
    if (start != MessageAnswer::Yes) return false;

    QPainter painter;
    if (!painter.begin(&currentPrinter)) return false;
    paintPictureOnPage(painter, document, padSize);
    return painter.end();
}

void paintPictureOnPage(QPainter& painter, const PadDocument& document, QSize padSize)
{
    // Painter coordinates are the printer's own dots: curves and texts as sharp as it prints.
    paintPicture(painter, document, padSize, painter.window());
}

} // namespace orvane
