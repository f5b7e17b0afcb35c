// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaptionLabel.h"

#include "ControlResources.h"

#include <QMouseEvent>

namespace orvane {

CaptionLabel::CaptionLabel(QWidget* parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("cmd"));
    setAlignment(Qt::AlignCenter);
    setCursor(handCursor());
    setForegroundRole(QPalette::ButtonText);
}

void CaptionLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_pressed = true;
    emit pressed();
}

void CaptionLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_pressed)
        return;
    m_pressed = false;
    const bool inside = rect().contains(event->position().toPoint());
    emit released();
    if (inside)
        emit clicked();
}

void CaptionLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click starts no new click.
    event->accept();
}

} // namespace orvane
