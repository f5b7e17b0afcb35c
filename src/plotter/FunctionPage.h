// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "PlotKind.h"
#include "Services.h"

#include <QFrame>

class QLabel;
class QLineEdit;
class QRadioButton;
class QScrollBar;

namespace orvane {

class PlotterHost;
class FlatButton;

// Page "一般函数": the kind of curve, the three expression boxes, the range and the
// smoothness.
class FunctionPage : public QFrame {
    Q_OBJECT
public:
    FunctionPage(PlotterHost& host, Services& services, QWidget* parent = nullptr);

    PlotKind selectedKind() const;
    // As a click on the option: enables its box and the range boxes it uses.
    void selectKind(PlotKind kind);
    QString expression(PlotKind kind) const;
    void setExpression(PlotKind kind, const QString& text);

    QString rangeMinText() const;
    QString rangeMaxText() const;
    void setRange(const QString& min, const QString& max);
    // The range of t of a parametric curve (its own boxes, 0 to 2π at first).
    QString parameterMinText() const;
    QString parameterMaxText() const;
    void setParameterRange(const QString& min, const QString& max);
    // The two boxes of a parametric curve.
    QString parametricX() const;
    QString parametricY() const;

    // The last accepted smoothness.
    double smoothness() const { return smoothness_; }
    QString smoothnessText() const;
    // Moves the scroll bar, which runs its change handling.
    void setSmoothnessBar(int value);
    // Start-up: the box text and the bar, without writing the setting.
    void applySmoothnessSetting(const QString& text);

    FlatButton* addButton() const { return cmdAddDraw_; }
    FlatButton* deleteButton() const { return cmdDelLine_; }

signals:
    void addDrawRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void smoothnessBarChanged(int value);
    void smoothnessEntered();

    PlotterHost& host_;
    Services& services_;
    double smoothness_ = 100;
    QRadioButton* OpY_;
    QRadioButton* OpX_;
    QRadioButton* OpPolar_;
    QRadioButton* OpParam_;
    QLineEdit* txtParamX_;
    QLineEdit* txtParamY_;
    QLineEdit* tMin_;
    QLineEdit* tMax_;
    std::array<QLabel*, 3> tRange_{};
    QLineEdit* txtBiaoSi_;
    QLineEdit* txtXB_;
    QLineEdit* txtPolar_;
    QLineEdit* xMin_;
    QLineEdit* xMax_;
    QLabel* XYMaxMin_[3];
    QLineEdit* PingHuaDu_;
    QScrollBar* HSPHD_;
    FlatButton* cmdAddDraw_;
    FlatButton* cmdDelLine_;
};

} // namespace orvane
