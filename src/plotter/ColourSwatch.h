// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SystemDialogs.h"

#include <QLabel>

namespace orvane {

// A label used as a colour swatch: its background shows the colour, a click asks for
// a new one.
class ColourSwatch : public QLabel {
    Q_OBJECT
public:
    explicit ColourSwatch(const QString& objectName, QWidget* parent = nullptr);

    Colour colour() const { return colour_; }
    void setColour(Colour colour);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Colour colour_ = 0;
};

} // namespace orvane
