// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

namespace orvane {

struct Services;

// The maker's web address shown and opened by the About box.
extern const QString MakerAddress;
// The copyright and licence notice in the About box's text area (Chinese and English).
extern const QString LicenceNotice;

// The About box: title, description, the maker's web address as a link and the licence
// in a text area. A click anywhere outside the link and the text area closes it. Always on top, not modal, destroyed when closed.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    AboutDialog(Services& services, QWidget* owner);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace orvane
