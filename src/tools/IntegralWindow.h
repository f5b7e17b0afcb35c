// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Services.h"

#include <QWidget>

class QLabel;
namespace orvane {
class ElidedLabel;
}
class QLineEdit;
class QPushButton;

namespace orvane {

// "计算定积分": the integral of an expression in x between two limits, all typed as
// expressions, with the count of sub-intervals to start from; the value to the digits its
// error estimate vouches for, or why there is none.
class IntegralWindow : public QWidget {
    Q_OBJECT
public:
    // The window shows no dialogs; of the services it uses the shared engine.
    IntegralWindow(Services& services, QWidget* owner);

public slots:
    void computeIntegral();

private:
    QLineEdit* addBox(const char* name, const QString& label, const QString& text, int row);

    QLineEdit* txtA_ = nullptr;
    QLineEdit* txtB_ = nullptr;
    QLineEdit* txtCS_ = nullptr;
    QLineEdit* txtN0_ = nullptr;
    QPushButton* cmdCount_ = nullptr;
    ElidedLabel* resout_ = nullptr;
    QLabel* notice_ = nullptr;
    engine::Engine& engine_;
};

} // namespace orvane
