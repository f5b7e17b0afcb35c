#include "tst_Evaluator.h"

#include "clsExpressionMFE.h"
#include "mCount.h"

#include <QTest>

#include <cmath>
#include <cstring>
#include <string>

using namespace orvane;

namespace {

constexpr double Unbound = 1e300; // marker: leave x unbound
constexpr double Pi = 3.14159265358979;

void installDefaults()
{
    mCount::AddUserConstant("Pi", "3.14159265358979");
    mCount::AddUserConstant("e", "2.71828182845905");
    mCount::AddUserConstant("g", "9.8");
}

double evaluateWith(const QByteArray& text, double x)
{
    if (x == Unbound)
        return mCount::Evaluate(text.toStdString());
    return mCount::EvaluateAtX(text.toStdString(), x);
}

} // namespace

void TestEvaluator::init()
{
    mCount::ResetEngine();
    installDefaults();
}

void TestEvaluator::evaluates_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("expected");
    const double E = ErrorValue;

    // Grammar: one precedence level for * / ^, left to right; signs bind to factors.
    QTest::newRow("sum of terms at x=1") << QByteArray("x^2+sin(x)+1/x") << 1.0 << 2 + std::sin(1.0);
    QTest::newRow("-x^2 at 3") << QByteArray("-x^2") << 3.0 << 9.0;
    QTest::newRow("2*x^2 at 3") << QByteArray("2*x^2") << 3.0 << 36.0;
    QTest::newRow("-(x^2) at 3") << QByteArray("-(x^2)") << 3.0 << -9.0;
    QTest::newRow("2*(x^2) at 3") << QByteArray("2*(x^2)") << 3.0 << 18.0;
    QTest::newRow("2*3^2") << QByteArray("2*3^2") << Unbound << 36.0;
    QTest::newRow("2^3^2") << QByteArray("2^3^2") << Unbound << 64.0;
    QTest::newRow("2^3*2") << QByteArray("2^3*2") << Unbound << 16.0;
    QTest::newRow("8/2^2") << QByteArray("8/2^2") << Unbound << 16.0;
    QTest::newRow("-2^2") << QByteArray("-2^2") << Unbound << 4.0;
    QTest::newRow("2^-1") << QByteArray("2^-1") << Unbound << 0.5;
    QTest::newRow("2*-3") << QByteArray("2*-3") << Unbound << -6.0;
    QTest::newRow("2--3") << QByteArray("2--3") << Unbound << 5.0;
    QTest::newRow("+3") << QByteArray("+3") << Unbound << 3.0;
    QTest::newRow("--3") << QByteArray("--3") << Unbound << E;
    QTest::newRow("+-3") << QByteArray("+-3") << Unbound << E;
    QTest::newRow("1-2-3 left to right") << QByteArray("1-2-3") << Unbound << -4.0;
    QTest::newRow("1.") << QByteArray("1.") << Unbound << 1.0;
    // No implicit multiplication, no exponents, numbers start with a digit.
    QTest::newRow("2x") << QByteArray("2x") << 1.0 << E;
    QTest::newRow("2(3)") << QByteArray("2(3)") << Unbound << E;
    QTest::newRow("(1+2") << QByteArray("(1+2") << Unbound << E;
    QTest::newRow("1+2)") << QByteArray("1+2)") << Unbound << E;
    QTest::newRow("(1+2, 1+2)") << QByteArray("(1+2, 1+2)") << Unbound << E;
    QTest::newRow("1.2.3") << QByteArray("1.2.3") << Unbound << E;
    QTest::newRow(".5") << QByteArray(".5") << Unbound << E;
    QTest::newRow("1e5") << QByteArray("1e5") << Unbound << E;
    QTest::newRow("empty") << QByteArray("") << Unbound << E;
    QTest::newRow("blanks only") << QByteArray("  \t ") << Unbound << E;
    QTest::newRow("blank and tab around +") << QByteArray(" 1 \t+\t 2 ") << Unbound << 3.0;
    QTest::newRow("1 2") << QByteArray("1 2") << Unbound << E;
    QTest::newRow("operator at end") << QByteArray("1+") << Unbound << E;
    QTest::newRow("underscore operand") << QByteArray("_a") << Unbound << E;
    QTest::newRow("non-ASCII operand") << QByteArray("1+\xe4\xb8\x80") << Unbound << E;
    // Names and functions, case-insensitive.
    QTest::newRow("sin(0)") << QByteArray("sin(0)") << Unbound << 0.0;
    QTest::newRow("SIN(0)") << QByteArray("SIN(0)") << Unbound << 0.0;
    QTest::newRow("Sin ( 0 )") << QByteArray("Sin ( 0 )") << Unbound << 0.0;
    QTest::newRow("pi") << QByteArray("pi") << Unbound << Pi;
    QTest::newRow("PI") << QByteArray("PI") << Unbound << Pi;
    QTest::newRow("foo(2)") << QByteArray("foo(2)") << Unbound << E;
    QTest::newRow("zz") << QByteArray("zz") << Unbound << E;
    QTest::newRow("sin without argument") << QByteArray("sin") << Unbound << E;
    QTest::newRow("two arguments") << QByteArray("sin(1,2)") << Unbound << E;
    // Division by zero anywhere fails the whole text.
    QTest::newRow("1/0") << QByteArray("1/0") << Unbound << E;
    QTest::newRow("1/(2-2)") << QByteArray("1/(2-2)") << Unbound << E;
    QTest::newRow("1/0+5") << QByteArray("1/0+5") << Unbound << E;
    QTest::newRow("2*(1/0)") << QByteArray("2*(1/0)") << Unbound << E;
    QTest::newRow("-(1/0)") << QByteArray("-(1/0)") << Unbound << E;
    // Domain errors and overflow.
    QTest::newRow("sqr(-1)") << QByteArray("sqr(-1)") << Unbound << E;
    QTest::newRow("sqr(-1)+1") << QByteArray("sqr(-1)+1") << Unbound << E;
    QTest::newRow("log(0)") << QByteArray("log(0)") << Unbound << E;
    QTest::newRow("ln(0)") << QByteArray("ln(0)") << Unbound << E;
    QTest::newRow("acs(-1)") << QByteArray("acs(-1)") << Unbound << E;
    QTest::newRow("asn(2)") << QByteArray("asn(2)") << Unbound << E;
    QTest::newRow("acg(0)") << QByteArray("acg(0)") << Unbound << E;
    QTest::newRow("ctg(0)") << QByteArray("ctg(0)") << Unbound << E;
    QTest::newRow("csc(0)") << QByteArray("csc(0)") << Unbound << E;
    QTest::newRow("fact(171)") << QByteArray("fact(171)") << Unbound << E;
    QTest::newRow("fact(1e9 as product)") << QByteArray("fact(10^9)") << Unbound << E;
    QTest::newRow("exp(710)") << QByteArray("exp(710)") << Unbound << E;
    QTest::newRow("(-8)^(1/3)") << QByteArray("(-8)^(1/3)") << Unbound << E;
    QTest::newRow("0^-1") << QByteArray("0^-1") << Unbound << E;
    QTest::newRow("10^400") << QByteArray("10^400") << Unbound << E;
    QTest::newRow("product overflow") << QByteArray("10^300*10^300") << Unbound << E;
    QTest::newRow("sum overflow") << QByteArray("10^308*9+10^308*9") << Unbound << E;
    // Function values.
    QTest::newRow("ln(100)") << QByteArray("ln(100)") << Unbound << 2.0;
    QTest::newRow("ln(1000)") << QByteArray("ln(1000)") << Unbound << 3.0;
    QTest::newRow("log(e)") << QByteArray("log(e)") << Unbound << 1.0;
    QTest::newRow("fact(5)") << QByteArray("fact(5)") << Unbound << 120.0;
    QTest::newRow("fact(5.9)") << QByteArray("fact(5.9)") << Unbound << 120.0;
    QTest::newRow("fact(0)") << QByteArray("fact(0)") << Unbound << 1.0;
    QTest::newRow("fact(-3)") << QByteArray("fact(-3)") << Unbound << 1.0;
    QTest::newRow("fact(170)") << QByteArray("fact(170)") << Unbound << 7.257415615307994e306;
    QTest::newRow("int(-2.5)") << QByteArray("int(-2.5)") << Unbound << -3.0;
    QTest::newRow("fix(-2.5)") << QByteArray("fix(-2.5)") << Unbound << -2.0;
    QTest::newRow("asn(1)") << QByteArray("asn(1)") << Unbound << M_PI / 2;
    QTest::newRow("asn(-1)") << QByteArray("asn(-1)") << Unbound << -M_PI / 2;
    QTest::newRow("acs(1)") << QByteArray("acs(1)") << Unbound << 0.0;
    QTest::newRow("acs(0)") << QByteArray("acs(0)") << Unbound << M_PI / 2;
    QTest::newRow("acg(-1) negative") << QByteArray("acg(-1)") << Unbound << -M_PI / 4;
    QTest::newRow("arctg(1)") << QByteArray("arctg(1)") << Unbound << M_PI / 4;
    QTest::newRow("tg(1)") << QByteArray("tg(1)") << Unbound << std::tan(1.0);
    QTest::newRow("sec(0)") << QByteArray("sec(0)") << Unbound << 1.0;
    QTest::newRow("abs(-4)") << QByteArray("abs(-4)") << Unbound << 4.0;
    QTest::newRow("sqr(16)") << QByteArray("sqr(16)") << Unbound << 4.0;
    QTest::newRow("exp(0)") << QByteArray("exp(0)") << Unbound << 1.0;
    QTest::newRow("0^0") << QByteArray("0^0") << Unbound << 1.0;
    QTest::newRow("(-8)^2") << QByteArray("(-8)^2") << Unbound << 64.0;
    QTest::newRow("g") << QByteArray("g*2") << Unbound << 19.6;
}

void TestEvaluator::evaluates()
{
    QFETCH(QByteArray, text);
    QFETCH(double, x);
    QFETCH(double, expected);
    const double v = evaluateWith(text, x);
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
    QTest::newRow("rad uses ten decimals of pi") << QByteArray("rad(3.1415926535)") << 180.0;
    QTest::newRow("2*3^2") << QByteArray("2*3^2") << 36.0;
    QTest::newRow("2^-1") << QByteArray("2^-1") << 0.5;
}

void TestEvaluator::exactResults()
{
    QFETCH(QByteArray, text);
    QFETCH(double, expected);
    QCOMPARE(mCount::Evaluate(text.toStdString()), expected);
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
    QTest::newRow("success is one past the end") << QByteArray("1+2") << 4;
    QTest::newRow("unexpected character") << QByteArray("1+*2") << 3;
    QTest::newRow("malformed number at its first digit") << QByteArray("7+1.2.3") << 3;
    QTest::newRow("unknown constant after its blanks") << QByteArray("zz  +1") << 5;
    QTest::newRow("left over after a number") << QByteArray("1e5") << 2;
    QTest::newRow("counts characters, not bytes") << QByteArray("\xe4\xb8\x80\xe4\xb8\x80") << 1;
}

void TestEvaluator::errorPosition()
{
    QFETCH(QByteArray, text);
    QFETCH(int, position);
    clsExpressionMFE evaluator;
    evaluator.MFEExpression(text.toStdString());
    QCOMPARE(evaluator.LastErrorPosition(), position);
}

void TestEvaluator::deepNestingFailsWithoutCrash_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("100000 open parentheses") << QByteArray(100000, '(');
    QTest::newRow("100000 balanced") << QByteArray(100000, '(') + "1" + QByteArray(100000, ')');
    QByteArray calls;
    for (int i = 0; i < 50000; ++i)
        calls += "sin(";
    QTest::newRow("50000 nested calls") << calls + "1" + QByteArray(50000, ')');
}

void TestEvaluator::deepNestingFailsWithoutCrash()
{
    QFETCH(QByteArray, text);
    QCOMPARE(mCount::Evaluate(text.toStdString()), ErrorValue);
}

void TestEvaluator::moderateNestingStillWorks()
{
    const int depth = clsExpressionMFE::MaxNesting;
    const QByteArray text = QByteArray(depth, '(') + "2" + QByteArray(depth, ')');
    QCOMPARE(mCount::Evaluate(text.toStdString()), 2.0);
}

void TestEvaluator::hugeNumbersFail()
{
    const std::string digits = "1" + std::string(400, '0');
    QCOMPARE(mCount::Evaluate(digits), ErrorValue);
    QCOMPARE(mCount::Evaluate("1" + std::string(300, '0')), 1e300);
}

void TestEvaluator::everyByteValueIsSafe()
{
    for (int b = 1; b < 256; ++b) {
        const std::string text = "1" + std::string(1, static_cast<char>(b)) + "2";
        const double v = mCount::Evaluate(text);
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
        else if (b == '.' || (b >= '0' && b <= '9'))
            QVERIFY(v != ErrorValue);
        else
            QCOMPARE(v, ErrorValue);
    }
}

void TestEvaluator::constantsUntouchedByFailure()
{
    const auto before = mCount::SharedEvaluator().ConstantCount();
    mCount::EvaluateAtX("1/0+x", 2);
    mCount::Evaluate("((((");
    QCOMPARE(mCount::SharedEvaluator().ConstantCount(), before);
    QCOMPARE(mCount::Evaluate("x"), ErrorValue);
}
