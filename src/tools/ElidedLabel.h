// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace orvane {

// A one-line result label: a value longer than the label shows its beginning and "…",
// and the whole value as the tooltip. text() is always the whole value.
class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    void setText(const QString& text);
    // What is on show.
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace orvane
