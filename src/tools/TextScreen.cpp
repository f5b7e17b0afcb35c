// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextScreen.h"

#include <QFontMetricsF>
#include <QPainter>

namespace orvane {

TextScreen::TextScreen(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    setBackColour(Qt::white);
}

void TextScreen::cls()
{
    items_.clear();
    position_ = QPointF();
    update();
}

void TextScreen::print(const QString& text)
{
    if (!text.isEmpty()) {
        items_.append({position_, text, fore_});
        update();
    }
    position_ = QPointF(0, position_.y() + lineHeight());
}

void TextScreen::setBackColour(const QColor& colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
}

qreal TextScreen::lineHeight() const
{
    return QFontMetricsF(font()).height();
}

QStringList TextScreen::texts() const
{
    QStringList out;
    for (const Item& item : items_)
        out << item.text;
    return out;
}

void TextScreen::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    const qreal ascent = QFontMetricsF(font()).ascent();
    for (const Item& item : items_) {
        painter.setPen(item.colour);
        painter.drawText(item.position + QPointF(0, ascent), item.text);
    }
}

} // namespace orvane
