// SPDX-License-Identifier: GPL-3.0-or-later
#include "TabStrip.h"

#include "CaptionLabel.h"
#include "Colours.h"
#include "ControlResources.h"
#include "FaceImage.h"

namespace orvane {

TabStrip::TabStrip(QWidget* parent) : TabStrip(QString(), parent) {}

TabStrip::TabStrip(const QString& caption, QWidget* parent)
    : PictureControl(parent), m_p1(controlBitmap(ControlBitmap::TabFace))
{
    setCaption(caption);
    faceImage()->setFace(m_p1);
    setEnabled(true);
    resize(sizeHint());
    layoutParts();
}

void TabStrip::setEnabled(bool selected)
{
    m_selected = selected;
    CaptionLabel* cmd = captionLabel();
    QPalette palette = cmd->palette();
    const QColor colour = toQColor(selected ? PureBlue : Black);
    // Both groups, so the mark shows in an inactive window as well.
    for (const auto group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::ButtonText, colour);
    cmd->setPalette(palette);
}

QColor TabStrip::captionColour() const
{
    return captionLabel()->palette().color(QPalette::Active, QPalette::ButtonText);
}

QSize TabStrip::sizeHint() const
{
    const QSize text = captionLabel()->sizeHint();
    return QSize(std::max(75, text.width() + 20), std::max(24, text.height() + 8));
}

} // namespace orvane
