// SPDX-License-Identifier: GPL-3.0-or-later
#include "AxesPage.h"

#include "ColourSwatch.h"
#include "FlatButton.h"
#include "PlotterHost.h"
#include "QtText.h"
#include "Surface.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace orvane {

AxesPage::AxesPage(PlotterHost& host, Services& services, QWidget* parent)
    : QFrame(parent), host_(host), services_(services)
{
    setObjectName(QStringLiteral("Fra_2"));

    chkHideXY_ = new QCheckBox(QStringLiteral("隐藏座标轴"), this);
    chkHideXY_->setObjectName(QStringLiteral("chkHideXY"));

    auto* sizeFrame = new QGroupBox(QStringLiteral("设置座标"), this);
    SLSIZE_ = new QScrollBar(Qt::Horizontal, sizeFrame);
    SLSIZE_->setObjectName(QStringLiteral("SLSIZE"));
    SLSIZE_->setRange(6, 30);
    SLSIZE_->setPageStep(1);
    SLSIZE_->setValue(10);
    for (int i = 0; i < 2; ++i) {
        LSize_[i] = new QLabel(QStringLiteral("10"), sizeFrame);
        LSize_[i]->setObjectName(QStringLiteral("LSize_%1").arg(i));
    }
    auto* warning = new QLabel(QStringLiteral("？！注意：改变座标大小会清空作图板。"), sizeFrame);
    warning->setWordWrap(true);
    warning->setStyleSheet(QStringLiteral("color: #a00000;"));
    auto* sizeLayout = new QGridLayout(sizeFrame);
    sizeLayout->addWidget(SLSIZE_, 0, 0, 1, 2);
    sizeLayout->addWidget(LSize_[1], 0, 2);
    sizeLayout->addWidget(new QLabel(QStringLiteral("当前大小："), sizeFrame), 1, 0);
    sizeLayout->addWidget(LSize_[0], 1, 1, 1, 2);
    sizeLayout->addWidget(warning, 2, 0, 1, 3);

    auto* colourFrame = new QGroupBox(QStringLiteral("座标轴颜色"), this);
    XYBlack_ = new QRadioButton(QStringLiteral("黑色"), colourFrame);
    XYBlack_->setObjectName(QStringLiteral("XYBlack"));
    XYBlue_ = new QRadioButton(QStringLiteral("彩色"), colourFrame);
    XYBlue_->setObjectName(QStringLiteral("XYBlue"));
    XYColor_ = new ColourSwatch(QStringLiteral("XYColor"), colourFrame);
    XYColor_->setColour(axisColour_);
    XYBlue_->setChecked(true);
    auto* colourLayout = new QHBoxLayout(colourFrame);
    colourLayout->addWidget(XYBlack_);
    colourLayout->addWidget(XYBlue_);
    colourLayout->addWidget(XYColor_);
    colourLayout->addStretch();

    reDrawXY_ = new FlatButton(this);
    reDrawXY_->setObjectName(QStringLiteral("reDrawXY"));
    reDrawXY_->setCaption(QStringLiteral("重画座标"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chkHideXY_);
    layout->addWidget(sizeFrame);
    layout->addWidget(colourFrame);
    layout->addWidget(reDrawXY_, 0, Qt::AlignLeft);
    layout->addStretch();

    connect(SLSIZE_, &QScrollBar::valueChanged, this, &AxesPage::sizeChanged);
    connect(chkHideXY_, &QCheckBox::clicked, this, &AxesPage::hideClicked);
    connect(reDrawXY_, &FlatButton::Click, this, &AxesPage::redrawClicked);
    connect(XYBlack_, &QRadioButton::clicked, this, &AxesPage::blackClicked);
    connect(XYBlue_, &QRadioButton::clicked, this, &AxesPage::colouredClicked);
    connect(XYColor_, &ColourSwatch::clicked, this, &AxesPage::swatchClicked);
}

int AxesPage::axisSize() const
{
    const auto size = NumberText::toInt16(leadingNumber(LSize_[0]->text()));
    return size.value_or(10);
}

bool AxesPage::axesHidden() const
{
    return chkHideXY_->isChecked();
}

PlotterDocument::Axes AxesPage::currentAxes() const
{
    return {axisColour_, axisSize(), host_.padFontSize()};
}

void AxesPage::drawAxes()
{
    PlotterDocument(host_.document()).drawAxes(currentAxes());
}

void AxesPage::followDocument(int size, bool hidden)
{
    if (size != axisSize()) {
        applySettings(size, axisColour_);
        host_.setSetupValue(QStringLiteral("Size"), LSize_[0]->text());
    }
    chkHideXY_->setChecked(hidden);
    SLSIZE_->setEnabled(!hidden);
}

void AxesPage::applySettings(int size, Colour axisColour)
{
    {
        const QSignalBlocker blocker(SLSIZE_);
        SLSIZE_->setValue(size);
    }
    for (QLabel* label : LSize_)
        label->setText(integerText(SLSIZE_->value()));
    axisColour_ = axisColour;
    setColourOptions(axisColour != 0);
    XYColor_->setColour(axisColour);
}

void AxesPage::showAxesAgain()
{
    if (!chkHideXY_->isChecked()) return;
    chkHideXY_->setChecked(false);
    hideClicked();
}

void AxesPage::sizeChanged(int value)
{
    for (QLabel* label : LSize_)
        label->setText(integerText(value));
    host_.setSetupValue(QStringLiteral("Size"), LSize_[0]->text());
    PlotterDocument(host_.document()).newAxisSize(currentAxes());
}

void AxesPage::hideClicked()
{
    // Hidden axes leave the picture, so the curves under them stay whole.
    if (chkHideXY_->isChecked()) {
        SLSIZE_->setEnabled(false);
        PlotterDocument(host_.document()).hideAxes();
    } else {
        SLSIZE_->setEnabled(true);
        PlotterDocument(host_.document()).showAxes(currentAxes());
    }
}

void AxesPage::redrawClicked()
{
    const PadDocument::Step step(host_.document());
    drawAxes();
    showAxesAgain();
}

void AxesPage::blackClicked()
{
    axisColour_ = 0;
    setColourOptions(false);
    if (!axesHidden()) drawAxes();
    host_.setSetupValue(QStringLiteral("Color"), QStringLiteral("0"));
}

void AxesPage::colouredClicked()
{
    axisColour_ = XYColor_->colour();
    setColourOptions(true);
    if (!axesHidden()) drawAxes();
    writeColour();
}

void AxesPage::swatchClicked()
{
    if (const std::optional<Colour> chosen =
            services_.dialogs.showColourDialog(window(), XYColor_->colour()))
        XYColor_->setColour(*chosen);
    // A cancelled dialog still applies the swatch when the coloured option is on.
    if (XYBlue_->isChecked()) {
        axisColour_ = XYColor_->colour();
        if (!axesHidden()) drawAxes();
        writeColour();
    }
}

void AxesPage::setColourOptions(bool coloured)
{
    XYBlue_->setChecked(coloured);
    XYBlack_->setChecked(!coloured);
}

void AxesPage::writeColour()
{
    host_.setSetupValue(QStringLiteral("Color"), leadingBlank(axisColour_));
}

} // namespace orvane
