// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureControl.h"

#include "CaptionLabel.h"
#include "FaceImage.h"

namespace orvane {

PictureControl::PictureControl(QWidget* parent)
    : QWidget(parent), m_ima(new FaceImage(this)), m_cmd(new CaptionLabel(this))
{
    connect(m_cmd, &CaptionLabel::clicked, this, [this] { captionClicked(); });
    layoutParts();
}

QString PictureControl::Caption() const
{
    return m_cmd->text();
}

void PictureControl::setCaption(const QString& caption)
{
    m_cmd->setText(caption);
    updateGeometry();
}

void PictureControl::captionClicked()
{
    emit Click();
}

void PictureControl::resizeEvent(QResizeEvent*)
{
    layoutParts();
}

void PictureControl::layoutParts()
{
    m_ima->setGeometry(rect());
    m_cmd->setGeometry(rect());
}

} // namespace orvane
