// SPDX-License-Identifier: GPL-3.0-or-later
#include "SliderStrip.h"

#include "NumberText.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTimer>
#include <QToolButton>

namespace orvane {

namespace {

QString numberText(double value)
{
    return QString::fromStdString(NumberText::generalForm(value));
}

QLineEdit* rangeBox(const QString& objectName, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(objectName);
    box->setMaximumWidth(70);
    return box;
}

const QString PlayText = QStringLiteral("播放");
const QString PauseText = QStringLiteral("暂停");

} // namespace

SliderStrip::SliderStrip(const QString& name, const ConstantSlider& slider, QWidget* parent)
    : QWidget(parent), name_(name), slider_(slider), valueLabel_(new QLabel(this)),
      bar_(new QSlider(Qt::Horizontal, this)),
      minimumBox_(rangeBox(QStringLiteral("sliderMinimum"), this)),
      maximumBox_(rangeBox(QStringLiteral("sliderMaximum"), this)),
      stepBox_(rangeBox(QStringLiteral("sliderStep"), this)), playButton_(new QToolButton(this)),
      modeBox_(new QComboBox(this)), speedBox_(new QComboBox(this)), timer_(new QTimer(this))
{
    setObjectName(QStringLiteral("sliderStrip"));
    valueLabel_->setObjectName(QStringLiteral("sliderValue"));
    bar_->setObjectName(QStringLiteral("constantSlider"));
    playButton_->setObjectName(QStringLiteral("sliderPlay"));
    modeBox_->setObjectName(QStringLiteral("sliderMode"));
    speedBox_->setObjectName(QStringLiteral("sliderSpeed"));
    playButton_->setText(PlayText);
    modeBox_->addItem(QStringLiteral("单次"), int(PlayMode::Once));
    modeBox_->addItem(QStringLiteral("循环"), int(PlayMode::Repeat));
    modeBox_->addItem(QStringLiteral("往返"), int(PlayMode::BackAndForth));
    modeBox_->setCurrentIndex(1);
    for (const PlaySpeed& speed : playSpeeds())
        speedBox_->addItem(QString::fromUtf8(speed.label), speed.frameMilliseconds);
    speedBox_->setCurrentIndex(DefaultSpeedIndex);

    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(2, 2, 2, 2);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(name + QStringLiteral(" ="), this));
    valueLabel_->setMinimumWidth(60);
    top->addWidget(valueLabel_);
    top->addWidget(bar_, 1);
    top->addWidget(playButton_);
    rows->addLayout(top);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(QStringLiteral("最小"), this));
    bottom->addWidget(minimumBox_);
    bottom->addWidget(new QLabel(QStringLiteral("最大"), this));
    bottom->addWidget(maximumBox_);
    bottom->addWidget(new QLabel(QStringLiteral("步长"), this));
    bottom->addWidget(stepBox_);
    bottom->addStretch(1);
    bottom->addWidget(modeBox_);
    bottom->addWidget(speedBox_);
    rows->addLayout(bottom);

    connect(bar_, &QSlider::valueChanged, this, &SliderStrip::sliderMoved);
    for (QLineEdit* box : {minimumBox_, maximumBox_, stepBox_})
        connect(box, &QLineEdit::editingFinished, this, [this, box] { boxEdited(box); });
    connect(playButton_, &QToolButton::clicked, this, [this] { playing() ? pause() : play(); });
    connect(modeBox_, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this] { player_.setMode(PlayMode(modeBox_->currentData().toInt())); });
    connect(speedBox_, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this] { timer_->setInterval(speedBox_->currentData().toInt()); });
    connect(timer_, &QTimer::timeout, this, &SliderStrip::advanceFrame);
    timer_->setInterval(speedBox_->currentData().toInt());
    player_.setMode(PlayMode(modeBox_->currentData().toInt()));
    updateControls();
}

bool SliderStrip::playing() const
{
    return timer_->isActive();
}

void SliderStrip::showValue(double value)
{
    slider_.setValue(value);
    updateControls();
}

bool SliderStrip::showRange(const SliderRange& range)
{
    const bool taken = slider_.setRange(range);
    updateControls();
    return taken;
}

void SliderStrip::play()
{
    player_.seek(slider_.position());
    player_.play();
    if (!player_.playing()) return;
    takeValue(slider_.valueAt(player_.frame())); // a run played once starts again
    timer_->start();
    playButton_->setText(PauseText);
}

void SliderStrip::pause()
{
    player_.pause();
    timer_->stop();
    playButton_->setText(PlayText);
}

void SliderStrip::advanceFrame()
{
    player_.seek(slider_.position()); // the slider may have been dragged meanwhile
    player_.play();
    if (player_.tick()) takeValue(slider_.valueAt(player_.frame()));
    if (!player_.playing()) pause();
}

void SliderStrip::sliderMoved(int position)
{
    if (updating_) return;
    takeValue(slider_.valueAt(position));
}

void SliderStrip::takeValue(double value)
{
    const double before = slider_.value();
    slider_.setValue(value);
    updateControls();
    if (slider_.value() != before) emit valueChanged(slider_.value());
}

void SliderStrip::boxEdited(QLineEdit* box)
{
    const auto number = NumberText::parseNumber(box->text().toStdString());
    SliderRange range = slider_.range();
    if (number) {
        if (box == minimumBox_) range.minimum = *number;
        if (box == maximumBox_) range.maximum = *number;
        if (box == stepBox_) range.step = *number;
    }
    const double before = slider_.value();
    // A text that is no number or a range that cannot be used: the box shows the old one.
    if (number && range != slider_.range() && slider_.setRange(range)) {
        player_.setFrameCount(slider_.positionCount());
        emit rangeChanged(slider_.range());
    }
    updateControls();
    if (slider_.value() != before) emit valueChanged(slider_.value());
}

void SliderStrip::updateControls()
{
    updating_ = true;
    player_.setFrameCount(slider_.positionCount());
    bar_->setRange(0, slider_.positionCount() - 1);
    bar_->setValue(slider_.position());
    valueLabel_->setText(numberText(slider_.value()));
    minimumBox_->setText(numberText(slider_.range().minimum));
    maximumBox_->setText(numberText(slider_.range().maximum));
    stepBox_->setText(numberText(slider_.range().step));
    updating_ = false;
}

} // namespace orvane
