// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolsPage.h"

#include "ControlResources.h"
#include "Engine.h"
#include "PlotterHost.h"
#include "QtText.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace orvane {

namespace {
QPushButton* toolButton(const char* name, const char* caption, QWidget* parent)
{
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QLatin1String(name));
    button->setCursor(handCursor());
    return button;
}
} // namespace

ToolsPage::ToolsPage(PlotterHost& host, engine::Engine& engine, QWidget* parent)
    : QFrame(parent), engine_(engine)
{
    setObjectName(QStringLiteral("Fra_3"));
    auto* frame = new QGroupBox(QStringLiteral("计算表达式"), this);
    txtBiao_ = new QLineEdit(QStringLiteral("0"), frame);
    txtBiao_->setObjectName(QStringLiteral("txtBiao"));
    txtBres_ = new QLineEdit(QStringLiteral("输出结果"), frame);
    txtBres_->setObjectName(QStringLiteral("txtBres"));
    txtBres_->setReadOnly(true);
    auto* cmdCountB = toolButton("cmdCountB", "确定", frame);
    auto* frameLayout = new QGridLayout(frame);
    frameLayout->addWidget(txtBiao_, 0, 0);
    frameLayout->addWidget(cmdCountB, 0, 1);
    frameLayout->addWidget(txtBres_, 1, 0, 1, 2);

    struct Opener {
        const char* name;
        const char* caption;
        ToolWindow window;
    };
    const Opener openers[] = {
        {"integral", "计算定积分", ToolWindow::Integral},
        {"tools4", "公式计算", ToolWindow::ConsoleFormula},
        {"tools1", "解一元n次程(支持三角函数)", ToolWindow::Solver},
        {"tools2", "计算反三角函数", ToolWindow::InverseTrig},
        {"tools3", "几何计算", ToolWindow::Geometry},
    };
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    for (const Opener& opener : openers) {
        QPushButton* button = toolButton(opener.name, opener.caption, this);
        layout->addWidget(button);
        const ToolWindow window = opener.window;
        connect(button, &QPushButton::clicked, this,
                [&host, window] { host.openToolWindow(window); });
    }
    layout->addStretch();

    connect(cmdCountB, &QPushButton::clicked, this, &ToolsPage::evaluate);
    txtBiao_->installEventFilter(this);
}

bool ToolsPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtBiao_) {
        if (event->type() == QEvent::FocusIn)
            QTimer::singleShot(0, txtBiao_, &QLineEdit::selectAll);
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                evaluate();
                return true;
            }
        }
    }
    return QFrame::eventFilter(watched, event);
}

void ToolsPage::evaluate()
{
    const std::string text = toStdString(txtBiao_->text());
    const double value = engine_.evaluate(text);
    if (value == ErrorValue)
        txtBres_->setText(QStringLiteral("计算错误！"));
    else
        txtBres_->setText(QStringLiteral("结果为：") + generalForm(value));
}

} // namespace orvane
