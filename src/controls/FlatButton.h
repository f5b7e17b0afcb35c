// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PictureControl.h"

#include <QPixmap>

namespace orvane {

// A command button drawn as a bitmap face with the caption on top: the face shows
// `P1` normally and `P3` while the caption is pressed. Enabled (the widget's own
// setEnabled) enables or disables the caption and with it the clicks.
// Nothing is stored with the window: set Caption when the window is built.
class FlatButton : public PictureControl {
    Q_OBJECT
    Q_CLASSINFO("ClassId", "Orvane.myButton")
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled)

public:
    explicit FlatButton(QWidget* parent = nullptr);
    explicit FlatButton(const QString& caption, QWidget* parent = nullptr);

    bool Enabled() const { return isEnabled(); }

    // The normal and the pressed face (bitmaps 301 and 304).
    const QPixmap& P1() const { return m_p1; }
    const QPixmap& P3() const { return m_p3; }
    // The face the image `Ima` shows now.
    const QPixmap& shownFace() const;

    QSize sizeHint() const override;
    // The face is a picture: a layout short of room must not squeeze it.
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    // Reached with Tab like any button: Space, Enter and Return click it, and a frame
    // round the caption shows that it has the focus.
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void showFace(const QPixmap& face);
    void captionClicked() override;

    QPixmap m_p1;
    QPixmap m_p3;
};

} // namespace orvane
