// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QMouseEvent>
#include <QPalette>
#include <QWidget>

#include <optional>

namespace controltest {

// Distinct colours for every role the faces use, so each painted pixel tells
// which colour drew it.
inline QPalette distinctPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(192, 192, 192));
    palette.setColor(QPalette::Light, QColor(255, 255, 255));
    palette.setColor(QPalette::Midlight, QColor(224, 224, 224));
    palette.setColor(QPalette::Dark, QColor(128, 128, 128));
    palette.setColor(QPalette::Shadow, QColor(64, 64, 64));
    palette.setColor(QPalette::ButtonText, QColor(0, 0, 0));
    return palette;
}

// Text without anti-aliasing, so caption pixels carry the exact pen colour.
inline void useCrispText(QWidget& widget)
{
    QFont font = widget.font();
    font.setPixelSize(12);
    font.setStyleStrategy(QFont::NoAntialias);
    widget.setFont(font);
}

// A mouse move with the given buttons held. QTest::mouseMove moves the real
// cursor when no button is held, which the offscreen platform does not turn into
// move events.
inline void moveTo(QWidget* widget, QPoint pos, Qt::MouseButtons buttons = Qt::NoButton)
{
    QMouseEvent event(QEvent::MouseMove, QPointF(pos), widget->mapToGlobal(QPointF(pos)),
                      Qt::NoButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

inline void leave(QWidget* widget)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(widget, &event);
}

// The bounding box of the pixels of one colour inside `area`.
inline std::optional<QRect> boxOf(const QImage& image, const QColor& colour, const QRect& area)
{
    std::optional<QRect> box;
    const QRect bounded = area.intersected(image.rect());
    for (int y = bounded.top(); y <= bounded.bottom(); ++y)
        for (int x = bounded.left(); x <= bounded.right(); ++x)
            if (image.pixelColor(x, y) == colour)
                box = box ? box->united(QRect(x, y, 1, 1)) : QRect(x, y, 1, 1);
    return box;
}

inline std::optional<QRect> boxOf(const QImage& image, const QColor& colour)
{
    return boxOf(image, colour, image.rect());
}

} // namespace controltest
