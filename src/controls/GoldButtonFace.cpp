// SPDX-License-Identifier: GPL-3.0-or-later
#include "GoldButtonFace.h"

#include "EdgeStyle.h"
#include "SystemColours.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextBoundaryFinder>

namespace orvane {

namespace {

const QString Ellipsis = QStringLiteral("\u2026");

// Rectangles are given by their left, top, right and bottom edges, right and
// bottom exclusive.
QRect edges(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QSize(right - left, bottom - top));
}

void drawCaption(QPainter& painter, const GoldButtonFace& face, const QRect& rect,
                 const QColor& colour)
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    const QString text = elideCaption(face.caption, painter.fontMetrics(), rect.width());
    painter.save();
    painter.setClipRect(rect);
    painter.setPen(colour);
    painter.drawText(rect, int(captionAlignmentFlags(face.alignment)) | Qt::TextSingleLine, text);
    painter.restore();
}

QColor systemOr(SystemColour index, const QPalette& palette)
{
    return translateColour(systemColour(index), palette).value_or(QColor(Qt::black));
}

} // namespace

QRect captionRect(QSize size, bool down)
{
    const int p = down ? 1 : 0;
    return edges(4 + p, 2 + p, size.width() - 4 + p, size.height() - 1 + p);
}

QRect engravedHighlightRect(QSize size)
{
    return edges(6, 3, size.width() - 4, size.height() - 1);
}

QRect engravedShadowRect(QSize size)
{
    return edges(4, 2, size.width() - 4, size.height() - 1);
}

Qt::Alignment captionAlignmentFlags(int alignment)
{
    switch (CaptionAlignment(alignment)) {
    case CaptionAlignment::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case CaptionAlignment::Centre:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case CaptionAlignment::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

QString elideCaption(const QString& caption, const QFontMetrics& metrics, int width)
{
    if (metrics.horizontalAdvance(caption) <= width)
        return caption;
    QTextBoundaryFinder words(QTextBoundaryFinder::Word, caption);
    words.toEnd();
    for (qsizetype end = words.toPreviousBoundary(); end > 0; end = words.toPreviousBoundary()) {
        if (!words.boundaryReasons().testFlag(QTextBoundaryFinder::EndOfItem))
            continue;
        const QString shortened = caption.left(end) + Ellipsis;
        if (metrics.horizontalAdvance(shortened) <= width)
            return shortened;
    }
    return metrics.elidedText(caption, Qt::ElideRight, width);
}

void paintGoldButtonFace(QPainter& painter, const GoldButtonFace& face)
{
    const QRect whole(QPoint(0, 0), face.size);
    painter.fillRect(whole, systemOr(SystemColour::ButtonFace, face.palette));
    painter.setFont(face.font);
    if (face.enabled) {
        drawCaption(painter, face, captionRect(face.size, face.down), face.textColour);
    } else {
        drawCaption(painter, face, engravedHighlightRect(face.size),
                    systemOr(SystemColour::ButtonHighlight, face.palette));
        drawCaption(painter, face, engravedShadowRect(face.size),
                    systemOr(SystemColour::ButtonShadow, face.palette));
    }
    drawEdge(painter, whole, face.edgeStyle, face.palette);
}

} // namespace orvane
