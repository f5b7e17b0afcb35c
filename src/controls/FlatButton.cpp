// SPDX-License-Identifier: GPL-3.0-or-later
#include "FlatButton.h"

#include "CaptionLabel.h"
#include "ControlResources.h"
#include "FaceImage.h"

#include <QKeyEvent>
#include <QPointer>

namespace orvane {

FlatButton::FlatButton(QWidget* parent) : FlatButton(QString(), parent) {}

FlatButton::FlatButton(const QString& caption, QWidget* parent)
    : PictureControl(parent), m_p1(controlBitmap(ControlBitmap::ButtonFace)),
      m_p3(controlBitmap(ControlBitmap::ButtonFacePressed))
{
    setCaption(caption);
    setFocusPolicy(Qt::StrongFocus);
    showFace(m_p1);
    resize(sizeHint());
    layoutParts();
    CaptionLabel* cmd = captionLabel();
    connect(cmd, &CaptionLabel::pressed, this, [this] { showFace(m_p3); });
    connect(cmd, &CaptionLabel::released, this, [this] { showFace(m_p1); });
}

const QPixmap& FlatButton::shownFace() const
{
    return faceImage()->face();
}

QSize FlatButton::sizeHint() const
{
    const QSize text = captionLabel()->sizeHint();
    return QSize(std::max(65, text.width() + 16), std::max(25, text.height() + 8));
}

void FlatButton::showFace(const QPixmap& face)
{
    faceImage()->setFace(face);
    // The caption sinks with the face.
    const int shift = &face == &m_p3 ? 1 : 0;
    captionLabel()->setContentsMargins(shift, shift, 0, 0);
}

void FlatButton::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (isEnabled()) captionClicked();
        event->accept();
        return;
    default:
        PictureControl::keyPressEvent(event);
    }
}

void FlatButton::focusInEvent(QFocusEvent* event)
{
    captionLabel()->setFrameStyle(QFrame::Box | QFrame::Plain);
    PictureControl::focusInEvent(event);
}

void FlatButton::focusOutEvent(QFocusEvent* event)
{
    captionLabel()->setFrameStyle(QFrame::NoFrame);
    PictureControl::focusOutEvent(event);
}

void FlatButton::captionClicked()
{
    // The face stays pushed in while the command runs.
    showFace(m_p3);
    QPointer<FlatButton> alive(this);
    emit Click();
    if (alive) showFace(m_p1);
}

} // namespace orvane
