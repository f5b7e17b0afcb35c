// SPDX-License-Identifier: GPL-3.0-or-later
#include "EquationSolverWindow.h"

#include "EquationSolver.h"
#include "QtText.h"
#include "ReadingLabel.h"
#include "TextScreen.h"
#include "ToolWindowSupport.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <array>

namespace orvane {

namespace {

using tools::twipsToPixels;

constexpr int WindowHeight = 300;
constexpr int FieldHeight = 22;
constexpr int ReadingHeight = 16;

const QString ShowPanel = QStringLiteral("||>>");
const QString HidePanel = QStringLiteral("<<||");

const QString HelpText = QStringLiteral("    方程式的输入\n"
                                        "方法与画函数图像\n"
                                        "表达式的方法相同。  \n"
                                        "                \n"
                                        "    注意：本程序\n"
                                        "所计算的结果可能\n"
                                        "不全。\n");

const std::array<QString, 5> FilledStars = {QStringLiteral("★★"), QStringLiteral("★★★"),
                                            QStringLiteral("★★★★"), QStringLiteral("★★★★★"),
                                            QStringLiteral("★★★★★★")};
const std::array<QString, 5> HollowStars = {QStringLiteral("☆☆"), QStringLiteral("☆☆☆"),
                                            QStringLiteral("☆☆☆☆"), QStringLiteral("☆☆☆☆☆"),
                                            QStringLiteral("☆☆☆☆☆☆")};

QLabel* label(const QString& text, QWidget* parent, QRect geometry)
{
    auto* l = new QLabel(text, parent);
    l->setGeometry(geometry);
    return l;
}

QLineEdit* box(const char* name, const QString& text, QWidget* parent, QRect geometry)
{
    auto* b = new QLineEdit(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(geometry);
    return b;
}

QPushButton* button(const char* name, const QString& text, QWidget* parent, QRect geometry)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(geometry);
    return b;
}

} // namespace

EquationSolverWindow::EquationSolverWindow(Services& services, QWidget* owner)
    : QWidget(owner), services_(services)
{
    tools::makeOwnedWindow(this);
    setObjectName(QStringLiteral("X20X"));
    setWindowTitle(QStringLiteral("Orvane-解一元n次方程"));
    setWindowIcon(tools::toolIcon(QStringLiteral("solver")));

    label(QStringLiteral("方程式："), this, {8, 10, 56, FieldHeight});
    Text1_ = box("Text1", QStringLiteral("x^4+x^2-16"), this, {64, 10, 172, FieldHeight});
    label(QStringLiteral("=0"), this, {240, 10, 22, FieldHeight});

    // How the program reads the equation, where school would read it otherwise.
    auto* reading = new ReadingLabel(Text1_, this);
    reading->setGeometry(64, 10 + FieldHeight, 196, ReadingHeight);

    label(QStringLiteral("X最小值："), this, {8, 40 + ReadingHeight, 64, FieldHeight});
    txtMin_ =
        box("txtMin", QStringLiteral("-100"), this, {72, 40 + ReadingHeight, 70, FieldHeight});
    label(QStringLiteral("X最大值："), this, {8, 70 + ReadingHeight, 64, FieldHeight});
    txtMax_ = box("txtMax", QStringLiteral("100"), this, {72, 70 + ReadingHeight, 70, FieldHeight});

    auto* command1 =
        button("Command1", QStringLiteral("解方程"), this, {152, 39 + ReadingHeight, 108, 24});
    auto* command2 =
        button("Command2", QStringLiteral("退出"), this, {152, 69 + ReadingHeight, 58, 24});
    cmdA_ = button("cmdA", ShowPanel, this, {214, 69 + ReadingHeight, 46, 24});
    connect(command1, &QPushButton::clicked, this, &EquationSolverWindow::solve);
    connect(command2, &QPushButton::clicked, this, &EquationSolverWindow::closeWindow);
    connect(cmdA_, &QPushButton::clicked, this, &EquationSolverWindow::toggleInputPanel);
    // Enter in any box solves, as the button does.
    for (QLineEdit* field : {Text1_, txtMin_, txtMax_})
        connect(field, &QLineEdit::returnPressed, this, &EquationSolverWindow::solve);

    // A long list of roots scrolls instead of running off the bottom.
    resultArea_ = new QScrollArea(this);
    resultArea_->setObjectName(QStringLiteral("ResultArea"));
    resultArea_->setGeometry(8, 102 + ReadingHeight, 252, WindowHeight - 110 - ReadingHeight);
    resultArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    result_ = new TextScreen;
    result_->setObjectName(QStringLiteral("Result"));
    result_->setFont(tools::songTiFont(10));
    resultArea_->setWidget(result_);
    fitResultToText();

    // The side panel lies beyond the collapsed width and shows when the window widens.
    const int panelX = twipsToPixels(CollapsedWidth) + 2;
    const int panelWidth = twipsToPixels(ExpandedWidth) - panelX - 8;
    picTxt_ = new TextScreen(this);
    picTxt_->setObjectName(QStringLiteral("picTxt"));
    picTxt_->setFont(tools::songTiFont(10));
    picTxt_->setForeColour(QColor(0xC0, 0x00, 0x00));
    picTxt_->setGeometry(panelX, 10, panelWidth, 112);

    Text2_ = new QPlainTextEdit(this);
    Text2_->setObjectName(QStringLiteral("Text2"));
    Text2_->setPlainText(HelpText);
    Text2_->setGeometry(panelX, 130, panelWidth, WindowHeight - 138);

    TimeTxt_ = new QTimer(this);
    TimeTxt_->setObjectName(QStringLiteral("TimeTxt"));
    TimeTxt_->setInterval(1000);
    connect(TimeTxt_, &QTimer::timeout, this, &EquationSolverWindow::updateBanner);

    setFixedSize(twipsToPixels(CollapsedWidth), WindowHeight);
    picTxt_->print();
    picTxt_->print();
    printTitle();
}

void EquationSolverWindow::printTitle()
{
    picTxt_->print(QStringLiteral("Orvane—"));
    picTxt_->print(QStringLiteral("解一元n次方程"));
}

void EquationSolverWindow::solve()
{
    const EquationSolver::Report report =
        EquationSolver::report(services_.engine, toStdString(Text1_->text()),
                               toStdString(txtMin_->text()), toStdString(txtMax_->text()));
    if (!report.rangeNotice.empty())
        services_.dialogs.inform(this, toQString(report.rangeNotice), MessageIcon::Information);

    result_->cls();
    if (!report.error.empty()) {
        // An equation that cannot be read is no equation without roots: say why.
        result_->setForeColour(QColor(0xC0, 0x00, 0x00));
        printWrapped(toQString(report.error));
        result_->setForeColour(Qt::black);
        fitResultToText();
        return;
    }
    result_->print(QStringLiteral("计算中...."));
    for (const std::string& root : report.roots)
        result_->print(toQString(root));
    if (!report.incompleteNotice.empty()) result_->print(toQString(report.incompleteNotice));
    result_->print(QStringLiteral("计算结束。"));
    fitResultToText();
}

void EquationSolverWindow::printWrapped(const QString& text)
{
    // The screen does not wrap by itself: break the text where the width runs out.
    const QFontMetricsF metrics(result_->font());
    const qreal width = resultArea_->viewport()->width() - 8;
    QString line;
    for (const QChar c : text) {
        if (!line.isEmpty() && metrics.horizontalAdvance(line + c) > width) {
            result_->print(line);
            line.clear();
        }
        line += c;
    }
    if (!line.isEmpty()) result_->print(line);
}

void EquationSolverWindow::fitResultToText()
{
    const int frame = resultArea_->frameWidth();
    const int viewportHeight = resultArea_->height() - 2 * frame;
    const int textHeight = int(result_->printPosition().y()) + 2;
    const int scrollBarWidth =
        textHeight > viewportHeight ? resultArea_->verticalScrollBar()->sizeHint().width() : 0;
    result_->resize(resultArea_->width() - 2 * frame - scrollBarWidth,
                    std::max(viewportHeight, textHeight));
    resultArea_->verticalScrollBar()->setValue(0);
}

void EquationSolverWindow::closeWindow()
{
    close();
}

void EquationSolverWindow::toggleInputPanel()
{
    if (cmdA_->text() == HidePanel) {
        setFixedSize(twipsToPixels(CollapsedWidth), height());
        cmdA_->setText(ShowPanel);
        TimeTxt_->stop();
    } else {
        setFixedSize(twipsToPixels(ExpandedWidth), height());
        cmdA_->setText(HidePanel);
        TimeTxt_->start();
    }
}

void EquationSolverWindow::updateBanner()
{
    const auto s = static_cast<std::size_t>(services_.environment.currentTime().second() % 5);
    picTxt_->cls();
    picTxt_->print();
    picTxt_->print(FilledStars[s]);
    printTitle();
    picTxt_->print(HollowStars[s]);
}

} // namespace orvane
