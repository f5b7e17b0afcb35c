// SPDX-License-Identifier: GPL-3.0-or-later
#include "ColourSwatch.h"

#include "Colours.h"

#include <QMouseEvent>

namespace orvane {

ColourSwatch::ColourSwatch(const QString& objectName, QWidget* parent) : QLabel(parent)
{
    setObjectName(objectName);
    setAutoFillBackground(true);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setMinimumSize(36, 18);
    setCursor(Qt::PointingHandCursor);
    setColour(0);
}

void ColourSwatch::setColour(Colour colour)
{
    colour_ = colour;
    QPalette p = palette();
    p.setColor(QPalette::Window, toQColor(colour));
    setPalette(p);
}

void ColourSwatch::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace orvane
