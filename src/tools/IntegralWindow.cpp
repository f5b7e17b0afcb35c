// SPDX-License-Identifier: GPL-3.0-or-later
#include "IntegralWindow.h"

#include "ElidedLabel.h"
#include "Engine.h"
#include "Integral.h"
#include "NumberText.h"
#include "QtText.h"
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
    txtN0_ = addBox("txtN0", QStringLiteral("精度"), QStringLiteral("5000"), 3);
    txtN0_->setToolTip(QStringLiteral("精度值越高计算速度越慢"));

    const int resultTop = RowTop + 4 * RowHeight + 4;
    auto* resultLabel = new QLabel(QStringLiteral("结果输出:"), this);
    resultLabel->setGeometry(LabelX, resultTop, BoxX - LabelX, FieldHeight);
    resout_ = new ElidedLabel(this);
    resout_->setObjectName(QStringLiteral("resout"));
    resout_->setGeometry(BoxX, resultTop, BoxWidth - 70, FieldHeight);
    resout_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    cmdCount_ = new QPushButton(this);
    cmdCount_->setObjectName(QStringLiteral("cmdCount"));
    cmdCount_->setText(QStringLiteral("计算"));
    cmdCount_->setGeometry(BoxX + BoxWidth - 64, resultTop - 2, 64, FieldHeight + 4);
    connect(cmdCount_, &QPushButton::clicked, this, &IntegralWindow::computeIntegral);

    setFixedSize(BoxX + BoxWidth + LabelX, resultTop + RowHeight + 8);
}

QLineEdit* IntegralWindow::addBox(const char* name, const QString& label, const QString& text,
                                  int row)
{
    const int top = RowTop + row * RowHeight;
    auto* caption = new QLabel(label, this);
    caption->setGeometry(LabelX, top, BoxX - LabelX, FieldHeight);
    auto* box = new QLineEdit(text, this);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(BoxX, top, BoxWidth, FieldHeight);
    // Enter in any box computes, as the button does.
    connect(box, &QLineEdit::returnPressed, this, &IntegralWindow::computeIntegral);
    return box;
}

std::optional<double> IntegralWindow::countIntegral(const QString& integrand, double a, double b,
                                                    std::int16_t n) const
{
    return orvane::countIntegral(engine_, toStdString(integrand), a, b, n);
}

void IntegralWindow::computeIntegral()
{
    const double a = engine_.evaluate(toStdString(txtA_->text()));
    const double b = engine_.evaluate(toStdString(txtB_->text()));
    // A count outside 16 bits ends the click and leaves the last result standing.
    const std::optional<std::int16_t> n =
        NumberText::toInt16(engine_.evaluate(toStdString(txtN0_->text())));
    if (!n) return;
    // A faulted computation has no value and shows as 0.00.
    const double r = countIntegral(txtCS_->text(), a, b, *n).value_or(0);
    resout_->setText(formatPattern(r, "#0.00#"));
}

} // namespace orvane
