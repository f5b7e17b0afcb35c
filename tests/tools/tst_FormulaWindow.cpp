// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_FormulaWindow.h"

#include "FormulaWindow.h"
#include "ToolsTesting.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>

using namespace orvane;
using namespace orvane::testing;

namespace {

struct FormulaWindowFixture {
    FakeServices fakes;
    FormulaWindow window{fakes.services, nullptr};

    QComboBox* category() { return control<QComboBox>(window, QStringLiteral("comType")); }
    QListWidget* list() { return control<QListWidget>(window, QStringLiteral("lisType")); }

    // Chooses the category with the keyboard, as a user would in the drop-down list.
    void chooseCategory(int index)
    {
        while (category()->currentIndex() < index)
            QTest::keyClick(category(), Qt::Key_Down);
        while (category()->currentIndex() > index)
            QTest::keyClick(category(), Qt::Key_Up);
    }
    QStringList rows()
    {
        QStringList out;
        for (int i = 0; i < list()->count(); ++i)
            out << list()->item(i)->text();
        return out;
    }
    // Clicks the row with this text, answering the input dialogs with `answers`.
    void run(const QString& row, const QList<std::optional<QString>>& answers)
    {
        for (const auto& answer : answers)
            fakes.dialogs.inputAnswers.push_back(answer);
        const QList<QListWidgetItem*> found = list()->findItems(row, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        const QRect where = list()->visualItemRect(found.first());
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, where.center());
    }
};

using Answers = QList<std::optional<QString>>;

} // namespace

Q_DECLARE_METATYPE(Answers)

void TestFormulaWindow::startsWithoutCategory()
{
    FormulaWindowFixture w;
    QCOMPARE(w.window.windowTitle(), QStringLiteral("公式计算"));
    QCOMPARE(w.category()->currentIndex(), -1);
    QCOMPARE(w.category()->placeholderText(), QStringLiteral("请选择类型"));
    QCOMPARE(w.category()->count(), 3);
    QCOMPARE(w.list()->count(), 0);
    QCOMPARE(control<QLabel>(w.window, QStringLiteral("Label1"))->text(),
             QStringLiteral("切换到命令符模式"));
}

void TestFormulaWindow::categoriesFillTheList_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::newRow("面积") << 0 << "面积" << 13 << "三角形(已知底和高)"
                          << "圆柱表面积(已知半径和高)";
    QTest::newRow("体积") << 1 << "体积" << 4 << "球体积(已知半径)"
                          << "锥形体积(已知底面积和高)";
    QTest::newRow("数列") << 2 << "数列" << 4 << "等差数列求和"
                          << "立方数求和";
}

void TestFormulaWindow::categoriesFillTheList()
{
    QFETCH(int, index);
    QFETCH(QString, name);
    QFETCH(int, count);
    QFETCH(QString, first);
    QFETCH(QString, last);
    FormulaWindowFixture w;
    // Coming from another category, the whole list is replaced.
    w.chooseCategory(index == 0 ? 2 : 0);
    w.chooseCategory(index);
    QCOMPARE(w.category()->currentText(), name);
    const QStringList rows = w.rows();
    QCOMPARE(rows.size(), count);
    QCOMPARE(rows.first(), first);
    QCOMPARE(rows.last(), last);
}

void TestFormulaWindow::results_data()
{
    QTest::addColumn<int>("category");
    QTest::addColumn<QString>("row");
    QTest::addColumn<Answers>("answers");
    QTest::addColumn<QString>("shown");
    QTest::newRow("circle r=5") << 0 << "圆(已知半径)" << Answers{"5"} << "78.5398163397447";
    QTest::newRow("arithmetic series") << 2 << "等差数列求和" << Answers{"1", "100", "1"} << "5050";
    QTest::newRow("geometric series") << 2 << "等比数列求和" << Answers{"1", "10", "2"} << "1023";
    QTest::newRow("expressions as answers")
        << 0 << "矩形(已知长和宽)" << Answers{"2^10", "1/2"} << "512";
    QTest::newRow("heron") << 0 << "三角形(已知三边，使用海伦公式)" << Answers{"3", "4", "5"}
                           << "6";
    QTest::newRow("cone") << 1 << "锥形体积(已知底面积和高)" << Answers{"6", "3"} << "6";
    QTest::newRow("sum of cubes") << 2 << "立方数求和" << Answers{"10"} << "3025";
    // Typed with a Chinese input method, and in the program's own number form.
    QTest::newRow("full-width answers")
        << 0 << "矩形(已知长和宽)" << Answers{"２＾１０", "１÷２"} << "512";
    QTest::newRow("exponent form") << 0 << "矩形(已知长和宽)" << Answers{"2.5E+3", "1E-02"} << "25";
}

void TestFormulaWindow::results()
{
    QFETCH(int, category);
    QFETCH(QString, row);
    QFETCH(Answers, answers);
    QFETCH(QString, shown);
    FormulaWindowFixture w;
    w.chooseCategory(category);
    w.run(row, answers);
    QCOMPARE(w.fakes.dialogs.count(FakeSystemDialogs::Call::Input), answers.size());
    QCOMPARE(w.fakes.dialogs.messageTexts(), QStringList{shown});
    QCOMPARE(w.fakes.dialogs.calls.last().message.icon, MessageIcon::None);
}

void TestFormulaWindow::inputPrompts()
{
    FormulaWindowFixture w;
    w.chooseCategory(0);
    w.run(QStringLiteral("三角形(已知两边和夹角)"), Answers{"30", "2", "2"});
    const QList<FakeSystemDialogs::Call>& calls = w.fakes.dialogs.calls;
    QCOMPARE(calls.size(), 4);
    const QString formula =
        QStringLiteral("S=0.5 * b * c * Sin(a)\na为两边夹角(角度)；b、c是两边长\n");
    const QStringList letters{"a=", "b=", "c="};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(calls[i].kind, FakeSystemDialogs::Call::Input);
        QCOMPARE(calls[i].input.title, QStringLiteral("请输入数值"));
        QCOMPARE(calls[i].input.prompt, formula + letters[i]);
        QCOMPARE(calls[i].input.defaultText, QString());
    }
    QVERIFY(qAbs(calls[3].message.text.toDouble() - 1) < 1e-10);
}

void TestFormulaWindow::faultsAreToldAndWindowStaysUsable_data()
{
    QTest::addColumn<int>("category");
    QTest::addColumn<QString>("row");
    QTest::addColumn<Answers>("answers");
    QTest::addColumn<QString>("message");
    QTest::newRow("no triangle") << 0 << "三角形(已知三边，使用海伦公式)" << Answers{"1", "2", "10"}
                                 << "这三条边构不成三角形，请重新输入。";
    QTest::newRow("ratio 1") << 2 << "等比数列求和" << Answers{"1", "10", "1"}
                             << "公比不能为1，请重新输入。";
    QTest::newRow("overflow") << 1 << "球体积(已知半径)" << Answers{"10^200"}
                              << "输入的数值超出了公式的计算范围，请重新输入。";
}

void TestFormulaWindow::faultsAreToldAndWindowStaysUsable()
{
    QFETCH(int, category);
    QFETCH(QString, row);
    QFETCH(Answers, answers);
    QFETCH(QString, message);
    FormulaWindowFixture w;
    w.chooseCategory(category);
    w.run(row, answers);
    QCOMPARE(w.fakes.dialogs.messageTexts(), QStringList{message});
    QCOMPARE(w.fakes.dialogs.calls.last().message.icon, MessageIcon::Warning);

    w.fakes.dialogs.clear();
    w.chooseCategory(0);
    w.run(QStringLiteral("圆(已知半径)"), Answers{"5"});
    QCOMPARE(w.fakes.dialogs.messageTexts(), QStringList{QStringLiteral("78.5398163397447")});
}

void TestFormulaWindow::linkAsksForTheConsole()
{
    FormulaWindowFixture w;
    w.window.show();
    QSignalSpy spy(&w.window, &FormulaWindow::consoleRequested);
    QTest::mouseClick(control<QLabel>(w.window, QStringLiteral("Label1")), Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    QVERIFY(!w.window.isVisible());
}

// An answer that cannot be evaluated is told with the reason and its place and nothing
// is computed; a cancelled dialog ends the formula quietly.
void TestFormulaWindow::unreadableAnswerIsTold_data()
{
    QTest::addColumn<Answers>("answers");
    QTest::addColumn<int>("asked");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("unbound x") << Answers{"x", "10"} << 1
                               << QStringList{"a=x：未知数“x”在这里没有值（末尾）"};
    QTest::newRow("implicit product")
        << Answers{"3", "2Pi"} << 2
        << QStringList{"b=2Pi：缺少运算符，乘号“*”不能省略（第2个字符“P”）"};
    QTest::newRow("empty") << Answers{"", "4"} << 1 << QStringList{"a=：没有输入数值"};
    QTest::newRow("cancelled") << Answers{std::nullopt, "4"} << 1 << QStringList{};
    QTest::newRow("cancelled second") << Answers{"3", std::nullopt} << 2 << QStringList{};
}

void TestFormulaWindow::unreadableAnswerIsTold()
{
    QFETCH(Answers, answers);
    QFETCH(int, asked);
    QFETCH(QStringList, messages);
    FormulaWindowFixture w;
    w.chooseCategory(0);
    w.run(QStringLiteral("矩形(已知长和宽)"), answers);
    QCOMPARE(w.fakes.dialogs.count(FakeSystemDialogs::Call::Input), asked);
    QCOMPARE(w.fakes.dialogs.messageTexts(), messages);
    if (!messages.isEmpty())
        QCOMPARE(w.fakes.dialogs.calls.last().message.icon, MessageIcon::Warning);
}

void TestFormulaWindow::inputDialogShowsTheReading()
{
    FormulaWindowFixture w;
    w.chooseCategory(0);
    w.run(QStringLiteral("圆(已知半径)"), Answers{"5"});
    const InputRequest& request = w.fakes.dialogs.calls.first().input;
    QVERIFY(request.note);
    QCOMPARE(request.note(QStringLiteral("2*3^2")), QStringLiteral("按 (2*3)^2 计算"));
    QCOMPARE(request.note(QStringLiteral("2*(3^2)")), QString());
    QVERIFY(!request.noteToolTip.isEmpty());
}
