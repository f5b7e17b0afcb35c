// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_GeometryReports.h"

#include "Engine.h"
#include "GeometryReports.h"

#include <QTest>

using namespace orvane;
using namespace orvane::geometry;

namespace {

QStringList toQt(const ReportLines& lines)
{
    QStringList out;
    for (const std::string& line : lines)
        out << QString::fromStdString(line);
    return out;
}

std::string at(const QStringList& texts, int i)
{
    return texts.at(i).toStdString();
}

LineCurveReport::Texts lineCurveTexts(const QStringList& t)
{
    LineCurveReport::Texts texts;
    for (int i = 0; i < 9; ++i)
        texts[static_cast<std::size_t>(i)] = at(t, i);
    return texts;
}

const QString Header = QStringLiteral("直线l和曲线C的关系如下：");
const QString Sloped = QStringLiteral("∵b≠0,∴直线的斜率存在,即有");
const QString Vertical = QStringLiteral("∵b=0,∴直线l没有斜率");
const QStringList DefaultCurve{"9", "16", "0", "0", "0", "-144"};

} // namespace

void TestGeometryReports::resultTextStartsEveryLineWithCrLf()
{
    QCOMPARE(resultText({"a", "", "b"}), std::string("\r\na\r\n\r\nb"));
    QCOMPARE(resultText({}), std::string());
}

void TestGeometryReports::distanceReportsNameTheFault_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("lines");

    const QString twoPointHeader = QStringLiteral("由d=Sqr((x1-x2)^2+(y1-y2)^2)得");
    QTest::newRow("two points, overflow")
        << 0 << QStringList{"10^200", "0", "0", "0"}
        << QStringList{twoPointHeader, "点(10^200,0)到点(0,0)的距离为：",
                       "错误：数值溢出，无法计算"};
    // The evaluator knows no exponent form, so 1E200 is no number at all.
    QTest::newRow("two points, text that does not evaluate")
        << 0 << QStringList{"1", "2", "1E200", "x"}
        << QStringList{twoPointHeader, "点(1,2)到点(1E200,x)的距离为：", "数据错误,请检查！"};
    QTest::newRow("point and line, overflow")
        << 1 << QStringList{"10^200", "0", "10^200", "0", "0"}
        << QStringList{"点(10^200,0)到直线10^200x+0y+0=0的距离是：", "错误：数值溢出，无法计算"};
    QTest::newRow("point and line, quotient overflows")
        << 1 << QStringList{"0", "0", "10^-100", "0", "10^300"}
        << QStringList{"点(0,0)到直线10^-100x+0y+10^300=0的距离是：", "错误：数值溢出，无法计算"};
    QTest::newRow("point and line, text that does not evaluate")
        << 1 << QStringList{"1", "1", "1", "sin(", "1"}
        << QStringList{"点(1,1)到直线1x+sin(y+1=0的距离是：", "数据错误,请检查！"};
    QTest::newRow("point and line, 0=0 leaves an empty line")
        << 1 << QStringList{"1", "1", "0", "0", "0"}
        << QStringList{"点(1,1)到直线0x+0y+0=0的距离是：", ""};
}

void TestGeometryReports::distanceReportsNameTheFault()
{
    engine::Engine engine;
    QFETCH(int, page);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, lines);
    const ReportLines report =
        page == 0 ? twoPointDistanceReport(engine,
                                           {at(texts, 0), at(texts, 1), at(texts, 2), at(texts, 3)})
                  : pointLineReport(engine, {at(texts, 0), at(texts, 1), at(texts, 2), at(texts, 3),
                                             at(texts, 4)});
    QCOMPARE(toQt(report), lines);
}

void TestGeometryReports::twoLines_data()
{
    QTest::addColumn<QStringList>("texts"); // a1, b1, c1, a2, b2, c2
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("expressions evaluated, empty boxes 0: x=3 and y=1")
        << QStringList{"1/2", "", "-3/2", "", " 1", "-1"}
        << QStringList{"两直线相交", "两直线交点：(3.00,1.00)", "两直线夹角:90.00(垂直)"};
    QTest::newRow("a number with text behind it is refused")
        << QStringList{"1abc", "1", "1", "1", "-1", "1"} << QStringList{"数据错误,请检查！"};
    QTest::newRow("a name that means nothing is refused")
        << QStringList{"1", "1", "1", "1", "abc", "1"} << QStringList{"数据错误,请检查！"};
    QTest::newRow("first line vertical")
        << QStringList{"1", "0", "0", "1", "-1", "0"}
        << QStringList{"两直线相交", "两直线交点：(0.00,0.00)", "两直线夹角:45"};
    QTest::newRow("second line vertical")
        << QStringList{"1", "-2", "0", "1", "0", "-2"}
        << QStringList{"两直线相交", "两直线交点：(2.00,1.00)", "两直线夹角:63.434948822922"};
    QTest::newRow("five decimals at most")
        << QStringList{"3", "0", "-1", "0", "7", "-1"}
        << QStringList{"两直线相交", "两直线交点：(0.33333,0.14286)", "两直线夹角:90.00(垂直)"};
    QTest::newRow("both vertical, one line")
        << QStringList{"1", "0", "-1", "2", "0", "-2"} << QStringList{"两直线重合"};
    QTest::newRow("no line against a vertical line")
        << QStringList{"0", "0", "1", "1", "0", "-1"} << QStringList{"错误"};
    QTest::newRow("no second line")
        << QStringList{"1", "1", "1", "0", "0", "1"} << QStringList{"两直线平行", "错误"};
    QTest::newRow("overflowing products")
        << QStringList{"10^200", "1", "0", "1", "10^200", "0"} << QStringList{"错误"};
    // Worked by hand with fractions: the typed decimals mean these exact lines.
    QTest::newRow("0.1x+0.3y+1 ∥ 0.3x+0.9y+5: distance 2√10/3")
        << QStringList{"0.1", "0.3", "1", "0.3", "0.9", "5"}
        << QStringList{"两直线平行", "两直线距离:2.10818510677892"};
    QTest::newRow("0.1x+0.3y+1 and 0.3x+0.9y+3: one line")
        << QStringList{"0.1", "0.3", "1", "0.3", "0.9", "3"} << QStringList{"两直线重合"};
    QTest::newRow("0.1x+0.3y=0 ⊥ 0.3x-0.1y+1=0 at (-3,1)")
        << QStringList{"0.1", "0.3", "0", "0.3", "-0.1", "1"}
        << QStringList{"两直线相交", "两直线交点：(-3.00,1.00)", "两直线夹角:90.00(垂直)"};
    QTest::newRow("0.1x+0.3=0 and 0.3x+0.9=0: one vertical line")
        << QStringList{"0.1", "0", "0.3", "0.3", "0", "0.9"} << QStringList{"两直线重合"};
    QTest::newRow("0.1y+0.3=0 ∥ 0.3y+0.5=0: y=-3 and y=-5/3, 4/3 apart")
        << QStringList{"0", "0.1", "0.3", "0", "0.3", "0.5"}
        << QStringList{"两直线平行", "两直线距离:1.33333333333333", "平行于X轴"};
    QTest::newRow("one line scaled by 1E-8")
        << QStringList{"0.00000001", "0.00000003", "0.00000001",
                       "0.00000003", "0.00000009", "0.00000003"}
        << QStringList{"两直线重合"};
}

void TestGeometryReports::twoLines()
{
    QFETCH(QStringList, texts);
    QFETCH(QStringList, lines);
    engine::Engine engine;
    const ReportLines report = twoLinesReport(engine, {at(texts, 0), at(texts, 1), at(texts, 2),
                                                       at(texts, 3), at(texts, 4), at(texts, 5)});
    QCOMPARE(toQt(report), lines);
}

void TestGeometryReports::lineCurveStopsAtTheFault_data()
{
    QTest::addColumn<QStringList>("texts"); // a, b, c, A, B, C, D, E, F
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("a=b=c=0 stops at -c/a")
        << QStringList{"0", "0", "0"} + DefaultCurve << QStringList{Header, ""};
    QTest::newRow("overflow while eliminating")
        << QStringList{"10^200", "1", "0"} + DefaultCurve << QStringList{Header};
    QTest::newRow("a=b=0, c≠0") << QStringList{"0", "0", "5"} + DefaultCurve
                                << QStringList{"数据错误,请检查！"};
    QTest::newRow("text that does not evaluate")
        << QStringList{"1", "-1", "1", "9", "16", "0", "0", "0", "-144*"}
        << QStringList{"数据错误,请检查！"};
}

void TestGeometryReports::lineCurve_data()
{
    QTest::addColumn<QStringList>("texts"); // a, b, c, A, B, C, D, E, F
    QTest::addColumn<QStringList>("lines");

    const QString onePoint = QStringLiteral("由二次项系数为0可知：直线和曲线有一个交点");
    QTest::newRow("y=x² and x=2: (2,4)")
        << QStringList{"1", "0", "-2", "1", "0", "0", "-1", "0", "0"}
        << QStringList{Header,   Vertical,           "∴x=-c/a=2", "代入消去x得：0*y^2+-1*y+4=0",
                       onePoint, "交点为：(2.0,4.0)"};
    QTest::newRow("xy=1 and x=2: (2,1/2)")
        << QStringList{"1", "0", "-2", "0", "0", "0", "0", "1", "-1"}
        << QStringList{Header,   Vertical,           "∴x=-c/a=2", "代入消去x得：0*y^2+2*y+-1=0",
                       onePoint, "交点为：(2.0,0.5)"};
    // y = x + 1 is parallel to an asymptote: -2x - 2 = 0, and 1 - 0 = 1 checks.
    QTest::newRow("x²-y²=1 and y=x+1: (-1,0)")
        << QStringList{"1", "-1", "1", "1", "-1", "0", "0", "0", "-1"}
        << QStringList{Header, Sloped, "消去y得：0*x^2+-2*x+-2=0", onePoint, "交点为：(-1.0,0.0)"};
    QTest::newRow("0.1x-0.1y+0.1=0 and x²-y²=1: as with whole numbers")
        << QStringList{"0.1", "-0.1", "0.1", "1", "-1", "0", "0", "0", "-1"}
        << QStringList{Header, Sloped, "消去y得：0*x^2+-2*x+-2=0", onePoint, "交点为：(-1.0,0.0)"};
    QTest::newRow("xy=1 and its asymptote x=0: no point")
        << QStringList{"1", "0", "0", "0", "0", "0", "0", "1", "-1"}
        << QStringList{Header, Vertical, "∴x=-c/a=0", "代入消去x得：0*y^2+0*y+-1=0",
                       "由方程无解可知：直线和曲线没有交点"};
    QTest::newRow("x²-y²=0 contains y=x")
        << QStringList{"1", "-1", "0", "1", "-1", "0", "0", "0", "0"}
        << QStringList{Header, Sloped, "消去y得：0*x^2+0*x+0=0", "由方程恒成立可知：直线在曲线上"};
    // Worked by hand: x + y = 0.2 touches the circle of radius √0.02 at (0.1, 0.1).
    QTest::newRow("x²+y²-0.02=0 and x+y-0.2=0: tangent at (0.1,0.1)")
        << QStringList{"1", "1", "-0.2", "1", "1", "0", "0", "0", "-0.02"}
        << QStringList{Header, Sloped, "消去y得：2*x^2+-0.4*x+0.02=0", "由△=0可知：直线和曲线相切",
                       "交点为：(0.1,0.1)"};
    QTest::newRow("the same tangent scaled by 1E-8")
        << QStringList{"0.00000001", "0.00000001", "-0.000000002", "0.00000001", "0.00000001", "0",
                       "0",          "0",          "-0.0000000002"}
        << QStringList{Header, Sloped, "消去y得：2E-08*x^2+-4E-09*x+2E-10=0",
                       "由△=0可知：直线和曲线相切", "交点为：(0.1,0.1)"};
    QTest::newRow("x=0.3 touches x²+y²=0.09 at (0.3,0)")
        << QStringList{"1", "0", "-0.3", "1", "1", "0", "0", "0", "-0.09"}
        << QStringList{Header,
                       Vertical,
                       "∴x=-c/a=0.3",
                       "代入消去x得：1*y^2+0*y+0=0",
                       "由△=0可知：直线和曲线相切",
                       "交点为：(0.3,0.0)"};
    QTest::newRow("0.1x-0.1y+0.1=0: the default report of x-y+1=0")
        << QStringList{"0.1", "-0.1", "0.1"} + DefaultCurve
        << QStringList{Header,
                       Sloped,
                       "消去y得：25*x^2+32*x+-128=0",
                       "由△=13824>0可知：直线和曲线有两交点",
                       "截得弦长：6.65107510106449",
                       "交点为：(1.7115,2.7115) | (-2.9915,-1.9915)"};
}

void TestGeometryReports::lineCurve()
{
    QFETCH(QStringList, texts);
    QFETCH(QStringList, lines);
    engine::Engine engine;
    LineCurveReport report;
    QCOMPARE(toQt(report.build(engine, lineCurveTexts(texts))), lines);
}

void TestGeometryReports::lineCurveStopsAtTheFault()
{
    engine::Engine engine;
    QFETCH(QStringList, texts);
    QFETCH(QStringList, lines);
    LineCurveReport report;
    QCOMPARE(toQt(report.build(engine, lineCurveTexts(texts))), lines);
}

void TestGeometryReports::slopeSentenceOfTheLastLineStands()
{
    engine::Engine engine;
    LineCurveReport report;
    const QStringList noLine = QStringList{"0", "0", "0"} + DefaultCurve;
    report.build(engine, lineCurveTexts(QStringList{"1", "0", "-2"} + DefaultCurve));
    QCOMPARE(toQt(report.build(engine, lineCurveTexts(noLine))), (QStringList{Header, Vertical}));
    report.build(engine, lineCurveTexts(QStringList{"1", "-1", "1"} + DefaultCurve));
    QCOMPARE(toQt(report.build(engine, lineCurveTexts(noLine))), (QStringList{Header, Sloped}));
    // A refused line changes nothing either.
    report.build(engine, lineCurveTexts(QStringList{"0", "0", "5"} + DefaultCurve));
    QCOMPARE(toQt(report.build(engine, lineCurveTexts(noLine))), (QStringList{Header, Sloped}));
}
