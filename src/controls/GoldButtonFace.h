// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QString>

class QFontMetrics;
class QPainter;

namespace orvane {

// How the caption of a GoldButton sits on its face (the stored values).
enum class CaptionAlignment : int { Left = 0, Right = 1, Centre = 2 };

// Everything one drawing of a GoldButton face depends on.
struct GoldButtonFace {
    QSize size;
    QString caption;
    QFont font;
    int alignment = int(CaptionAlignment::Centre);
    bool enabled = true;
    bool down = false;
    QColor textColour;
    int edgeStyle = 0;
    QPalette palette;
};

// Where the caption is written on a face of `size`: shifted by one pixel right and
// down while the face is drawn down.
QRect captionRect(QSize size, bool down);
// The two passes of a disabled caption: the highlight first, then the shadow over it.
QRect engravedHighlightRect(QSize size);
QRect engravedShadowRect(QSize size);

// Horizontal and vertical alignment flags for a stored alignment value; values
// other than 1 (right) and 2 (centre) align left.
Qt::Alignment captionAlignmentFlags(int alignment);

// The caption as it fits on one line of `width` pixels: unchanged when it fits,
// otherwise cut after the last whole word that leaves room for an ellipsis (or
// after the last character that does, for a single long word).
QString elideCaption(const QString& caption, const QFontMetrics& metrics, int width);

// Paints the whole face: button-face fill, caption (engraved when disabled), edge.
void paintGoldButtonFace(QPainter& painter, const GoldButtonFace& face);

} // namespace orvane
