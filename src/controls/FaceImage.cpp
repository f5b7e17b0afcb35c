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
    const QMargins margins(FaceMargin, FaceMargin, FaceMargin, FaceMargin);
    qDrawBorderPixmap(&painter, rect(), margins, m_face);
}

} // namespace orvane
