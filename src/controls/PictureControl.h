// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace orvane {

class CaptionLabel;
class FaceImage;

// What the picture button and the tab have in common: a caption label `cmd` with
// the hand cursor lying on a face image `Ima`, both covering the whole control,
// and a Click() raised by a click on the caption.
class PictureControl : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)

public:
    QString Caption() const;
    void setCaption(const QString& caption);

signals:
    void Click();

protected:
    explicit PictureControl(QWidget* parent);

    CaptionLabel* captionLabel() const { return m_cmd; }
    FaceImage* faceImage() const { return m_ima; }

    // A click on the caption; raises Click().
    virtual void captionClicked();

    void resizeEvent(QResizeEvent* event) override;

    // The face and the caption cover the whole control.
    void layoutParts();

private:
    FaceImage* m_ima;
    CaptionLabel* m_cmd;
};

} // namespace orvane
