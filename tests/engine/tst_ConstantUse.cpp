// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_ConstantUse.h"

#include "ConstantUse.h"
#include "Engine.h"

#include <QTest>

using namespace orvane;

void TestConstantUse::constantsIn_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("two constants") << "a*sin(w*x+p)" << QStringList{"A", "W", "P"};
    QTest::newRow("once each, any case") << "2*K+k-K" << QStringList{"K"};
    QTest::newRow("unknowns are no constants") << "x^2+y" << QStringList{};
    QTest::newRow("function names") << "exp(x)+sin(x)" << QStringList{};
    QTest::newRow("e beside exp") << "exp(e)*e" << QStringList{"E"};
    QTest::newRow("name inside a longer name") << "sina+a_1" << QStringList{"SINA", "A_1"};
    QTest::newRow("blank before the parenthesis") << "ln (k)" << QStringList{"K"};
    QTest::newRow("a name used as a function") << "k(2)" << QStringList{};
    QTest::newRow("constants in parentheses") << "((r))^2*Pi" << QStringList{"R", "PI"};
    QTest::newRow("digits and underscores") << "v0*t1-g_2" << QStringList{"V0", "T1", "G_2"};
    QTest::newRow("names after a break are never read") << "a 1+b" << QStringList{"A"};
    QTest::newRow("broken from the start") << "1 2+a" << QStringList{};
    QTest::newRow("empty") << "" << QStringList{};
}

void TestConstantUse::constantsIn()
{
    QFETCH(QString, expression);
    QFETCH(QStringList, names);
    QStringList found;
    for (const std::string& name : ConstantUse::constantsIn(expression.toStdString()))
        found << QString::fromStdString(name);
    QCOMPARE(found, names);
}

void TestConstantUse::usesComparesLikeTheTable_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("used");
    QTest::newRow("same case") << "a*x"
                               << "a" << true;
    QTest::newRow("other case, blanks") << "A*x"
                                        << "  a " << true;
    QTest::newRow("prefix of a longer name") << "ab*x"
                                             << "a" << false;
    QTest::newRow("suffix of a longer name") << "ba*x"
                                             << "a" << false;
    QTest::newRow("inside a function name") << "tan(x)"
                                            << "a" << false;
    QTest::newRow("the unknown") << "x+1"
                                 << "x" << false;
    QTest::newRow("empty name") << "a"
                                << " " << false;
}

void TestConstantUse::usesComparesLikeTheTable()
{
    QFETCH(QString, expression);
    QFETCH(QString, name);
    QFETCH(bool, used);
    QCOMPARE(ConstantUse::uses(expression.toStdString(), name.toStdString()), used);
}

void TestConstantUse::expressionsUsingPicksExactlyThoseEntries()
{
    const std::vector<std::string> entries{"a*x", "b*x", "sin(a*x)", "sina", "x^a", "", "a"};
    QCOMPARE(ConstantUse::expressionsUsing(entries, "A"), (std::vector<std::size_t>{0, 2, 4, 6}));
    QCOMPARE(ConstantUse::expressionsUsing(entries, "b"), (std::vector<std::size_t>{1}));
    QVERIFY(ConstantUse::expressionsUsing(entries, "c").empty());
}

void TestConstantUse::newValueReachesTableListAndPrograms()
{
    engine::Engine engine;
    QVERIFY(engine.addUserConstant("Pi", "3.14159265358979").ok);
    QVERIFY(engine.addUserConstant("k", "2").ok);
    const auto program = engine.compile("k*x");
    QCOMPARE(engine.evaluateAtX(*program, 3), 6.0);
    QVERIFY(engine.setConstantValue(" K ", 2.5));
    QCOMPARE(engine.evaluateAtX(*program, 3), 7.5); // no stale value kept for the next point
    QCOMPARE(engine.constantRows(), (std::vector<std::string>{"Pi - 3.14159265358979", "k - 2.5"}));
    // Listed twice (the table keeps one value): the first row is the constant's own.
    QVERIFY(engine.addUserConstant("K", "9").ok);
    QVERIFY(engine.setConstantValue("k", -0.1));
    QCOMPARE(engine.constantRows().back(), "K - 9");
    QCOMPARE(engine.constantRows()[1], "k - -0.1");
    QCOMPARE(engine.evaluate("k"), -0.1);
    // Not constants of the table: nothing changes.
    QVERIFY(!engine.setConstantValue("x", 1));
    QVERIFY(!engine.setConstantValue("zz", 1));
    QCOMPARE(engine.constantCount(), std::size_t(2));
    QVERIFY(!engine.constantExists("x"));
}
