// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_Evaluator.h"

#include "Engine.h"
#include "EvaluatorCases.h"
#include "ExpressionEvaluator.h"
#include "ExpressionSyntax.h"

#include <QTest>

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>

using namespace orvane;

namespace {

using EvaluatorCases::Unbound;

double evaluateWith(engine::Engine& engine, const QByteArray& text, double x)
{
    if (x == Unbound) return engine.evaluate(text.toStdString());
    return engine.evaluateAtX(text.toStdString(), x);
}

} // namespace

void TestEvaluator::init()
{
    engine_ = engine::Engine();
    EvaluatorCases::installDefaultConstants(engine_);
}

void TestEvaluator::evaluates_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("expected");
    for (const auto& c : EvaluatorCases::values())
        QTest::newRow(c.name) << QByteArray::fromStdString(c.text) << c.x << c.expected;
}

void TestEvaluator::evaluates()
{
    QFETCH(QByteArray, text);
    QFETCH(double, x);
    QFETCH(double, expected);
    const double v = evaluateWith(engine_, text, x);
    if (expected == ErrorValue || expected == 0)
        QCOMPARE(v, expected);
    else
        QVERIFY2(std::fabs(v - expected) <= 1e-12 * std::fabs(expected),
                 qPrintable(QStringLiteral("got %1").arg(v, 0, 'g', 17)));
}

void TestEvaluator::exactResults_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("expected");
    for (const auto& c : EvaluatorCases::exactValues())
        QTest::newRow(c.name) << QByteArray::fromStdString(c.text) << c.expected;
}

void TestEvaluator::exactResults()
{
    QFETCH(QByteArray, text);
    QFETCH(double, expected);
    QCOMPARE(engine_.evaluate(text.toStdString()), expected);
}

void TestEvaluator::errorValueBits()
{
    const double e = ErrorValue;
    std::uint64_t bits = 0;
    std::memcpy(&bits, &e, sizeof bits);
    QCOMPARE(bits, std::uint64_t(0xB9B4484BFEEBC2A0ULL));
}

void TestEvaluator::errorPosition_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("position");
    for (const auto& c : EvaluatorCases::positions())
        QTest::newRow(c.name) << QByteArray::fromStdString(c.text) << c.position;
}

void TestEvaluator::errorPosition()
{
    QFETCH(QByteArray, text);
    QFETCH(int, position);
    engine::Engine evaluator;
    evaluator.evaluate(text.toStdString());
    QCOMPARE(evaluator.lastErrorPosition(), position);
}

void TestEvaluator::deepNestingFailsWithoutCrash_data()
{
    QTest::addColumn<QByteArray>("text");
    for (const auto& c : EvaluatorCases::deepNesting())
        QTest::newRow(c.name) << QByteArray::fromStdString(c.text);
}

void TestEvaluator::deepNestingFailsWithoutCrash()
{
    QFETCH(QByteArray, text);
    QCOMPARE(engine_.evaluate(text.toStdString()), ErrorValue);
}

void TestEvaluator::moderateNestingStillWorks()
{
    const int depth = ExpressionSyntax::MaxNesting;
    const QByteArray text = QByteArray(depth, '(') + "2" + QByteArray(depth, ')');
    QCOMPARE(engine_.evaluate(text.toStdString()), 2.0);
}

void TestEvaluator::numbersOutOfRange_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("expected");
    const QByteArray zeros300(300, '0');
    const QByteArray zeros323(323, '0');
    const QByteArray zeros400(400, '0');
    QTest::newRow("1E400 written out fails") << "1" + zeros400 << ErrorValue;
    QTest::newRow("1E400 inside a sum fails") << "2+1" + zeros400 << ErrorValue;
    QTest::newRow("1E300 written out") << "1" + zeros300 << 1e300;
    // Too small for a double: 0, as 10^-400 is.
    QTest::newRow("1E-401 written out is 0") << "0." + zeros400 + "1" << 0.0;
    QTest::newRow("2E-324 written out is 0") << "0." + zeros323 + "2" << 0.0;
    QTest::newRow("1E-401 in a sum") << "1+0." + zeros400 + "1" << 1.0;
    QTest::newRow("dividing by 1E-401 fails") << "1/0." + zeros400 + "1" << ErrorValue;
    QTest::newRow("10^-400 is 0 too") << QByteArray("10^-400") << 0.0;
    // The smallest denormal still reads as itself.
    QTest::newRow("5E-324 written out")
        << "0." + zeros323 + "5" << std::numeric_limits<double>::denorm_min();
}

void TestEvaluator::numbersOutOfRange()
{
    QFETCH(QByteArray, text);
    QFETCH(double, expected);
    QCOMPARE(engine_.evaluate(text.toStdString()), expected);
}

void TestEvaluator::everyByteValueIsSafe()
{
    for (int b = 1; b < 256; ++b) {
        const std::string text = "1" + std::string(1, static_cast<char>(b)) + "2";
        const double v = engine_.evaluate(text);
        if (b == '+')
            QCOMPARE(v, 3.0);
        else if (b == '-')
            QCOMPARE(v, -1.0);
        else if (b == '*')
            QCOMPARE(v, 2.0);
        else if (b == '/')
            QCOMPARE(v, 0.5);
        else if (b == '^')
            QCOMPARE(v, 1.0);
        else if (b == 'e' || b == 'E')
            QCOMPARE(v, 100.0); // the program's own exponent form
        else if (b == '.' || (b >= '0' && b <= '9'))
            QVERIFY(v != ErrorValue);
        else
            QCOMPARE(v, ErrorValue);
    }
}

void TestEvaluator::constantsUntouchedByFailure()
{
    const auto before = engine_.constantCount();
    engine_.evaluateAtX("1/0+x", 2);
    engine_.evaluate("((((");
    QCOMPARE(engine_.constantCount(), before);
    QCOMPARE(engine_.evaluate("x"), ErrorValue);
}

void TestEvaluator::numbersReadAsTheStandardLibraryReadsThem()
{
    // Short numbers take a quicker way than std::from_chars; the bits must not differ.
    std::mt19937 random(2024);
    engine::Engine evaluator;
    for (int i = 0; i < 200000; ++i) {
        const int length = 1 + int(random() % 20);
        std::string digits;
        for (int d = 0; d < length; ++d)
            digits += char('0' + random() % 10);
        const int point = int(random() % (length + 2)); // sometimes none, sometimes last
        std::string text = digits;
        if (point < length) text.insert(std::size_t(point) + 1, ".");
        double expected = 0;
        std::from_chars(digits.data(), digits.data() + digits.size(), expected);
        const std::string plain = text.back() == '.' ? text.substr(0, text.size() - 1) : text;
        std::from_chars(plain.data(), plain.data() + plain.size(), expected);
        const double got = evaluator.evaluate(text);
        std::uint64_t a = 0, b = 0;
        std::memcpy(&a, &expected, sizeof a);
        std::memcpy(&b, &got, sizeof b);
        if (a != b)
            QFAIL(qPrintable(QStringLiteral("%1 read as %2, not %3")
                                 .arg(QString::fromStdString(text))
                                 .arg(got, 0, 'g', 17)
                                 .arg(expected, 0, 'g', 17)));
    }
}
