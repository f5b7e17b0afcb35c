// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AnimationPlayer.h"
#include "ConstantSlider.h"

#include <QString>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QSlider;
class QTimer;
class QToolButton;

namespace orvane {

// One named constant as a slider a teacher drags or plays: its name and value, the
// slider, the boxes for its minimum, maximum and step, and a play button with the play
// mode and speed. Whatever moves the value (the slider, a step of the run) is told through
// valueChanged; a change of the boxes through rangeChanged.
class SliderStrip : public QWidget {
    Q_OBJECT
public:
    SliderStrip(const QString& name, const ConstantSlider& slider, QWidget* parent = nullptr);

    QString name() const { return name_; }
    const ConstantSlider& slider() const { return slider_; }
    double value() const { return slider_.value(); }
    bool playing() const;

    // The value from elsewhere (the constant changed by undo or retyped): shown without
    // valueChanged.
    void showValue(double value);
    // The range from elsewhere, likewise without rangeChanged; false when unusable.
    bool showRange(const SliderRange& range);

    void play();
    void pause();
    // One frame of the run: what the play timer calls.
    void advanceFrame();

signals:
    void valueChanged(double value);
    void rangeChanged(const orvane::SliderRange& range);

private:
    void sliderMoved(int position);
    void boxEdited(QLineEdit* box);
    void updateControls();
    void takeValue(double value);

    QString name_;
    ConstantSlider slider_;
    AnimationPlayer player_;
    QLabel* valueLabel_;
    QSlider* bar_;
    QLineEdit* minimumBox_;
    QLineEdit* maximumBox_;
    QLineEdit* stepBox_;
    QToolButton* playButton_;
    QComboBox* modeBox_;
    QComboBox* speedBox_;
    QTimer* timer_;
    bool updating_ = false;
};

} // namespace orvane
