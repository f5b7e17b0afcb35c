// SPDX-License-Identifier: GPL-3.0-or-later
#include "ParameterStrip.h"

#include "ColourSwatch.h"
#include "PlottedEntry.h"
#include "PlotterHost.h"
#include "QtText.h"
#include "Surface.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QScrollBar>

namespace orvane {

ParameterStrip::ParameterStrip(PlotterHost& host, Services& services, QWidget* parent)
    : QGroupBox(QStringLiteral("参数栏"), parent), host_(host), services_(services)
{
    LB_ = new QScrollBar(Qt::Horizontal, this);
    LB_->setObjectName(QStringLiteral("LB"));
    LB_->setRange(1, 10);
    LB_->setPageStep(1);
    LLB_ = new QLabel(QStringLiteral("1"), this);
    LLB_->setObjectName(QStringLiteral("LLB"));
    LLB_->setMinimumWidth(24);
    LColor_ = new ColourSwatch(QStringLiteral("LColor"), this);
    LColor_->setToolTip(QStringLiteral("请选择色彩"));
    LColor_->setColour(16711680);
    CheckColor_ = new QCheckBox(QStringLiteral("随机"), this);
    CheckColor_->setObjectName(QStringLiteral("CheckColor"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("线条宽度："), this), 0, 0);
    layout->addWidget(LB_, 0, 1, 1, 3);
    layout->addWidget(LLB_, 0, 4);
    layout->addWidget(new QLabel(QStringLiteral("颜色："), this), 1, 0);
    layout->addWidget(LColor_, 1, 1);
    layout->addWidget(CheckColor_, 1, 2);
    layout->setColumnStretch(3, 1);

    connect(LB_, &QScrollBar::valueChanged, this, &ParameterStrip::lineWidthChanged);
    connect(LColor_, &ColourSwatch::clicked, this, &ParameterStrip::lineColourClicked);
    connect(CheckColor_, &QCheckBox::clicked, this, [this](bool on) {
        host_.setSetupValue(QStringLiteral("ColorSelfMain"),
                            on ? QStringLiteral("1") : QStringLiteral("0"));
    });
}

Colour ParameterStrip::lineColour() const
{
    return LColor_->colour();
}

void ParameterStrip::setLineColour(Colour colour)
{
    LColor_->setColour(colour);
}

int ParameterStrip::lineWidth() const
{
    return LB_->value();
}

void ParameterStrip::setLineWidthValue(int width)
{
    LB_->setValue(width);
}

void ParameterStrip::setLineWidth(double w)
{
    LLB_->setText(generalForm(w));
    LB_->setValue(NumberText::toInt16(w).value_or(1));
}

void ParameterStrip::applySettings(int lineWidth, Colour lineColour, bool randomColours)
{
    CheckColor_->setChecked(randomColours);
    {
        const QSignalBlocker blocker(LB_);
        LB_->setValue(lineWidth);
    }
    LLB_->setText(integerText(LB_->value()));
    host_.setToolBoxLineWidthText(integerText(LB_->value()));
    LColor_->setColour(lineColour);
    host_.setToolBoxPenColour(lineColour);
    host_.pad().setPenWidth(LB_->value());
}

Colour ParameterStrip::randomColour()
{
    return randomCurveColour([this] { return services_.environment.nextRandom(); });
}

Colour ParameterStrip::pickCurveColour(Colour c)
{
    if (!CheckColor_->isChecked()) return c;
    const Colour picked = randomColour();
    LColor_->setColour(picked);
    host_.setToolBoxPenColour(picked);
    return picked;
}

void ParameterStrip::lineWidthChanged(int value)
{
    LLB_->setText(integerText(value));
    host_.setSetupValue(QStringLiteral("LineBold"), integerText(value));
    host_.pad().setPenWidth(value);
    host_.setToolBoxLineWidthText(leadingBlank(value));
}

void ParameterStrip::lineColourClicked()
{
    const std::optional<Colour> chosen = services_.dialogs.showColourDialog(window(), lineColour());
    if (!chosen) return;
    setLineColour(*chosen);
    host_.setToolBoxPenColour(*chosen);
    host_.setSetupValue(QStringLiteral("LineColor"), integerText(*chosen));
    host_.setTextInputColour(*chosen);
}

} // namespace orvane
