// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Services.h"

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace orvane {

// "计算反三角函数": inverse sine, cosine, tangent and cotangent of a value, in degrees.
class InverseTrigWindow : public QWidget {
    Q_OBJECT
public:
    // The window shows no dialogs; of the services it uses the shared engine.
    InverseTrigWindow(Services& services, QWidget* owner);

    // The last raw result, in radians.
    double lastResult() const { return lastResult_; }

public slots:
    void computeArcSine();
    void computeArcCosine();
    void computeArcTangent();
    void computeArcCotangent();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void compute(const char* function);
    QPushButton* addButton(const char* name, const QString& caption, int column, int row);

    QLineEdit* txtInp_ = nullptr;
    QLineEdit* txtRes_ = nullptr;
    double lastResult_ = 0;
    engine::Engine& engine_;
};

} // namespace orvane
