// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QWidget>

namespace orvane {

// The image `Ima` under a picture control's caption: shows one face bitmap over
// the whole control, corners kept and the middle stretched, so one small bitmap
// serves every control size.
class FaceImage : public QWidget {
    Q_OBJECT

public:
    explicit FaceImage(QWidget* parent = nullptr);

    void setFace(const QPixmap& face);
    const QPixmap& face() const { return m_face; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_face;
};

} // namespace orvane
