// SPDX-License-Identifier: GPL-3.0-or-later
#include "TipDialog.h"

#include "QtText.h"
#include "Settings.h"
#include "ShellLook.h"
#include "TipTexts.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace orvane {

namespace {
const QString TipsKey = QStringLiteral("Tips");
const QString ShowTipKey = QStringLiteral("ShowTip");
} // namespace

TipDialog::TipDialog(Services&, const Settings& settings, QWidget* owner)
    : QDialog(owner, SmallWindowFlags), settings_(settings)
{
    setObjectName(QStringLiteral("frmTip"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(QStringLiteral("日积月累"));
    setWindowIcon(tipIcon());

    auto* Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(tipPixmap(48));
    Image1->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setAutoFillBackground(true);
    QPalette paper = panel->palette();
    paper.setColor(QPalette::Window, Qt::white);
    paper.setColor(QPalette::WindowText, Qt::black);
    panel->setPalette(paper);

    lblTipText_ = new QLabel(panel);
    lblTipText_->setObjectName(QStringLiteral("lblTipText"));
    lblTipText_->setWordWrap(true);
    lblTipText_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblTipText_->setTextFormat(Qt::PlainText);
    auto* panelLayout = new QHBoxLayout(panel);
    panelLayout->setContentsMargins(12, 12, 12, 12);
    panelLayout->addWidget(Image1);
    panelLayout->addWidget(lblTipText_, 1);

    chkLoadTipsAtStartup_ = new QCheckBox(QStringLiteral("在启动时显示提示(&S)"), this);
    chkLoadTipsAtStartup_->setObjectName(QStringLiteral("chkLoadTipsAtStartup"));
    cmdOK_ = new QPushButton(this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setDefault(true);
    cmdNextTip_ = new QPushButton(this);
    cmdNextTip_->setObjectName(QStringLiteral("cmdNextTip"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(panel, 0, 0, 3, 1);
    layout->addWidget(cmdOK_, 0, 1);
    layout->addWidget(cmdNextTip_, 1, 1);
    layout->setRowStretch(2, 1);
    layout->addWidget(chkLoadTipsAtStartup_, 3, 0, 1, 2);
    layout->setColumnStretch(0, 1);
    setFixedSize(460, 250);

    cmdOK_->setText(QStringLiteral("确定"));
    cmdNextTip_->setText(QStringLiteral("下一条"));
    position_ = settings_.getSetupInt16(TipsKey);
    chkLoadTipsAtStartup_->setChecked(settings_.getSetupInt16(ShowTipKey) == 1);
    showNextTip();

    connect(cmdOK_, &QPushButton::clicked, this, &QDialog::close);
    connect(cmdNextTip_, &QPushButton::clicked, this, &TipDialog::showNextTip);
    connect(chkLoadTipsAtStartup_, &QCheckBox::toggled, this, [this](bool on) {
        settings_.setSetupValue(ShowTipKey, on ? QStringLiteral("1") : QStringLiteral("0"));
    });
}

void TipDialog::showNextTip()
{
    // After the last tip comes the first; a number edited out of range starts over too.
    if (position_ < 0 || position_ >= TipCount) position_ = 0;
    ++position_;
    lblTipText_->setText(tipText(FirstTipNumber - 1 + position_));
    settings_.setSetupValue(TipsKey, integerText(position_));
}

} // namespace orvane
