// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace orvane {

class Settings;
struct Services;

// The tip of the day: one of twelve tips at a time, stepping on through them across
// runs (the number shown last is kept in the settings key `Tips`). Always on top, not
// modal, destroyed when closed.
class TipDialog : public QDialog {
    Q_OBJECT
public:
    TipDialog(Services& services, const Settings& settings, QWidget* owner);

    // The number of the tip shown, 1 to 12 (tip 1000 + n).
    int tipPosition() const { return position_; }

private:
    void showNextTip();

    const Settings& settings_;
    int position_ = 0;
    QLabel* lblTipText_ = nullptr;
    QCheckBox* chkLoadTipsAtStartup_ = nullptr;
    QPushButton* cmdNextTip_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
};

} // namespace orvane
