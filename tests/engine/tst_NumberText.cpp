// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_NumberText.h"

#include "NumberText.h"

#include <QTest>

#include <limits>

using namespace orvane;

void TestNumberText::leadingNumber_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("plain") << QByteArray("12.5") << 12.5;
    QTest::newRow("leading blanks") << QByteArray("  \t-3") << -3.0;
    QTest::newRow("stops at text") << QByteArray("10abc") << 10.0;
    QTest::newRow("exponent") << QByteArray("1e3x") << 1000.0;
    QTest::newRow("dangling exponent") << QByteArray("2e") << 2.0;
    QTest::newRow("bare point") << QByteArray(".5") << 0.5;
    QTest::newRow("no number") << QByteArray("Pi") << 0.0;
    QTest::newRow("empty") << QByteArray("") << 0.0;
    QTest::newRow("sign only") << QByteArray("-") << 0.0;
    QTest::newRow("overflow") << QByteArray("1e999") << 0.0;
    QTest::newRow("plus sign") << QByteArray("+7") << 7.0;
}

void TestNumberText::leadingNumber()
{
    QFETCH(QByteArray, text);
    QFETCH(double, value);
    QCOMPARE(NumberText::leadingNumber(text.toStdString()), value);
}

void TestNumberText::readsAsNumber_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("reads");
    QTest::newRow("integer") << QByteArray("12") << true;
    QTest::newRow("blanks around") << QByteArray(" -1.5 ") << true;
    QTest::newRow("exponent") << QByteArray("1e-3") << true;
    QTest::newRow("trailing point") << QByteArray("5.") << true;
    QTest::newRow("leading point") << QByteArray(".5") << true;
    QTest::newRow("letters") << QByteArray("abc") << false;
    QTest::newRow("number then text") << QByteArray("1a") << false;
    QTest::newRow("empty") << QByteArray("") << false;
    QTest::newRow("point only") << QByteArray(".") << false;
    QTest::newRow("two numbers") << QByteArray("1 2") << false;
    QTest::newRow("overflow") << QByteArray("1e999") << false;
}

void TestNumberText::readsAsNumber()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, reads);
    QCOMPARE(NumberText::readsAsNumber(text.toStdString()), reads);
}

void TestNumberText::roundsHalfToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("rounded");
    QTest::newRow("2.5") << 2.5 << 2;
    QTest::newRow("3.5") << 3.5 << 4;
    QTest::newRow("12.5") << 12.5 << 12;
    QTest::newRow("13.5") << 13.5 << 14;
    QTest::newRow("-2.5") << -2.5 << -2;
    QTest::newRow("10.5") << 10.5 << 10;
    QTest::newRow("2.6") << 2.6 << 3;
}

void TestNumberText::roundsHalfToEven()
{
    QFETCH(double, value);
    QFETCH(int, rounded);
    QCOMPARE(NumberText::toInt16(value).value(), rounded);
}

void TestNumberText::integerRanges()
{
    QCOMPARE(NumberText::toInt16(32767.4).value(), 32767);
    QVERIFY(!NumberText::toInt16(32767.6));
    QVERIFY(!NumberText::toInt16(-32769));
    QVERIFY(!NumberText::toInt16(std::numeric_limits<double>::quiet_NaN()));
    QCOMPARE(NumberText::toInt32(16711680).value(), 16711680);
    QVERIFY(!NumberText::toInt32(3e9));
}

void TestNumberText::generalForm_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("integer") << 36.0 << "36";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("15 digits") << (2 + std::sin(1.0)) << "2.8414709848079";
    QTest::newRow("binary noise dropped") << (0.1 + 0.2) << "0.3";
    QTest::newRow("negative") << -2.5 << "-2.5";
    QTest::newRow("1E-4 stays fixed") << 0.0001 << "0.0001";
    QTest::newRow("below 1E-4") << 0.000015 << "1.5E-05";
    QTest::newRow("error value") << -1e-30 << "-1E-30";
    QTest::newRow("just below 1E+15") << 999999999999999.0 << "999999999999999";
    QTest::newRow("1E+15") << 1e15 << "1E+15";
    QTest::newRow("rounds up into 1E+15") << 999999999999999.9 << "1E+15";
    QTest::newRow("large") << 1.2345e20 << "1.2345E+20";
    QTest::newRow("huge exponent") << 1e300 << "1E+300";
    QTest::newRow("pi") << 3.14159265358979 << "3.14159265358979";
    QTest::newRow("third") << (1.0 / 3) << "0.333333333333333";
    QTest::newRow("root 2") << 1.4142135623730951 << "1.4142135623731";
    QTest::newRow("78.53...") << 78.53981633974483 << "78.5398163397448";
}

void TestNumberText::generalForm()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(NumberText::generalForm(value)), text);
}

void TestNumberText::leadingBlank_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("5") << 5.0 << " 5";
    QTest::newRow("-5") << -5.0 << "-5";
    QTest::newRow("0") << 0.0 << " 0";
    QTest::newRow("2.5") << 2.5 << " 2.5";
}

void TestNumberText::leadingBlank()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(NumberText::leadingBlank(value)), text);
}

void TestNumberText::pattern_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");
    QTest::newRow("#0.00# one") << 1.0 << "#0.00#"
                                << "1.00";
    QTest::newRow("#0.00# three decimals") << 1.8794 << "#0.00#"
                                           << "1.879";
    QTest::newRow("#0.00# rounds half up") << 9.4995 << "#0.00#"
                                           << "9.50";
    QTest::newRow("#0.00# minus") << -1.879 << "#0.00#"
                                  << "-1.879";
    QTest::newRow("#0.00# small") << 0.5 << "#0.00#"
                                  << "0.50";
    QTest::newRow("#0.00# negative small to zero") << -0.0001 << "#0.00#"
                                                   << "0.00";
    QTest::newRow("#0.00# decimal not binary half") << 2.675 << "#0.00#"
                                                    << "2.675";
    QTest::newRow("#0.00 half up on decimal") << 2.675 << "#0.00"
                                              << "2.68";
    QTest::newRow("0#.0000# -1.5") << -1.5 << "0#.0000#"
                                   << "-01.5000";
    QTest::newRow("0#.0000# 12.345678") << 12.345678 << "0#.0000#"
                                        << "12.34568";
    QTest::newRow("0#.0000# hundreds") << 100.0 << "0#.0000#"
                                       << "100.0000";
    QTest::newRow("0#.#0 zero") << 0.004 << "0#.#0"
                                << "00.00";
    QTest::newRow("0#.#0 rounds up") << 0.005 << "0#.#0"
                                     << "00.01";
    QTest::newRow("#0.0############ pi") << 3.14159265358979 << "#0.0############"
                                         << "3.1415926535898";
    QTest::newRow("#0.0############ integer") << 5.0 << "#0.0############"
                                              << "5.0";
    QTest::newRow("#0.0### carry") << 9.99999 << "#0.0###"
                                   << "10.0";
    QTest::newRow("#0.0# ") << 0.25 << "#0.0#"
                            << "0.25";
    QTest::newRow("#0.000000000########## third") << (1.0 / 3) << "#0.000000000##########"
                                                  << "0.333333333333333";
    QTest::newRow("#0.00### 78.5") << 78.5 << "#0.00###"
                                   << "78.50";
    QTest::newRow("#0.0###### ") << 0.1234567 << "#0.0######"
                                 << "0.1234567";
    QTest::newRow("#0.00 large") << 1.5e20 << "#0.00"
                                 << "150000000000000000000.00";
    QTest::newRow("0.00 tiny") << 1e-30 << "0.00"
                               << "0.00";
}

void TestNumberText::pattern()
{
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(NumberText::formatPattern(value, pattern.toStdString())), text);
}
