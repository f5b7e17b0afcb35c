#include "PictureExport.h"

#include "Colours.h"

#include <QPainter>
#include <QPrinter>
#include <QSaveFile>

namespace orvane {

bool WriteBitmap(const QString& path, const QImage& image)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (!image.convertToFormat(QImage::Format_RGB888).save(&file, "BMP")) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool SaveBitmapCommand(SystemDialogs& dialogs, QWidget* owner, const QImage& image)
{
    const std::optional<QString> path = dialogs.showSaveDialog(
        owner,
        {QStringLiteral("保存"), QStringLiteral("图象文件 (*.bmp)"), QStringLiteral("*.bmp"), {}});
    if (!path) return false;
    if (WriteBitmap(*path, image)) return true;
    dialogs.informCannotWrite(owner, QStringLiteral("无法保存图象文件："), *path);
    return false;
}

bool PrintCommand(SystemDialogs& dialogs, QWidget* owner, QPrinter& currentPrinter,
                  const QImage& image, Colour background)
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
    PaintPictureOnPage(painter, image);
    return painter.end();
}

void PaintPictureOnPage(QPainter& painter, const QImage& image)
{
    const QRect page = painter.viewport();
    const QSize size = image.size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.setViewport(page.x(), page.y(), size.width(), size.height());
    painter.setWindow(image.rect());
    // The target in image pixels, whatever pixel ratio the image carries.
    painter.drawImage(image.rect(), image);
}

} // namespace orvane
