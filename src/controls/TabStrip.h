// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PictureControl.h"

namespace orvane {

// One tab of a tab strip: the caption on the tab face (bitmap 302). Enabled does
// not disable anything, it marks the selected tab: true writes the caption in
// blue, false in black; the tab stays clickable either way.
//
// Note: Enabled()/setEnabled() here hide QWidget's; call them on the TabStrip itself.
// Nothing is stored with the window: set Caption and Enabled when it is built.
class TabStrip : public PictureControl {
    Q_OBJECT
    Q_CLASSINFO("ClassId", "Orvane.myTAB")
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled)

public:
    explicit TabStrip(QWidget* parent = nullptr);
    explicit TabStrip(const QString& caption, QWidget* parent = nullptr);

    bool Enabled() const { return m_selected; }
    void setEnabled(bool selected);

    // The colour the caption is written in now.
    QColor captionColour() const;
    // The tab face (bitmap 302), kept as the hidden picture P1.
    const QPixmap& P1() const { return m_p1; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

private:
    QPixmap m_p1;
    bool m_selected = true;
};

} // namespace orvane
