// SPDX-License-Identifier: GPL-3.0-or-later
#include "FaceImage.h"

#include "ControlResources.h"

#include <QPainter>
#include <qdrawutil.h>

namespace orvane {

FaceImage::FaceImage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Ima"));
}

void FaceImage::setFace(const QPixmap& face)
{
    m_face = face;
    update();
}

void FaceImage::paintEvent(QPaintEvent*)
{
    if (m_face.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // The source is measured in the bitmap's own pixels, which are denser than the
    // target's on high-density screens.
    const QMargins target(FaceMargin, FaceMargin, FaceMargin, FaceMargin);
    const qreal ratio = m_face.devicePixelRatio();
    const int sourceMargin = qRound(FaceMargin * ratio);
    const QMargins source(sourceMargin, sourceMargin, sourceMargin, sourceMargin);
    qDrawBorderPixmap(&painter, rect(), target, m_face, m_face.rect(), source);
}

} // namespace orvane
