// SPDX-License-Identifier: GPL-3.0-or-later
#include "InverseTrigWindow.h"

#include "Engine.h"
#include "QtText.h"
#include "ToolWindowSupport.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace orvane {

namespace {
constexpr int Margin = 12;
constexpr int ButtonWidth = 88;
constexpr int ButtonHeight = 28;
constexpr int ButtonsTop = 52;
// The evaluator's functions answer in radians; degrees use the double nearest to pi.
constexpr double Pi = 3.141592653589793;

const QString ResultHint = QStringLiteral("结果为角度(0°~90°)");
} // namespace

InverseTrigWindow::InverseTrigWindow(Services& services, QWidget* owner)
    : QWidget(owner), engine_(services.engine)
{
    tools::makeOwnedWindow(this);
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    setObjectName(QStringLiteral("frmCount"));
    setWindowTitle(QStringLiteral("计算反三角函数"));
    setWindowIcon(tools::toolIcon(QStringLiteral("solver")));

    auto* label1 = new QLabel(QStringLiteral("输入："), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setGeometry(Margin, 16, 44, 22);
    txtInp_ = new QLineEdit(QStringLiteral("1"), this);
    txtInp_->setObjectName(QStringLiteral("txtInp"));
    txtInp_->setGeometry(Margin + 44, 16, 2 * ButtonWidth + 8 - 44, 22);
    txtInp_->installEventFilter(this);

    connect(addButton("cmdArcSin", QStringLiteral("反正弦"), 0, 0), &QPushButton::clicked, this,
            &InverseTrigWindow::computeArcSine);
    connect(addButton("cmdArcCos", QStringLiteral("反余弦"), 1, 0), &QPushButton::clicked, this,
            &InverseTrigWindow::computeArcCosine);
    connect(addButton("cmdArcTg", QStringLiteral("反正切"), 0, 1), &QPushButton::clicked, this,
            &InverseTrigWindow::computeArcTangent);
    connect(addButton("cmdArcCtg", QStringLiteral("反余切"), 1, 1), &QPushButton::clicked, this,
            &InverseTrigWindow::computeArcCotangent);

    txtRes_ = new QLineEdit(ResultHint, this);
    txtRes_->setObjectName(QStringLiteral("txtRes"));
    txtRes_->setToolTip(ResultHint);
    txtRes_->setFont(tools::serifFont(12));
    txtRes_->setGeometry(Margin, ButtonsTop + 2 * (ButtonHeight + 8) + 14, 2 * ButtonWidth + 8, 30);

    setFixedSize(tools::twipsToPixels(3210), tools::twipsToPixels(3200));
}

QPushButton* InverseTrigWindow::addButton(const char* name, const QString& caption, int column,
                                          int row)
{
    auto* b = new QPushButton(caption, this);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(Margin + column * (ButtonWidth + 8), ButtonsTop + row * (ButtonHeight + 8),
                   ButtonWidth, ButtonHeight);
    return b;
}

bool InverseTrigWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Entering the input box selects its text, so typing replaces it. Deferred: the
    // line edit's own focus handling would otherwise move the cursor afterwards.
    if (watched == txtInp_ && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, txtInp_, [box = txtInp_] { box->selectAll(); });
    return QWidget::eventFilter(watched, event);
}

void InverseTrigWindow::computeArcSine()
{
    compute("ASN");
}
void InverseTrigWindow::computeArcCosine()
{
    compute("ACS");
}
void InverseTrigWindow::computeArcTangent()
{
    compute("ATN");
}
void InverseTrigWindow::computeArcCotangent()
{
    compute("ACG");
}

void InverseTrigWindow::compute(const char* function)
{
    const QString expression =
        QString::fromLatin1(function) + QLatin1Char('(') + txtInp_->text() + QLatin1Char(')');
    lastResult_ = engine_.evaluate(toStdString(expression));
    if (lastResult_ == ErrorValue) {
        txtRes_->setText(QStringLiteral(" Error"));
        return;
    }
    txtRes_->setText(formatPattern(lastResult_ * 180 / Pi, "#0.00#") + QStringLiteral("度"));
}

} // namespace orvane
