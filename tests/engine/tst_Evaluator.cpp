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

void TestEvaluator::describesFailure_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    const auto row = [](const char* name, const char* text, const char* message) {
        QTest::newRow(name) << QString::fromUtf8(text) << QString::fromUtf8(message);
    };
    row("empty", "  ", "表达式为空");
    row("operand missing at the end", "1+", "表达式不完整，末尾缺少数字或名称");
    row("operand missing", "1+*2", "此处缺少数字、名称或括号（第3个字符“*”）");
    row("implicit product", "2x+1", "缺少运算符，乘号“*”不能省略（第2个字符“x”）");
    row("two numbers", "1 2", "缺少运算符，乘号“*”不能省略（第3个字符“2”）");
    row("product before parenthesis", "2(3)", "缺少运算符，乘号“*”不能省略（第2个字符“(”）");
    row("equals sign", "2^2=4", "无法识别的字符“=”（第4个字符）");
    row("full-width comma", "（1，2）", "无法识别的字符“，”（第3个字符）");
    row("unknown character", "1+一", "无法识别的字符“一”（第3个字符）");
    row("missing close", "(1+2", "缺少右括号“)”（末尾）");
    row("extra close", "1+2)", "多余的右括号“)”（第4个字符）");
    row("bad number", "7+1.2.3", "数字写法有误或超出范围（第3个字符起）");
    row("number too large", "1e400", "数字写法有误或超出范围（第1个字符起）");
    row("unknown function", "foo(2)+1", "“foo”不是内定函数（第7个字符前）");
    row("unknown name", "zz+1", "“ZZ”不是已定义的常数（第3个字符前）");
    row("unbound x", "x+1", "未知数“x”在这里没有值（第2个字符前）");
    row("division by zero", "1/(2-2)+5", "除数为零（第8个字符前）");
    row("domain", "sqr(-1)", "超出函数SQR的定义域（末尾）");
    row("power", "(-8)^(1/3)", "乘方无法计算（负数的非整数次方或0的负数次方）（末尾）");
    row("overflow", "exp(710)*2", "计算结果超出范围（第9个字符前）");
}

void TestEvaluator::describesFailure()
{
    QFETCH(QString, text);
    QFETCH(QString, message);
    const std::string typed = text.toStdString();
    QCOMPARE(engine_.evaluate(typed), ErrorValue);
    QCOMPARE(engine_.lastError().position, engine_.lastErrorPosition());
    QCOMPARE(QString::fromStdString(describe(engine_.lastError(), typed)), message);
}

void TestEvaluator::checkFindsWhatNoValueOfXMends_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("reason");
    QTest::addColumn<int>("position");
    QTest::newRow("readable") << QByteArray("1/x") << int(FailureReason::None) << 0;
    QTest::newRow("fails at points only") << QByteArray("sqr(x)") << int(FailureReason::None) << 0;
    QTest::newRow("grammar") << QByteArray("2x") << int(FailureReason::MissingOperator) << 2;
    QTest::newRow("numbers alone")
        << QByteArray("x+1/0") << int(FailureReason::DivisionByZero) << 6;
    QTest::newRow("unknown name") << QByteArray("x*k") << int(FailureReason::UnknownName) << 4;
    QTest::newRow("y") << QByteArray("x+y") << int(FailureReason::NoValueForUnknown) << 4;
    QTest::newRow("earliest first") << QByteArray("k+x)") << int(FailureReason::UnknownName) << 2;
}

void TestEvaluator::checkFindsWhatNoValueOfXMends()
{
    QFETCH(QByteArray, text);
    QFETCH(int, reason);
    QFETCH(int, position);
    const EvaluationError error = engine_.check(text.toStdString(), true);
    QCOMPARE(int(error.reason), reason);
    if (error.failed()) QCOMPARE(error.position, position);
    // Without x bound, x itself is what fails.
    if (reason == int(FailureReason::None))
        QCOMPARE(engine_.check(text.toStdString()).reason, FailureReason::NoValueForUnknown);
}
