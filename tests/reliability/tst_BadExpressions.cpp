// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_BadExpressions.h"

#include "Engine.h"
#include "ExpressionEvaluator.h"

#include <QProcess>
#include <QTest>

#include <cmath>
#include <cstring>
#include <string>

using namespace orvane;

namespace {

constexpr std::size_t Megabyte = 1024 * 1024;

// `unit` repeated until the text is at least a megabyte long, then `tail`.
std::string megabyteOf(const std::string& unit, const std::string& tail = {})
{
    std::string text;
    text.reserve(Megabyte + unit.size() + tail.size());
    while (text.size() < Megabyte)
        text += unit;
    return text + tail;
}

bool sameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

void TestBadExpressions::init()
{
    engine_ = engine::Engine();
}

void TestBadExpressions::megabyteTexts_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("expected");
    // 1+1+...+1: a megabyte of work at the sum level, no nesting.
    QTest::newRow("long sum") << QByteArray::fromStdString(megabyteOf("1+", "1")) << 524289.0;
    QTest::newRow("long product") << QByteArray::fromStdString(megabyteOf("1*", "1")) << 1.0;
    QTest::newRow("long sum of calls")
        << QByteArray::fromStdString(megabyteOf("abs(-1)+", "0")) << 131072.0;
    QTest::newRow("one long number") << QByteArray::fromStdString(megabyteOf("1")) << ErrorValue;
    QTest::newRow("one long fraction")
        << QByteArray::fromStdString("0." + megabyteOf("0", "1")) << 0.0;
    QTest::newRow("one long name") << QByteArray::fromStdString(megabyteOf("a")) << ErrorValue;
    QTest::newRow("blanks only") << QByteArray::fromStdString(megabyteOf(" \t")) << ErrorValue;
    QTest::newRow("blanks around one") << QByteArray::fromStdString(megabyteOf(" ", "1")) << 1.0;
    QTest::newRow("failure at the very end")
        << QByteArray::fromStdString(megabyteOf("1+", "1/0")) << ErrorValue;
    QTest::newRow("operators only") << QByteArray::fromStdString(megabyteOf("+-*/^")) << ErrorValue;
}

void TestBadExpressions::megabyteTexts()
{
    QFETCH(QByteArray, text);
    QFETCH(double, expected);
    const std::string_view view(text.constData(), std::size_t(text.size()));
    const double scanned = ExpressionEvaluator(engine_.constants()).evaluate(view);
    if (expected == ErrorValue || expected == 0)
        QCOMPARE(scanned, expected);
    else
        QVERIFY2(std::fabs(scanned - expected) < 1e-9 * expected,
                 qPrintable(QByteArray::number(scanned)));
    // The compiled form reads the same megabyte to the same end.
    const CompiledExpression program(view);
    QVERIFY(sameBits(engine_.evaluate(program), scanned));
    QVERIFY(sameBits(engine_.evaluate(view), scanned));
}

void TestBadExpressions::everyPairOfBytes()
{
    engine_.addUserConstant("Pi", "3.14159265358979");
    int values = 0;
    for (int first = 0; first < 256; ++first) {
        for (int second = 0; second < 256; ++second) {
            const char text[2] = {char(first), char(second)};
            const std::string_view view(text, 2);
            const double scanned = ExpressionEvaluator(engine_.constants()).evaluate(view);
            const CompiledExpression program(view);
            const double run = engine_.evaluate(program);
            if (!sameBits(scanned, run))
                QFAIL(qPrintable(QStringLiteral("bytes %1 %2: scanned %3, compiled %4")
                                     .arg(first)
                                     .arg(second)
                                     .arg(scanned)
                                     .arg(run)));
            QVERIFY(scanned == ErrorValue || std::isfinite(scanned));
            if (scanned != ErrorValue) ++values;
        }
    }
    // Two digits, a digit and a point or blank, a sign and a digit, "pi" in any case...
    QVERIFY(values > 100);
    QVERIFY(values < 1000);
}

void TestBadExpressions::deepNestingThroughTheProgram_data()
{
    QTest::addColumn<QByteArray>("text");
    // One argument can hold 128 KiB on Linux; the evaluator's own tests go deeper.
    QTest::newRow("65000 parentheses") << QByteArray(65000, '(') + '1' + QByteArray(65000, ')');
    QTest::newRow("43000 signs and parentheses")
        << QByteArray("-(").repeated(43000) + '1' + QByteArray(43000, ')');
    QTest::newRow("25000 nested calls")
        << QByteArray("sin(").repeated(25000) + '1' + QByteArray(25000, ')');
}

void TestBadExpressions::deepNestingThroughTheProgram()
{
    QFETCH(QByteArray, text);
    // The whole way in: command line, saved constants, evaluator, output.
    QProcess program;
    program.setProgram(QStringLiteral(ORVANE_EXECUTABLE));
    program.setArguments({QStringLiteral("--settings"), QStringLiteral("/nonexistent/orvane.ini"),
                          QStringLiteral("--eval"), QString::fromLatin1(text)});
    program.start();
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    QCOMPARE(program.readAllStandardOutput().trimmed(), QByteArray("Error"));
}
