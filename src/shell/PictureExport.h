#pragma once

#include "SystemDialogs.h"

#include <QImage>

class QPainter;
class QPrinter;
class QWidget;

namespace orvane {

// "输出位图(&B)": asks for a file and writes the pad's image there as a BMP. The file
// is replaced only once the whole image is written; a failure says which file could not
// be written.
bool SaveBitmapCommand(SystemDialogs& dialogs, QWidget* owner, const QImage& image);

// "打印(&P)": the ink warning for a coloured background, the print dialog on the
// current printer, then "开始打印？" and one page with the pad's image. Returns true
// when a page was printed.
bool PrintCommand(SystemDialogs& dialogs, QWidget* owner, QPrinter& currentPrinter,
                  const QImage& image, Colour background);

// Paints every pixel of `image` as large as the painter's viewport holds it, keeping
// its proportions, from the viewport's top left.
void PaintPictureOnPage(QPainter& painter, const QImage& image);

// Writes `image` as a BMP file, atomically.
bool WriteBitmap(const QString& path, const QImage& image);

} // namespace orvane
