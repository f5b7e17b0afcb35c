// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_SketchTexts.h"

#include "SketchTexts.h"

#include <QTest>

using namespace orvane;

void TestSketchTexts::coordinates_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<QString>("text");
    QTest::newRow("two decimals") << 1.25f << -2.5f << QStringLiteral("当前坐标：  (1.25，-2.5)");
    QTest::newRow("whole numbers") << 3.0f << 4.0f << QStringLiteral("当前坐标：  (3.0，4.0)");
    QTest::newRow("rounded to two")
        << 0.123f << -9.996f << QStringLiteral("当前坐标：  (0.12，-10.0)");
    QTest::newRow("single precision noise")
        << 0.1f << 0.05f << QStringLiteral("当前坐标：  (0.1，0.05)");
}

void TestSketchTexts::coordinates()
{
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(QString, text);
    QCOMPARE(SketchTexts::coordinates(x, y), text);
}

void TestSketchTexts::coordinatesWithDistance_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<QString>("text");
    QTest::newRow("3,4") << 3.0f << 4.0f
                         << QStringLiteral("当前坐标：  (3.0，4.0)         距原点：5.0");
    QTest::newRow("1,1") << 1.0f << 1.0f
                         << QStringLiteral("当前坐标：  (1.0，1.0)         距原点：1.4142136");
    QTest::newRow("origin") << 0.0f << 0.0f
                            << QStringLiteral("当前坐标：  (0.0，0.0)         距原点：0.0");
    QTest::newRow("negative") << -0.5f << -1.2f
                              << QStringLiteral("当前坐标：  (-0.5，-1.2)         距原点：1.3");
}

void TestSketchTexts::coordinatesWithDistance()
{
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(QString, text);
    QCOMPARE(SketchTexts::coordinatesWithDistance(x, y), text);
}

void TestSketchTexts::printedNumbers_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("five") << 5.0 << QStringLiteral(" 5 ");
    QTest::newRow("fifteen digits") << std::sqrt(2.0) << QStringLiteral(" 1.4142135623731 ");
    QTest::newRow("zero") << 0.0 << QStringLiteral(" 0 ");
}

void TestSketchTexts::printedNumbers()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(SketchTexts::printedNumber(value), text);
}

void TestSketchTexts::printedSingles_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("five") << 5.0f << QStringLiteral(" 5 ");
    QTest::newRow("root two") << float(std::sqrt(2.0)) << QStringLiteral(" 1.414214 ");
    QTest::newRow("tenth") << 0.1f << QStringLiteral(" 0.1 ");
    QTest::newRow("large") << 28.28427f << QStringLiteral(" 28.28427 ");
    QTest::newRow("tiny") << 0.00001234567f << QStringLiteral(" 1.234567E-05 ");
    QTest::newRow("huge") << 12345678.0f << QStringLiteral(" 1.234568E+07 ");
    QTest::newRow("negative") << -2.5f << QStringLiteral("-2.5 ");
}

void TestSketchTexts::printedSingles()
{
    QFETCH(float, value);
    QFETCH(QString, text);
    QCOMPARE(SketchTexts::printedSingle(value), text);
}

void TestSketchTexts::eraserCursorClasses_data()
{
    QTest::addColumn<double>("size");
    QTest::addColumn<int>("cursor"); // 0: no class
    const struct {
        double size;
        int cursor;
    } rows[] = {{0.5, 0},    {1, 900},  {3.5, 900}, {3.7, 0},    {4, 905},  {8.5, 905},
                {8.7, 0},    {9, 910},  {10, 910},  {13.5, 910}, {13.7, 0}, {14, 915},
                {17.5, 915}, {17.9, 0}, {18, 920},  {23.5, 920}, {23.9, 0}, {24, 925},
                {27.5, 925}, {27.6, 0}, {28, 930},  {30, 930},   {30.5, 0}, {-5, 0}};
    for (const auto& row : rows)
        QTest::addRow("%g", row.size) << row.size << row.cursor;
}

void TestSketchTexts::eraserCursorClasses()
{
    QFETCH(double, size);
    QFETCH(int, cursor);
    QCOMPARE(SketchTexts::eraserCursorId(size).value_or(0), cursor);
}
