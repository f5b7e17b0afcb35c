// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Services.h"

#include <QWidget>

#include <cstdint>
#include <optional>

class QLabel;
namespace orvane {
class ElidedLabel;
}
class QLineEdit;
class QPushButton;

namespace orvane {

// "计算定积分": the trapezoidal rule over limits, count and integrand typed as
// expressions.
class IntegralWindow : public QWidget {
    Q_OBJECT
public:
    // The window shows no dialogs; of the services it uses the shared engine.
    IntegralWindow(Services& services, QWidget* owner);

    // The integral of `integrand` from a to b with n sub-intervals; no value when the
    // computation faulted.
    std::optional<double> countIntegral(const QString& integrand, double a, double b,
                                        std::int16_t n) const;

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
    engine::Engine& engine_;
};

} // namespace orvane
