// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <QWidget>

namespace orvane {

// A picture surface used as a text screen: lines are printed at a print position that
// then moves to the start of the next line. What was printed is kept as a list of
// items (position, text, colour) and painted from it, so the screen redraws itself
// and its contents can be read back.
class TextScreen : public QWidget {
    Q_OBJECT
public:
    struct Item {
        QPointF position; // top-left corner of the text, in pixels
        QString text;
        QColor colour;
    };

    explicit TextScreen(QWidget* parent = nullptr);

    // Erases everything and puts the print position at the top left.
    void cls();
    // Prints the text at the print position; an empty text is a bare line break.
    void print(const QString& text = {});

    QPointF printPosition() const { return position_; }
    void setPrintPosition(QPointF position) { position_ = position; }
    void setForeColour(const QColor& colour) { fore_ = colour; }
    QColor foreColour() const { return fore_; }
    void setBackColour(const QColor& colour);
    qreal lineHeight() const;

    const QList<Item>& items() const { return items_; }
    // The printed texts in the order they were printed.
    QStringList texts() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<Item> items_;
    QPointF position_;
    QColor fore_ = Qt::black;
};

} // namespace orvane
