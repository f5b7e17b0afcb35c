// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormulaWindow.h"

#include "ControlResources.h"
#include "Engine.h"
#include "FormulaCatalogue.h"
#include "FormulaMessages.h"
#include "LinkLabel.h"
#include "QtText.h"
#include "SchoolReading.h"
#include "ToolWindowSupport.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QListWidget>

#include <array>

namespace orvane {

namespace {

enum Category { Area, Volume, Series };

struct Row {
    Category category;
    const char* listText;
    int number;
    const char* formulaText;
    const char* description;
};

const std::array<Row, 21>& rows()
{
    static const std::array<Row, 21> table = {{
        {Area, "三角形(已知底和高)", 1, "S=0.5*a*b", "a为底边长；b为高"},
        {Area, "三角形(已知两边和夹角)", 2, "S=0.5 * b * c * Sin(a)",
         "a为两边夹角(角度)；b、c是两边长"},
        {Area, "三角形(已知三边，使用海伦公式)", 3, "S=Sqr(p*(p-a)*(p-b)*(p-c))",
         "a、b、c分别为三角形三边的长"},
        {Area, "矩形(已知长和宽)", 4, "S=a*b", "a、b分别为长宽"},
        {Area, "平行四边形(已知底和高)", 5, "S=a*b", "a为底长,b为底边上的高"},
        {Area, "平行四边形(已知两边和夹角)", 6, "S=b*c*sin(a)", "a为两边夹角(角度)；b、c是两边长"},
        {Area, "梯形(已知上下底和高)", 7, "S=(a+b)*c/2", "a、b为上下底；c为高"},
        {Area, "圆(已知半径)", 8, "S=Pi*a^2", "a为半径"},
        {Area, "扇形(已知半径和弧长)", 9, "S=0.5*a*b", "a为半径；b为弧长"},
        {Area, "扇形(已知半径和圆心角)", 10, "S=Pi*a^2*b/360", "a为半径；b为圆心角"},
        {Area, "椭圆(已知长短轴)", 11, "S=Pi*a*b", "a、b为长短轴"},
        {Area, "球表面积(已知半径)", 12, "S=4*Pi*a^2", "a为半径"},
        {Area, "圆柱表面积(已知半径和高)", 13, "S=2*Pi*a*(b+a)", "a为底半径；b为高"},
        {Volume, "球体积(已知半径)", 101, "S=4/3*Pi*a^3", "a为半径"},
        {Volume, "圆柱体积(已知半径和高)", 102, "S=Pi*a^2*b", "a为底半径；b为高"},
        {Volume, "圆锥形体积(已知半径和高)", 103, "S=1/3*Pi*a^2*b", "a为底半径；b为高"},
        {Volume, "锥形体积(已知底面积和高)", 104, "S=1/3*a*b", "a为底面积；b为高"},
        {Series, "等差数列求和", 201, "S=1/2*b*(2*a+(b-1)*c)", "a为a0；b为个数；c是公差"},
        {Series, "等比数列求和", 202, "S=a * (c ^ b - 1) / (c - 1)", "a为a0；b为个数；c是公比"},
        {Series, "平方数求和", 203, "S=1 / 6 * a * (a + 1) * (2 * a + 1)", "a=n"},
        {Series, "立方数求和", 204, "S=(0.5 * a * (a + 1)) ^ 2", "a=n"},
    }};
    return table;
}

const std::array<const char*, 3> CategoryNames = {"面积", "体积", "数列"};

const Row* rowWithText(const QString& text)
{
    for (const Row& row : rows())
        if (text == QString::fromUtf8(row.listText)) return &row;
    return nullptr;
}

} // namespace

FormulaWindow::FormulaWindow(Services& services, QWidget* owner)
    : QWidget(owner), services_(services)
{
    tools::makeOwnedWindow(this);
    setObjectName(QStringLiteral("frmFormula"));
    setWindowTitle(QStringLiteral("公式计算"));

    comType_ = new QComboBox(this);
    comType_->setObjectName(QStringLiteral("comType"));
    comType_->setPlaceholderText(QStringLiteral("请选择类型"));
    for (const char* name : CategoryNames)
        comType_->addItem(QString::fromUtf8(name));
    comType_->setCurrentIndex(-1);
    comType_->setGeometry(12, 12, 256, 24);
    connect(comType_, &QComboBox::activated, this, &FormulaWindow::fillFormulaList);

    lisType_ = new QListWidget(this);
    lisType_->setObjectName(QStringLiteral("lisType"));
    lisType_->setGeometry(12, 44, 256, 236);
    lisType_->viewport()->setCursor(handCursor());
    lisType_->installEventFilter(this);
    connect(lisType_, &QListWidget::itemClicked, this, &FormulaWindow::showSelectedFormula);

    auto* label1 = new LinkLabel(QStringLiteral("切换到命令符模式"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setGeometry(12, 288, 256, 22);
    connect(label1, &LinkLabel::clicked, this, &FormulaWindow::openConsoleCalculator);

    setFixedSize(280, 318);
}

void FormulaWindow::fillFormulaList()
{
    lisType_->clear();
    const int category = comType_->currentIndex();
    for (const Row& row : rows())
        if (row.category == category) lisType_->addItem(QString::fromUtf8(row.listText));
}

bool FormulaWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Enter on the chosen row runs it, as a click does.
    if (watched == lisType_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && lisType_->currentItem()) {
            showSelectedFormula();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FormulaWindow::showSelectedFormula()
{
    const QListWidgetItem* item = lisType_->currentItem();
    const Row* row = item ? rowWithText(item->text()) : nullptr;
    if (!row) return;

    std::vector<double> values(static_cast<std::size_t>(FormulaCatalogue::inputCount(row->number)));
    if (!takeFormula(QString::fromUtf8(row->formulaText), QString::fromUtf8(row->description),
                     values))
        return;
    values.resize(3, 0);
    const FormulaCatalogue::Result result =
        FormulaCatalogue::compute(services_.engine, row->number, values[0], values[1], values[2]);
    if (!result.ok()) {
        services_.dialogs.inform(this, formulaFaultText(result.fault), MessageIcon::Warning);
        return;
    }
    services_.dialogs.inform(this, generalForm(result.value));
}

bool FormulaWindow::takeFormula(const QString& formulaText, const QString& description,
                                std::vector<double>& values)
{
    for (std::size_t i = 0; i < values.size(); ++i) {
        const QString letter = QString(QLatin1Char(static_cast<char>('a' + i))) + QLatin1Char('=');
        InputRequest request;
        request.title = QStringLiteral("请输入数值");
        request.prompt = formulaText + QLatin1Char('\n') + description + QLatin1Char('\n') + letter;
        request.note = [](const QString& text) {
            return toQString(SchoolReading::note(toStdString(text)));
        };
        request.noteToolTip = toQString(SchoolReading::rule());
        const std::optional<QString> answer = services_.dialogs.showInputDialog(this, request);
        // Cancelled: the user changed his mind, nothing is computed.
        if (!answer) return false;
        const std::string typed = toStdString(*answer);
        values[i] = services_.engine.evaluate(typed);
        if (values[i] == ErrorValue) {
            // Never a result computed from a value that is not there.
            const QString why = answer->trimmed().isEmpty()
                                    ? QStringLiteral("没有输入数值")
                                    : toQString(describe(services_.engine.lastError(), typed));
            services_.dialogs.inform(this, letter + *answer + QStringLiteral("：") + why,
                                     MessageIcon::Warning);
            return false;
        }
    }
    return true;
}

void FormulaWindow::openConsoleCalculator()
{
    emit consoleRequested();
    close();
}

} // namespace orvane
