// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SystemDialogs.h"

#include <QImage>

class QPainter;
class QPrinter;
class QWidget;

namespace orvane {

class PadDocument;

// "输出位图(&B)": asks for a file and writes the picture there in the format its
// extension names: the pad's image as a BMP (also for any other extension), a PNG at a
// scale the user picks (1 to 4), or an SVG or PDF drawn from the pad's document as
// vector shapes. The file is replaced only once the whole picture is written; a failure
// says which file could not be written.
bool savePictureCommand(SystemDialogs& dialogs, QWidget* owner, const PadDocument& document,
                        const QImage& padImage);

// "复制图象": the picture on the clipboard as an image and as SVG.
void copyPictureToClipboard(const PadDocument& document, const QImage& padImage);

// The scale typed for a PNG: its leading number, rounded, held to 1..4.
int pictureScaleFrom(const QString& text);

// "打印(&P)": the ink warning for a coloured background, the print dialog on the
// current printer, then "开始打印？" and one page with the pad's picture (`padSize`
// pixels) drawn from its document at the printer's resolution. Returns true when a page
// was printed.
bool printCommand(SystemDialogs& dialogs, QWidget* owner, QPrinter& currentPrinter,
                  const PadDocument& document, QSize padSize, Colour background);

// Draws the picture as large as the painter's viewport holds it, keeping its
// proportions, from the viewport's top left.
void paintPictureOnPage(QPainter& painter, const PadDocument& document, QSize padSize);

// Writes `image` as a BMP file, atomically.
bool writeBitmap(const QString& path, const QImage& image);

} // namespace orvane
