// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_Constants.h"

#include "Engine.h"

#include <QTest>

#include <thread>

using namespace orvane;
using Icon = orvane::MessageIcon;

Q_DECLARE_METATYPE(orvane::MessageIcon)

namespace {
std::vector<std::string> rows(std::initializer_list<const char*> list)
{
    return std::vector<std::string>(list.begin(), list.end());
}
} // namespace

void TestConstants::init()
{
    engine_ = engine::Engine();
}

void TestConstants::refusals_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("message");
    QTest::addColumn<Icon>("icon");
    QTest::newRow("x") << QByteArray("x") << QByteArray("1") << "x/y是未知数" << Icon::Warning;
    QTest::newRow("Y any value") << QByteArray(" Y ") << QByteArray("abc") << "x/y是未知数"
                                 << Icon::Warning;
    QTest::newRow("sin") << QByteArray("sin") << QByteArray("1") << "SIN是内定函数名"
                         << Icon::Warning;
    QTest::newRow("Sqr") << QByteArray("Sqr") << QByteArray("1") << "SQR是内定函数名"
                         << Icon::Warning;
    QTest::newRow("12") << QByteArray("12") << QByteArray("1") << "常数名不能为数字"
                        << Icon::Warning;
    QTest::newRow("1e3 as a name")
        << QByteArray("1e3") << QByteArray("1") << "常数名不能为数字" << Icon::Warning;
    QTest::newRow("k=abc") << QByteArray("k") << QByteArray("abc") << "常数必需为数字"
                           << Icon::Warning;
    QTest::newRow("k=empty") << QByteArray("k") << QByteArray("") << "常数必需为数字"
                             << Icon::Warning;
    QTest::newRow("empty name") << QByteArray("") << QByteArray("1") << "请输入常数名"
                                << Icon::None;
    QTest::newRow("blank name") << QByteArray("   ") << QByteArray("1") << "请输入常数名"
                                << Icon::None;
}

void TestConstants::refusals()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, value);
    QFETCH(QString, message);
    QFETCH(Icon, icon);
    const engine::Outcome outcome =
        engine_.addUserConstant(name.toStdString(), value.toStdString());
    QVERIFY(!outcome.ok);
    QCOMPARE(QString::fromStdString(outcome.message), message);
    QCOMPARE(outcome.icon, icon);
    QVERIFY(engine_.constantRows().empty());
    QVERIFY(engine_.constantNames().empty());
    QCOMPARE(engine_.constantCount(), std::size_t(0));
}

void TestConstants::acceptedNameOutsideTheRuleIsListedButNotInstalled_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("ln") << QByteArray("ln");
    QTest::newRow("fact") << QByteArray("fact");
    QTest::newRow("starts with underscore") << QByteArray("_a");
    QTest::newRow("inner blank") << QByteArray("a b");
    QTest::newRow("punctuation") << QByteArray("a.b");
    QTest::newRow("Chinese") << QByteArray("\xe5\xb8\xb8");
}

void TestConstants::acceptedNameOutsideTheRuleIsListedButNotInstalled()
{
    QFETCH(QByteArray, name);
    const engine::Outcome outcome = engine_.addUserConstant(name.toStdString(), "5");
    QVERIFY(outcome.ok);
    QVERIFY(outcome.message.empty());
    QCOMPARE(engine_.constantRows(), std::vector<std::string>{name.toStdString() + " - 5"});
    QCOMPARE(engine_.constantNames(), std::vector<std::string>{name.toStdString()});
    QCOMPARE(engine_.constantCount(), std::size_t(0));
    QCOMPARE(engine_.evaluate(name.toStdString()), ErrorValue);
}

void TestConstants::exponentValueAndCaseInsensitivity()
{
    QVERIFY(engine_.addUserConstant("k", "1e3").ok);
    QCOMPARE(engine_.evaluate("k*2"), 2000.0);
    QCOMPARE(engine_.evaluate("K*2"), 2000.0);
    QCOMPARE(engine_.constantRows(), rows({"k - 1e3"}));
}

void TestConstants::duplicateKeepsOldValue()
{
    QVERIFY(engine_.addUserConstant("Pi", "3.14159265358979").ok);
    QVERIFY(engine_.addUserConstant("pi", "3").ok);
    QCOMPARE(engine_.constantRows(), rows({"Pi - 3.14159265358979", "pi - 3"}));
    QCOMPARE(engine_.evaluate("PI"), 3.14159265358979);
}

void TestConstants::addConstantNameRule_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<bool>("added");
    QTest::newRow("_a") << QByteArray("_a") << false;
    QTest::newRow("a b") << QByteArray("a b") << false;
    QTest::newRow("a.b") << QByteArray("a.b") << false;
    QTest::newRow("empty") << QByteArray("") << false;
    QTest::newRow("function name") << QByteArray("arccos") << false;
    QTest::newRow("a_1") << QByteArray("a_1") << true;
    QTest::newRow("surrounding spaces") << QByteArray("  ab  ") << true;
}

void TestConstants::addConstantNameRule()
{
    QFETCH(QByteArray, name);
    QFETCH(bool, added);
    engine::Engine evaluator;
    evaluator.addConstant(name.toStdString(), 7);
    QCOMPARE(evaluator.constantCount(), std::size_t(added ? 1 : 0));
    if (added) QCOMPARE(evaluator.evaluate(name.trimmed().toUpper().toStdString()), 7.0);
}

void TestConstants::removeConstant()
{
    engine::Engine evaluator;
    evaluator.addConstant("Pi", 3.14);
    evaluator.removeConstant("nothing");
    QCOMPARE(evaluator.constantCount(), std::size_t(1));
    evaluator.removeConstant(" pI ");
    QCOMPARE(evaluator.constantCount(), std::size_t(0));
}

void TestConstants::bindingUnknowns()
{
    {
        const engine::UnknownBinding x(engine_, engine::Unknown::X, 2);
        QCOMPARE(engine_.evaluate("x^2"), 4.0);
    }
    QCOMPARE(engine_.evaluate("x^2"), ErrorValue);
    {
        const engine::UnknownBinding y(engine_, engine::Unknown::Y, 3);
        QCOMPARE(engine_.evaluate("Y*2"), 6.0);
    }
    QCOMPARE(engine_.evaluate("y"), ErrorValue);
}

void TestConstants::secondBindWithoutClearKeepsFirstValue()
{
    {
        const engine::UnknownBinding outer(engine_, engine::Unknown::X, 1);
        {
            const engine::UnknownBinding inner(engine_, engine::Unknown::X, 5);
            QCOMPARE(engine_.evaluate("x"), 1.0);
        }
        // The inner binding found x bound and leaves it so.
        QCOMPARE(engine_.evaluate("x"), 1.0);
        QCOMPARE(engine_.evaluateAtX("x", 7), 1.0);
    }
    QCOMPARE(engine_.evaluate("x"), ErrorValue);
}

void TestConstants::bindingKeepsRowsInStep()
{
    QVERIFY(engine_.addUserConstant("a", "1").ok);
    QVERIFY(engine_.addUserConstant("b", "2").ok);
    engine_.evaluateAtX("x+a", 3);
    engine_.evaluateAtY("y+b", 3);
    QCOMPARE(engine_.constantNames(), rows({"a", "b"}));
    QVERIFY(engine_.removeSelectedConstant(1).ok);
    QCOMPARE(engine_.evaluate("b"), ErrorValue);
    QCOMPARE(engine_.evaluate("a"), 1.0);
    QCOMPARE(engine_.constantRows(), rows({"a - 1"}));
}

void TestConstants::removeSelectedConstant()
{
    const engine::Outcome none = engine_.removeSelectedConstant(-1);
    QVERIFY(!none.ok);
    QCOMPARE(QString::fromStdString(none.message), QStringLiteral("请选择常数名"));
    QCOMPARE(none.icon, Icon::Warning);

    const engine::Outcome beyond = engine_.removeSelectedConstant(4);
    QVERIFY(!beyond.ok);
    QCOMPARE(QString::fromStdString(beyond.message), QStringLiteral("程序出错！"));
    QCOMPARE(beyond.icon, Icon::Error);

    QVERIFY(engine_.addUserConstant("pi", "3.14").ok);
    QVERIFY(engine_.removeSelectedConstant(0).ok);
    QVERIFY(engine_.constantRows().empty());
    QCOMPARE(engine_.evaluate("Pi"), ErrorValue);
}

void TestConstants::endingABindingLeavesTheConstantsAlone()
{
    QVERIFY(engine_.addUserConstant("a", "1").ok);
    {
        const engine::UnknownBinding x(engine_, engine::Unknown::X, 2);
        const engine::UnknownBinding y(engine_, engine::Unknown::Y, 3);
        QCOMPARE(engine_.evaluate("a+x+y"), 6.0);
    }
    QCOMPARE(engine_.constantNames(), rows({"a"}));
    QCOMPARE(engine_.evaluate("a"), 1.0);
    QCOMPARE(engine_.constantCount(), std::size_t(1));
}

void TestConstants::copiesEvaluateOnTheirOwn()
{
    QVERIFY(engine_.addUserConstant("a", "1").ok);
    const engine::UnknownBinding x(engine_, engine::Unknown::X, 2);
    engine::Engine copy = engine_;
    QCOMPARE(copy.evaluate("a+x"), 3.0);
    QVERIFY(copy.addUserConstant("b", "10").ok);
    QVERIFY(engine_.removeSelectedConstant(0).ok);
    QCOMPARE(copy.evaluate("a+b+x"), 13.0);
    QCOMPARE(engine_.evaluate("a"), ErrorValue);
    QCOMPARE(engine_.evaluate("b"), ErrorValue);
    QCOMPARE(copy.constantRows(), rows({"a - 1", "b - 10"}));
}

void TestConstants::copiesRunOnTwoThreads()
{
    // One compiled program, two engines, two threads: each run has its own registers.
    QVERIFY(engine_.addUserConstant("k", "3").ok);
    const auto program = engine_.compile("x^2+k*sin(x)-1/x");
    std::vector<double> xs;
    for (int i = -2000; i <= 2000; ++i)
        xs.push_back(i / 100.0);
    std::vector<double> expected;
    for (const double x : xs)
        expected.push_back(engine_.evaluateAtX(*program, x));
    engine::Engine copy = engine_;
    const auto sweep = [&](engine::Engine& engine, std::vector<double>& out) {
        for (int round = 0; round < 20; ++round)
            for (std::size_t i = 0; i < xs.size(); ++i)
                out[i] = engine.evaluateAtX(*program, xs[i]);
    };
    std::vector<double> first(xs.size());
    std::vector<double> second(xs.size());
    std::thread worker([&] { sweep(copy, second); });
    sweep(engine_, first);
    worker.join();
    QCOMPARE(first, expected);
    QCOMPARE(second, expected);
    QCOMPARE(expected[2000], ErrorValue); // 1/0 at x = 0
}
