// SPDX-License-Identifier: GPL-3.0-or-later
#include "TabLabel.h"

#include "Colours.h"
#include "ControlResources.h"

#include <QMouseEvent>

namespace orvane {

namespace {
constexpr Colour Ground = PureBlue;
constexpr Colour UnselectedText = 0xFFFFC0; // pale cyan
constexpr Colour SelectedText = 0x00FFFF;   // yellow
constexpr int FrameWidth = 2;
constexpr int Margin = 3;
} // namespace

TabLabel::TabLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent)
{
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    setLineWidth(FrameWidth);
    setCursor(handCursor());
    setSelected(false);
}

void TabLabel::setSelected(bool selected)
{
    selected_ = selected;
    QPalette p = palette();
    p.setColor(QPalette::Window, toQColor(Ground));
    p.setColor(QPalette::WindowText, toQColor(selected ? SelectedText : UnselectedText));
    setPalette(p);
    setFrameStyle(selected ? (QFrame::Panel | QFrame::Raised) : QFrame::NoFrame);
    // The border takes the place of part of the margin, so the label keeps its size.
    setMargin(selected ? Margin : Margin + FrameWidth);
}

void TabLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace orvane
