// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_Console.h"

#include "ConsoleCalculatorWindow.h"
#include "TextScreen.h"
#include "ToolWindowSupport.h"
#include "ToolsTesting.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTimer>

using namespace orvane;
using namespace orvane::testing;

namespace {

const QStringList MainMenu = {"欢迎使用  公式计算器 For Orvane!",
                              "1.面积计算",
                              "2.体积计算",
                              "3.数列计算",
                              "4.排列组合",
                              "请选择……",
                              "方法：使用数字键选择"};

struct Console {
    FakeServices fakes;
    ConsoleCalculatorWindow window{fakes.services, nullptr};

    Console() { window.show(); }
    QStringList texts() const { return window.screen().texts(); }
    QLineEdit* box(int i)
    {
        return control<QLineEdit>(window, QStringLiteral("inputText_%1").arg(i));
    }
    QTimer* timer() { return control<QTimer>(window, QStringLiteral("inTimer")); }
    void keys(const QString& typed)
    {
        for (QChar c : typed)
            QTest::keyClick(&window, c.toLatin1());
    }
    void enter(int i, const QString& value)
    {
        QTest::keyClicks(box(i), value);
        QTest::keyClick(box(i), Qt::Key_Return);
    }
};

QStringList categoryMenu(const QString& heading, const QStringList& items)
{
    return QStringList{heading} + items +
           QStringList{QStringLiteral("请选择……"), QStringLiteral("按Esc键回到上一级菜单")};
}

} // namespace

void TestConsole::mainMenuAtLoad()
{
    Console c;
    QCOMPARE(c.window.windowTitle(), QStringLiteral("公式计算器"));
    QCOMPARE(c.texts(), MainMenu);
    const QList<TextScreen::Item>& items = c.window.screen().items();
    QCOMPARE(items[0].colour, QColor(0, 255, 255));
    QCOMPARE(items[1].colour, QColor(0, 255, 0));
    // The heading is followed by an empty line.
    QCOMPARE(items[1].position.y(), 2 * c.window.screen().lineHeight());
    for (int i = 0; i < 4; ++i)
        QVERIFY(c.box(i)->isHidden());
    QVERIFY(!c.timer()->isActive());
    QCOMPARE(c.timer()->interval(), 10);
}

void TestConsole::categoryMenus_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("1") << "1"
                       << categoryMenu("面积公式",
                                       {"1.三角形(已知底和高)", "2.三角形(已知两边和夹角)",
                                        "3.三角形(已知三边，使用海伦公式)", "4.矩形(已知长和宽)",
                                        "5.平行四边形(已知底和高)", "6.平行四边形(已知两边和夹角)",
                                        "7.梯形(已知上下底和高)", "8.圆(已知半径)",
                                        "9.扇形(已知半径和弧长)", "0.扇形(已知半径和圆心角)",
                                        "A.椭圆(已知长短轴)", "B.球表面积(已知半径)",
                                        "C.圆柱表面积(已知半径和高)"});
    QTest::newRow("2") << "2"
                       << categoryMenu("体积公式",
                                       {"1.球体积(已知半径)", "2.圆柱体积(已知半径和高)",
                                        "3.圆锥形体积(已知半径和高)",
                                        "4.锥形体积(已知底面积和高)"});
    QTest::newRow("3") << "3"
                       << categoryMenu("数列计算", {"1.等差数列求和", "2.等比数列求和",
                                                    "3.平方数求和", "4.立方数求和"});
    QTest::newRow("4") << "4" << categoryMenu("排列组合", {"1.排列公式", "2.组合公式"});
}

void TestConsole::categoryMenus()
{
    QFETCH(QString, key);
    QFETCH(QStringList, lines);
    Console c;
    c.keys(key);
    QCOMPARE(c.texts(), lines);
    QCOMPARE(int(c.window.menuLevel()), key.toInt());
}

void TestConsole::keySequences_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("result");
    QTest::newRow("circle") << "18" << QStringList{"5"} << "78.5398163397447";
    QTest::newRow("arithmetic series") << "31" << QStringList{"1", "100", "1"} << "5050";
    QTest::newRow("combinations") << "42" << QStringList{"5", "2"} << "10";
    QTest::newRow("permutations") << "41" << QStringList{"5", "2"} << "20";
    QTest::newRow("ellipse by lower-case a") << "1a" << QStringList{"2", "3"} << "18.8495559215387";
    QTest::newRow("sector by 0") << "10" << QStringList{"1", "360"} << "3.1415926535898";
    QTest::newRow("sphere volume") << "21" << QStringList{"3"} << "113.097335529232";
    QTest::newRow("expression input") << "14" << QStringList{"Pi/Pi", "2^3"} << "8";
    QTest::newRow("squares") << "33" << QStringList{"10"} << "385";
}

void TestConsole::keySequences()
{
    QFETCH(QString, keys);
    QFETCH(QStringList, inputs);
    QFETCH(QString, result);
    Console c;
    c.keys(keys);
    for (int i = 0; i < inputs.size(); ++i)
        c.enter(i, inputs[i]);
    QVERIFY(c.timer()->isActive());
    c.window.computeWhenInputsDone();
    QVERIFY(!c.timer()->isActive());
    const QStringList texts = c.texts();
    QCOMPARE(texts.mid(texts.size() - 2), (QStringList{QStringLiteral("结果为："), result}));
    // Printed at the bottom: 200 twips in, 1000 twips above the bottom edge.
    const TextScreen::Item& heading = c.window.screen().items()[texts.size() - 2];
    QCOMPARE(heading.position, QPointF(tools::twips(200), c.window.height() - tools::twips(1000)));
    QCOMPARE(c.window.screen().items().last().position.x(), 0.0);
}

void TestConsole::resultOnlyAfterTheLastInput()
{
    Console c;
    c.keys(QStringLiteral("31"));
    const QStringList values{"1", "100", "1"};
    for (int i = 0; i < 3; ++i) {
        c.enter(i, values[i]);
        c.window.computeWhenInputsDone();
        QCOMPARE(c.texts().contains(QStringLiteral("5050")), i == 2);
        QCOMPARE(c.timer()->isActive(), i < 2);
    }
}

void TestConsole::inputScreenPlacesBoxesBesidePrompts()
{
    Console c;
    c.keys(QStringLiteral("42"));
    QCOMPARE(c.texts(), (QStringList{"★排列组合★", "组合公式",
                                     "使用公式：C(b)(a)=a!/b!(a-b)!或a(a-1)(a-2)…(a-b+1)/b!",
                                     "设a为n;b为m", "请输入数据……", "a=", "b="}));
    const QList<TextScreen::Item>& items = c.window.screen().items();
    const qreal line = c.window.screen().lineHeight();
    for (int i = 0; i < 2; ++i) {
        const TextScreen::Item& prompt = items[items.size() - 2 + i];
        QVERIFY(!c.box(i)->isHidden());
        QVERIFY(c.box(i)->text().isEmpty());
        // 600 twips from the left, 200 twips above the line after the prompt.
        QCOMPARE(
            c.box(i)->pos(),
            QPointF(tools::twips(600), prompt.position.y() + line - tools::twips(200)).toPoint());
    }
    QVERIFY(c.box(2)->isHidden());
    QVERIFY(c.box(3)->isHidden());
}

void TestConsole::enteredValueStaysWhereTheBoxWas()
{
    Console c;
    c.keys(QStringLiteral("18"));
    const QPoint where = c.box(0)->pos();
    c.enter(0, QStringLiteral("5"));
    QVERIFY(c.box(0)->isHidden());
    const TextScreen::Item& value = c.window.screen().items().last();
    QCOMPARE(value.text, QStringLiteral("5"));
    QCOMPARE(value.position, QPointF(where));
}

void TestConsole::keysThatSelectNothingRedisplayTheMenu_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("level");
    QTest::newRow("upper-case A in area menu") << "1A" << 1;
    QTest::newRow("star in a category") << "2*" << 2;
    QTest::newRow("5 in volume menu") << "25" << 2;
    QTest::newRow("3 in counting menu") << "43" << 4;
}

void TestConsole::keysThatSelectNothingRedisplayTheMenu()
{
    QFETCH(QString, keys);
    QFETCH(int, level);
    Console c;
    c.keys(keys.left(1));
    const QStringList menu = c.texts();
    c.keys(keys.mid(1));
    QCOMPARE(c.texts(), menu);
    QCOMPARE(int(c.window.menuLevel()), level);
}

void TestConsole::escapeInInputBoxReturnsToMainMenu()
{
    Console c;
    c.keys(QStringLiteral("31"));
    c.enter(0, QStringLiteral("1"));
    QTest::keyClick(c.box(1), Qt::Key_Escape);
    QCOMPARE(c.texts(), MainMenu);
    for (int i = 0; i < 4; ++i)
        QVERIFY(c.box(i)->isHidden());
    // The watcher still fires once, but nothing is pending.
    c.window.computeWhenInputsDone();
    QCOMPARE(c.texts(), MainMenu);
    QVERIFY(!c.timer()->isActive());
    // Keys work again from the main menu.
    c.keys(QStringLiteral("4"));
    QCOMPARE(int(c.window.menuLevel()), 4);
}

void TestConsole::escapeInCategoryMenu()
{
    Console c;
    c.keys(QStringLiteral("2"));
    QTest::keyClick(&c.window, Qt::Key_Escape);
    QCOMPARE(c.texts(), MainMenu);
    QCOMPARE(int(c.window.menuLevel()), 0);
    // Esc and other keys at the main menu change nothing.
    QTest::keyClick(&c.window, Qt::Key_Escape);
    c.keys(QStringLiteral("9a"));
    QCOMPARE(c.texts(), MainMenu);
}

void TestConsole::starAtMainMenuAsksForFormulaWindow()
{
    Console c;
    QSignalSpy spy(&c.window, &ConsoleCalculatorWindow::formulaWindowRequested);
    c.keys(QStringLiteral("*"));
    QCOMPARE(spy.count(), 1);
    QVERIFY(!c.window.isVisible());
}

void TestConsole::faultIsPrintedAndConsoleStaysUsable()
{
    Console c;
    c.keys(QStringLiteral("13"));
    c.enter(0, QStringLiteral("1"));
    c.enter(1, QStringLiteral("2"));
    c.enter(2, QStringLiteral("10"));
    c.window.computeWhenInputsDone();
    QCOMPARE(c.texts().last(), QStringLiteral("这三条边构不成三角形，请重新输入。"));
    QVERIFY(!c.texts().contains(QStringLiteral("结果为：")));

    // A formula key straight away opens the next input screen.
    c.keys(QStringLiteral("8"));
    c.enter(0, QStringLiteral("5"));
    c.window.computeWhenInputsDone();
    QCOMPARE(c.texts().last(), QStringLiteral("78.5398163397447"));
}

// An input that cannot be evaluated is printed with the reason, never computed with.
void TestConsole::unreadableInputIsTold()
{
    Console c;
    c.keys(QStringLiteral("14"));
    c.enter(0, QStringLiteral("3"));
    c.enter(1, QStringLiteral("2x"));
    c.window.computeWhenInputsDone();
    const QStringList texts = c.texts();
    QCOMPARE(texts.mid(texts.size() - 2),
             (QStringList{QStringLiteral("b=2x无法计算："),
                          QStringLiteral("缺少运算符，乘号“*”不能省略（第2个字符“x”）")}));
    QVERIFY(!texts.contains(QStringLiteral("结果为：")));
}

void TestConsole::readingUnderTheInputAndFullWidthInput()
{
    Console c;
    c.keys(QStringLiteral("14"));
    auto* reading = control<QLabel>(c.window, QStringLiteral("inputText_0Reading"));
    QTest::keyClicks(c.box(0), QStringLiteral("-2^2"));
    QVERIFY(!reading->isHidden());
    QCOMPARE(reading->text(), QStringLiteral("按 (-2)^2 计算"));
    QCOMPARE(reading->y(), c.box(0)->geometry().bottom() + 1);
    QTest::keyClick(c.box(0), Qt::Key_Return);
    QVERIFY(reading->isHidden());
    // Typed with a Chinese input method.
    c.box(1)->insert(QStringLiteral("（１＋２）"));
    QTest::keyClick(c.box(1), Qt::Key_Return);
    c.window.computeWhenInputsDone();
    QCOMPARE(c.texts().last(), QStringLiteral("12"));
}
