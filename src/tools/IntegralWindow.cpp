// SPDX-License-Identifier: GPL-3.0-or-later
#include "IntegralWindow.h"

#include "ElidedLabel.h"
#include "Engine.h"
#include "IntegralReport.h"
#include "QtText.h"
#include "ReadingLabel.h"
#include "ToolWindowSupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace orvane {

namespace {
constexpr int LabelX = 12;
constexpr int BoxX = 84;
constexpr int BoxWidth = 168;
constexpr int RowTop = 12;
constexpr int RowHeight = 30;
constexpr int FieldHeight = 22;
// The reading of the integrand takes a line of its own under its box.
constexpr int ReadingHeight = 16;
constexpr int NoticeHeight = 48;
} // namespace

IntegralWindow::IntegralWindow(Services& services, QWidget* owner)
    : QWidget(owner), engine_(services.engine)
{
    tools::makeOwnedWindow(this);
    setObjectName(QStringLiteral("frmIntegral"));
    setWindowTitle(QStringLiteral("计算定积分"));
    setWindowIcon(tools::toolIcon(QStringLiteral("integral")));

    txtA_ = addBox("txtA", QStringLiteral("积分下限a"), QStringLiteral("0"), 0);
    txtB_ = addBox("txtB", QStringLiteral("积分上限b"), QStringLiteral("Pi/2"), 1);
    txtCS_ = addBox("txtCS", QStringLiteral("被积函数"), QStringLiteral("sin(x)"), 2);
    auto* reading = new ReadingLabel(txtCS_, this);
    reading->setGeometry(BoxX, RowTop + 2 * RowHeight + FieldHeight, BoxWidth, ReadingHeight);
    txtN0_ = addBox("txtN0", QStringLiteral("精度"), QStringLiteral("5000"), 3);
    txtN0_->setToolTip(QStringLiteral("精度值越高计算速度越慢"));

    const int resultTop = RowTop + 4 * RowHeight + ReadingHeight + 4;
    auto* resultLabel = new QLabel(QStringLiteral("结果输出:"), this);
    resultLabel->setGeometry(LabelX, resultTop, BoxX - LabelX, FieldHeight);
    resout_ = new ElidedLabel(this);
    resout_->setObjectName(QStringLiteral("resout"));
    // The value gets the whole width: it may carry a dozen digits.
    resout_->setGeometry(BoxX, resultTop, BoxWidth, FieldHeight);
    resout_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    cmdCount_ = new QPushButton(this);
    cmdCount_->setObjectName(QStringLiteral("cmdCount"));
    cmdCount_->setText(QStringLiteral("计算"));
    cmdCount_->setGeometry(BoxX + BoxWidth - 64, resultTop + RowHeight, 64, FieldHeight + 4);
    connect(cmdCount_, &QPushButton::clicked, this, &IntegralWindow::computeIntegral);

    // Why there is no value, in full.
    notice_ = new QLabel(this);
    notice_->setObjectName(QStringLiteral("resNotice"));
    notice_->setWordWrap(true);
    notice_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    notice_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    notice_->setGeometry(LabelX, resultTop + RowHeight, BoxX + BoxWidth - LabelX - 72,
                         NoticeHeight);

    setFixedSize(BoxX + BoxWidth + LabelX, resultTop + RowHeight + NoticeHeight + 8);
}

QLineEdit* IntegralWindow::addBox(const char* name, const QString& label, const QString& text,
                                  int row)
{
    const int top = RowTop + row * RowHeight + (row > 2 ? ReadingHeight : 0);
    auto* caption = new QLabel(label, this);
    caption->setGeometry(LabelX, top, BoxX - LabelX, FieldHeight);
    auto* box = new QLineEdit(text, this);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(BoxX, top, BoxWidth, FieldHeight);
    // Enter in any box computes, as the button does.
    connect(box, &QLineEdit::returnPressed, this, &IntegralWindow::computeIntegral);
    return box;
}

void IntegralWindow::computeIntegral()
{
    // Every click replaces what was shown: a refused input never leaves an old value
    // standing as if it were new.
    const IntegralReport report =
        IntegralReport::compute(engine_, toStdString(txtA_->text()), toStdString(txtB_->text()),
                                toStdString(txtCS_->text()), toStdString(txtN0_->text()));
    resout_->setText(toQString(report.value));
    notice_->setText(toQString(report.notice));
}

} // namespace orvane
