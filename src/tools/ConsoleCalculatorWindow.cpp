// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConsoleCalculatorWindow.h"

#include "Engine.h"
#include "FormulaCatalogue.h"
#include "FormulaMessages.h"
#include "QtText.h"
#include "ReadingLabel.h"
#include "TextScreen.h"
#include "ToolWindowSupport.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace orvane {

// One formula of a category menu: the key that picks it and the texts of its screen.
struct ConsoleFormula {
    char key;
    const char* title;
    const char* description;
    const char* formulaText;
    int number;
};

namespace {

using tools::twips;

constexpr int KeyEnter = 13;
constexpr int KeyEsc = 27;

const QColor Cyan(0, 255, 255);
const QColor Green(0, 255, 0);

struct ConsoleCategory {
    const char* heading;
    const char* banner;
    std::vector<const char*> items;
    std::vector<ConsoleFormula> formulas;
};

const std::array<ConsoleCategory, 4>& categories()
{
    static const std::array<ConsoleCategory, 4> table = {{
        {"面积公式",
         "★面积计算★",
         {"1.三角形(已知底和高)", "2.三角形(已知两边和夹角)", "3.三角形(已知三边，使用海伦公式)",
          "4.矩形(已知长和宽)", "5.平行四边形(已知底和高)", "6.平行四边形(已知两边和夹角)",
          "7.梯形(已知上下底和高)", "8.圆(已知半径)", "9.扇形(已知半径和弧长)",
          "0.扇形(已知半径和圆心角)", "A.椭圆(已知长短轴)", "B.球表面积(已知半径)",
          "C.圆柱表面积(已知半径和高)"},
         {{'1', "计算三角形面积", "a为底边长；b为高.", "S=1/2*a*b.", 1},
          {'2', "计算三角形面积", "a为两边夹角(角度)；b、c是两边长", "S=1/2*b*c*sin(a)", 2},
          {'3', "计算三角形面积", "a、b、c分别是三边长，p=1/2(a+b+c)", "S=Sqr(p*(p-a)*(p-b)*(p-c))",
           3},
          {'4', "计算距形面积", "a、b分别是距形的长与宽", "S=a*b", 4},
          {'5', "计算平行四边形面积", "a为底边长，b为高", "S=a*b", 5},
          {'6', "计算平行四边形面积", "a为两边夹角(角度)；b、c是两边长", "S=b*c*sin(a)", 6},
          {'7', "计算梯形面积", "a、b为上下底；c为高", "S=(a+b)*c/2", 7},
          {'8', "计算圆面积", "a为半径", "S=Pi*a^2", 8},
          {'9', "计算扇形面积", "a为半径；b为弧长", "S=0.5*a*b", 9},
          {'0', "计算扇形面积", "a为半径；b为圆心角", "S=Pi*a^2*b/360", 10},
          {'a', "计算椭圆面积", "a、b为长短轴", "S=Pi*a*b", 11},
          {'b', "计算球表面积", "a为半径", "S=4*Pi*a^2", 12},
          {'c', "计算圆柱表面积", "a为底半径；b为高", "S=2*Pi*a*(b+a)", 13}}},
        {"体积公式",
         "★体积计算★",
         {"1.球体积(已知半径)", "2.圆柱体积(已知半径和高)", "3.圆锥形体积(已知半径和高)",
          "4.锥形体积(已知底面积和高)"},
         {{'1', "计算球体积", "a为半径", "V=4/3*Pi*a^3", 101},
          {'2', "计算圆柱体积", "a为底半径；b为高", "V=Pi*a^2*b", 102},
          {'3', "计算圆锥形体积", "a为底半径；b为高", "V=1/3*Pi*a^2*b", 103},
          {'4', "计算锥形体积", "a为底面积；b为高", "S=1/3*a*b", 104}}},
        {"数列计算",
         "★数列计算★",
         {"1.等差数列求和", "2.等比数列求和", "3.平方数求和", "4.立方数求和"},
         {{'1', "等差数列求和", "a为a0；b为个数；c是公差", "S=1/2*b*(2*a+(b-1)*c)", 201},
          {'2', "等比数列求和", "a为a0；b为个数；c是公比", "S=a * (c ^ b - 1) / (c - 1)", 202},
          {'3', "平方数求和", "设n=a", "S=1 / 6 * a * (a + 1) * (2 * a + 1)", 203},
          {'4', "立方数求和", "设n=a", "S=(0.5 * a * (a + 1)) ^ 2", 204}}},
        {"排列组合",
         "★排列组合★",
         {"1.排列公式", "2.组合公式"},
         {{'1', "排列公式", "设a为n;b为m", "P(b)(a)=a!/(a-b)!或a(a-1)(a-2)…(a-b+1)", 301},
          {'2', "组合公式", "设a为n;b为m", "C(b)(a)=a!/b!(a-b)!或a(a-1)(a-2)…(a-b+1)/b!", 302}}},
    }};
    return table;
}

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

ConsoleCalculatorWindow::ConsoleCalculatorWindow(Services& services, QWidget* owner)
    : QWidget(owner), engine_(services.engine)
{
    tools::makeOwnedWindow(this);
    setObjectName(QStringLiteral("frmVMDOS"));
    setWindowTitle(QStringLiteral("公式计算器"));
    setWindowIcon(tools::toolIcon(QStringLiteral("console")));
    setFocusPolicy(Qt::StrongFocus);

    screen_ = new TextScreen(this);
    screen_->setFont(tools::songTiFont(9));
    screen_->setBackColour(Qt::black);
    screen_->setFocusPolicy(Qt::NoFocus);

    for (std::size_t i = 0; i < inputText_.size(); ++i) {
        auto* box = new QLineEdit(screen_);
        box->setObjectName(QStringLiteral("inputText_%1").arg(i));
        box->resize(120, static_cast<int>(screen_->lineHeight()) + 4);
        box->hide();
        box->installEventFilter(this);
        inputText_[i] = box;
        // How the program reads the input, on the blank line under the box.
        auto* reading = new ReadingLabel(box, screen_);
        reading->resize(screen_->width(), static_cast<int>(screen_->lineHeight()));
        reading->setStyleSheet(QStringLiteral("color: #ffff00;"));
        reading->hide();
        reading_[i] = reading;
        connect(box, &QLineEdit::textChanged, this, [this, i] { placeReading(i); });
    }

    inTimer_ = new QTimer(this);
    inTimer_->setObjectName(QStringLiteral("inTimer"));
    inTimer_->setInterval(10);
    connect(inTimer_, &QTimer::timeout, this, &ConsoleCalculatorWindow::computeWhenInputsDone);

    resize(420, 380);
    // The result is printed 1000 twips above the bottom: room for it and the menu.
    setMinimumSize(280, 240);
    showMainMenu();
}

void ConsoleCalculatorWindow::resizeEvent(QResizeEvent* event)
{
    screen_->setGeometry(rect());
    QWidget::resizeEvent(event);
}

void ConsoleCalculatorWindow::showMainMenu()
{
    screen_->cls();
    menuLevel_ = 0;
    pendingFormula_ = 0;
    screen_->setForeColour(Cyan);
    screen_->print(QStringLiteral("欢迎使用  公式计算器 For Orvane!"));
    screen_->print();
    screen_->setForeColour(Green);
    screen_->print(QStringLiteral("1.面积计算"));
    screen_->print(QStringLiteral("2.体积计算"));
    screen_->print(QStringLiteral("3.数列计算"));
    screen_->print(QStringLiteral("4.排列组合"));
    screen_->print();
    screen_->print(QStringLiteral("请选择……"));
    screen_->print(QStringLiteral("方法：使用数字键选择"));
    screen_->print();
    hideInputBoxes();
    setFocus();
}

void ConsoleCalculatorWindow::showCategoryMenu(int category)
{
    const ConsoleCategory& c = categories()[static_cast<std::size_t>(category - 1)];
    screen_->cls();
    pendingFormula_ = 0;
    menuLevel_ = static_cast<std::int16_t>(category);
    screen_->setForeColour(Cyan);
    screen_->print(text(c.heading));
    screen_->print();
    screen_->setForeColour(Green);
    for (const char* item : c.items)
        screen_->print(text(item));
    screen_->print();
    screen_->print(QStringLiteral("请选择……"));
    screen_->print(QStringLiteral("按Esc键回到上一级菜单"));
}

void ConsoleCalculatorWindow::showInputScreen(const ConsoleFormula& formula)
{
    pendingFormula_ = static_cast<std::int16_t>(formula.number);
    screen_->print(text(formula.title));
    screen_->print();
    screen_->print(QStringLiteral("使用公式：") + text(formula.formulaText));
    screen_->print(text(formula.description));
    screen_->print();
    screen_->print(QStringLiteral("请输入数据……"));
    const int inputs = FormulaCatalogue::inputCount(formula.number);
    for (int i = 0; i < inputs; ++i) {
        screen_->print();
        screen_->print(QString(QLatin1Char(static_cast<char>('a' + i))) + QLatin1Char('='));
        QLineEdit* box = inputText_[static_cast<std::size_t>(i)];
        box->move(QPointF(twips(600), screen_->printPosition().y() - twips(200)).toPoint());
        box->clear();
        box->show();
        placeReading(static_cast<std::size_t>(i));
        inTimer_->start();
    }
    inputText_[0]->setFocus();
}

void ConsoleCalculatorWindow::windowKeyPressed(int key)
{
    if (menuLevel_ == 0) {
        if (key == '*') {
            emit formulaWindowRequested();
            close();
        } else if (key >= '1' && key <= '4') {
            showCategoryMenu(key - '0');
        }
        return;
    }
    if (key == KeyEsc) {
        showMainMenu();
        return;
    }
    const ConsoleCategory& category = categories()[static_cast<std::size_t>(menuLevel_ - 1)];
    screen_->cls();
    // Boxes left over from an earlier input screen would float over the new one.
    hideInputBoxes();
    screen_->print(text(category.banner));
    screen_->print();
    for (const ConsoleFormula& formula : category.formulas) {
        if (formula.key == key) {
            showInputScreen(formula);
            return;
        }
    }
    showCategoryMenu(menuLevel_);
}

void ConsoleCalculatorWindow::inputKeyPressed(int index, int key)
{
    QLineEdit* box = inputText_[static_cast<std::size_t>(index)];
    if (key == KeyEnter) {
        // The value stays on the screen where its box was.
        box->hide();
        reading_[static_cast<std::size_t>(index)]->hide();
        screen_->setPrintPosition(box->pos());
        screen_->print(box->text());
        focusNextInput(index);
    } else if (key == KeyEsc) {
        showMainMenu();
    }
}

void ConsoleCalculatorWindow::computeWhenInputsDone()
{
    if (anyInputVisible()) return;
    std::array<double, 4> values{};
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = engine_.evaluate(toStdString(inputText_[i]->text()));
    screen_->print();
    screen_->setPrintPosition(QPointF(twips(200), height() - twips(1000)));
    inTimer_->stop();
    if (pendingFormula_ == 0) return;
    // An input that cannot be evaluated is told, never computed with.
    const int inputs = FormulaCatalogue::inputCount(pendingFormula_);
    for (int i = 0; i < inputs; ++i) {
        const QString typed = inputText_[std::size_t(i)]->text();
        const std::string text = toStdString(typed);
        if (engine_.evaluate(text) != ErrorValue) continue;
        const QString letter = QString(QLatin1Char(char('a' + i))) + QLatin1Char('=');
        screen_->print(letter + typed + QStringLiteral("无法计算："));
        screen_->print(typed.trimmed().isEmpty() ? QStringLiteral("没有输入数值")
                                                 : toQString(describe(engine_.lastError(), text)));
        return;
    }
    const FormulaCatalogue::Result result =
        FormulaCatalogue::compute(engine_, pendingFormula_, values[0], values[1], values[2]);
    if (!result.ok()) {
        screen_->print(formulaFaultText(result.fault));
        return;
    }
    screen_->print(QStringLiteral("结果为："));
    screen_->print(generalForm(result.value));
}

void ConsoleCalculatorWindow::hideInputBoxes()
{
    for (QLineEdit* box : inputText_)
        box->hide();
    for (ReadingLabel* reading : reading_)
        reading->hide();
}

void ConsoleCalculatorWindow::placeReading(std::size_t index)
{
    QLineEdit* box = inputText_[index];
    ReadingLabel* reading = reading_[index];
    reading->move(box->x(), box->y() + box->height());
    reading->resize(std::max(120, screen_->width() - box->x()), reading->height());
    if (box->isHidden()) reading->hide();
}

bool ConsoleCalculatorWindow::anyInputVisible() const
{
    for (const QLineEdit* box : inputText_)
        if (!box->isHidden()) return true;
    return false;
}

void ConsoleCalculatorWindow::focusNextInput(int after)
{
    for (std::size_t i = static_cast<std::size_t>(after) + 1; i < inputText_.size(); ++i) {
        if (!inputText_[i]->isHidden()) {
            inputText_[i]->setFocus();
            return;
        }
    }
    setFocus();
}

void ConsoleCalculatorWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        windowKeyPressed(KeyEsc);
        return;
    }
    const QString typed = event->text();
    if (typed.size() == 1) {
        windowKeyPressed(typed.at(0).unicode());
        return;
    }
    QWidget::keyPressEvent(event);
}

bool ConsoleCalculatorWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        for (std::size_t i = 0; i < inputText_.size(); ++i) {
            if (watched != inputText_[i]) continue;
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                inputKeyPressed(static_cast<int>(i), KeyEnter);
                return true;
            }
            if (key == Qt::Key_Escape) {
                inputKeyPressed(static_cast<int>(i), KeyEsc);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace orvane
