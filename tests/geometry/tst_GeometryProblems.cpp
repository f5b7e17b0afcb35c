// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_GeometryProblems.h"

#include "AnalyticGeometry.h"
#include "Engine.h"
#include "ExactReader.h"
#include "GeometryProblems.h"
#include "MathText.h"

#include <QRegularExpression>
#include <QTest>

using namespace orvane;
using namespace orvane::geometry;

Q_DECLARE_METATYPE(orvane::geometry::Problem)

namespace {

Solution solve(Problem problem, const QStringList& inputs)
{
    engine::Engine engine;
    engine.addUserConstant("Pi", "3.14159265358979");
    LineCurveReport lineCurve;
    std::vector<std::string> texts;
    for (const QString& input : inputs)
        texts.push_back(input.toStdString());
    return solveProblem(engine, problem, texts, lineCurve);
}

QStringList linesOf(const Solution& s)
{
    QStringList lines;
    for (const auto* part : {&s.report, &s.steps})
        for (const std::string& line : *part)
            lines << QString::fromStdString(line);
    return lines;
}

std::string exactText(const std::optional<Surd>& v)
{
    return v ? v->text() : std::string("none");
}

} // namespace

void TestGeometryProblems::surdArithmetic_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("exact"); // "none": leaves a + b√c
    QTest::newRow("√12 = 2√3") << "sqr(12)"
                               << "2√3";
    QTest::newRow("√(1/2) = √2/2") << "sqr(1/2)"
                                   << "√2/2";
    QTest::newRow("3/√2 = 3√2/2") << "3/sqr(2)"
                                  << "3√2/2";
    QTest::newRow("(1+√2)(1−√2) = −1") << "(1+sqr(2))*(1-sqr(2))"
                                       << "−1";
    QTest::newRow("1/(1+√2) = −1+√2") << "1/(1+sqr(2))"
                                      << "−1+√2";
    QTest::newRow("√2·√6 = 2√3") << "sqr(2)*sqr(6)"
                                 << "2√3";
    QTest::newRow("over one denominator") << "-16/25+24/25*sqr(6)"
                                          << "(−16+24√6)/25";
    QTest::newRow("2√10/3") << "2*sqr(10)/3"
                            << "2√10/3";
    QTest::newRow("√2 + √3 is no surd") << "sqr(2)+sqr(3)"
                                        << "none";
    QTest::newRow("nested root") << "sqr(1+sqr(2))"
                                 << "none";
    QTest::newRow("negative root") << "sqr(0-4)"
                                   << "none";
    QTest::newRow("division by zero") << "1/(sqr(2)-sqr(2))"
                                      << "none";
    QTest::newRow("decimals are exact") << "0.1*0.3"
                                        << "3/100";
    QTest::newRow("one level, left to right") << "2*3^2"
                                              << "36";
    QTest::newRow("whole powers only") << "2^0.5"
                                       << "none";
    QTest::newRow("negative power") << "2^-2"
                                    << "1/4";
    QTest::newRow("named constant") << "pi"
                                    << "none";
    QTest::newRow("large square factor") << "sqr(1000000000000*2)"
                                         << "1000000√2";
}

void TestGeometryProblems::surdArithmetic()
{
    QFETCH(QString, expression);
    QFETCH(QString, exact);
    QCOMPARE(QString::fromStdString(exactText(parseExact(expression.toStdString()))), exact);
}

void TestGeometryProblems::signOfASurd_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<int>("sign");
    QTest::newRow("1−√2") << "1-sqr(2)" << -1;
    QTest::newRow("3−2√2, just above 0") << "3-2*sqr(2)" << 1;
    QTest::newRow("−3+2√2") << "-3+2*sqr(2)" << -1;
    QTest::newRow("√8−2√2") << "sqr(8)-2*sqr(2)" << 0;
    QTest::newRow("−1−√2") << "-1-sqr(2)" << -1;
    QTest::newRow("99/70−√2, 7E−5 above") << "99/70-sqr(2)" << 1;
}

void TestGeometryProblems::signOfASurd()
{
    QFETCH(QString, expression);
    QFETCH(int, sign);
    const std::optional<Surd> v = parseExact(expression.toStdString());
    QVERIFY(v);
    QCOMPARE(v->sign(), sign);
}

void TestGeometryProblems::termsAsATextbookWrites_data()
{
    QTest::addColumn<QStringList>("coefficients"); // of x², x and 1
    QTest::addColumn<QString>("text");
    QTest::newRow("ones") << QStringList{"1", "-1", "1"} << "x²−x+1";
    QTest::newRow("leading minus") << QStringList{"-1", "0", "-1/2"} << "−x²−1/2";
    QTest::newRow("fractions") << QStringList{"0", "-3/2", "1/2"} << "−(3/2)x+1/2";
    QTest::newRow("roots") << QStringList{"sqr(3)", "2*sqr(3)", "-sqr(3)"} << "√3·x²+2√3·x−√3";
    QTest::newRow("sum of a number and a root")
        << QStringList{"1+sqr(2)", "1-sqr(2)", "0"} << "(1+√2)x²−(−1+√2)x";
    QTest::newRow("all zero") << QStringList{"0", "0", "0"} << "0";
}

void TestGeometryProblems::termsAsATextbookWrites()
{
    QFETCH(QStringList, coefficients);
    QFETCH(QString, text);
    std::vector<MathText::Term> terms;
    const char* unknowns[3] = {"x²", "x", ""};
    for (int i = 0; i < 3; ++i)
        terms.push_back(
            MathText::term(ExactReal(*parseExact(coefficients[i].toStdString())), unknowns[i]));
    QCOMPARE(QString::fromStdString(MathText::polynomial(terms)), text);
}

void TestGeometryProblems::wholeCoefficientsClearDenominators()
{
    const auto whole = [](std::vector<const char*> texts, bool divide) {
        std::vector<ExactReal> values;
        for (const char* t : texts)
            values.push_back(ExactReal(*parseExact(t)));
        QStringList out;
        for (const ExactReal& v : MathText::wholeCoefficients(values, divide))
            out << QString::fromStdString(MathText::number(v));
        return out;
    };
    // 1.5625x²−1.875x+0.5625=0 is 25x²−30x+9=0.
    QCOMPARE(whole({"1.5625", "-1.875", "0.5625"}, false), (QStringList{"25", "−30", "9"}));
    QCOMPARE(whole({"-2", "4", "6"}, false), (QStringList{"2", "−4", "−6"}));
    QCOMPARE(whole({"-2", "4", "6"}, true), (QStringList{"1", "−2", "−3"}));
    QCOMPARE(whole({"0", "-1/2", "1/3"}, true), (QStringList{"0", "3", "−2"}));
    // Roots cannot be cleared: only the sign is set.
    QCOMPARE(whole({"-sqr(2)", "1"}, true), (QStringList{"√2", "−1"}));
}

void TestGeometryProblems::readsExactly_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("exact");
    QTest::addColumn<double>("value");
    QTest::newRow("fraction") << "1/3" << true << 1.0 / 3;
    QTest::newRow("root") << "sqr(2)/2" << true << 0.70710678118654757;
    QTest::newRow("π stays a decimal") << "Pi/2" << false << 3.14159265358979 / 2;
    QTest::newRow("sine stays a decimal") << "sin(1)" << false << 0.8414709848078965;
}

void TestGeometryProblems::readsExactly()
{
    QFETCH(QString, text);
    QFETCH(bool, exact);
    QFETCH(double, value);
    engine::Engine engine;
    engine.addUserConstant("Pi", "3.14159265358979");
    const BoxValue box = readBox(engine, text.toStdString());
    QVERIFY(box.value);
    QCOMPARE(box.value->isExact(), exact);
    QVERIFY(qAbs(box.value->value() - value) < 1e-14);
}

void TestGeometryProblems::solvesAsATextbook_data()
{
    QTest::addColumn<Problem>("problem");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QStringList>("lines"); // each one a line of the report or the steps
    QTest::addColumn<bool>("answered");

    const auto row = [](const char* name, Problem p, const QString& inputs,
                        const QStringList& lines, bool answered = true) {
        QTest::newRow(name) << p << inputs.split(' ') << lines << answered;
    };
    const Problem P0 = Problem::TwoPoints, P1 = Problem::PointLine, P2 = Problem::TwoLines,
                  P3 = Problem::LineCurve, P4 = Problem::PointCurve, P5 = Problem::TwoCircles;

    // Two points: distance, midpoint, slope and inclination, the line through them.
    row("AB (0,0) (1,2)", P0, "0 0 1 2",
        {"|AB|=√((x₂−x₁)²+(y₂−y₁)²)=√((1−0)²+(2−0)²)=√5≈2.23606797749979",
         "线段AB的中点M((x₁+x₂)/2,(y₁+y₂)/2)，即M(1/2,1)",
         "斜率k=(y₂−y₁)/(x₂−x₁)=(2−0)/(1−0)=2，倾斜角α=arctan2≈63.434948822922°",
         "直线AB：y=2x，一般式为2x−y=0"});
    row("AB (−1,2) (3,−4)", P0, "-1 2 3 -4",
        {"|AB|=√((x₂−x₁)²+(y₂−y₁)²)=√((3−(−1))²+(−4−2)²)=2√13≈7.21110255092798",
         "线段AB的中点M((x₁+x₂)/2,(y₁+y₂)/2)，即M(1,−1)",
         "斜率k=(y₂−y₁)/(x₂−x₁)=(−4−2)/(3−(−1))=−3/2，倾斜角α=180°−arctan(3/2)≈123.69006752598°",
         "直线AB：y−2=−(3/2)(x+1)，即y=−(3/2)x+1/2，一般式为3x+2y−1=0"});
    row("AB vertical", P0, "1 1 1 5",
        {"|AB|=√((x₂−x₁)²+(y₂−y₁)²)=√((1−1)²+(5−1)²)=4", "x₁=x₂=1，直线AB的斜率不存在，倾斜角α=90°",
         "直线AB：x=1，一般式为x−1=0"});
    row("A and B one point", P0, "2 3 2 3",
        {"|AB|=√((x₂−x₁)²+(y₂−y₁)²)=√((2−2)²+(3−3)²)=0", "A、B两点重合，过它们的直线不唯一"});
    row("AB at 60°", P0, "0 0 1 sqr(3)",
        {"|AB|=√((x₂−x₁)²+(y₂−y₁)²)=√((1−0)²+(√3−0)²)=2",
         "线段AB的中点M((x₁+x₂)/2,(y₁+y₂)/2)，即M(1/2,√3/2)",
         "斜率k=(y₂−y₁)/(x₂−x₁)=(√3−0)/(1−0)=√3，倾斜角α=60°", "直线AB：y=√3·x，一般式为√3·x−y=0"});
    row("AB at 135°", P0, "0 0 -1 1",
        {"斜率k=(y₂−y₁)/(x₂−x₁)=(1−0)/(−1−0)=−1，倾斜角α=135°", "直线AB：y=−x，一般式为x+y=0"});
    row("AB decimals", P0, "0.5 1.5 2.5 -0.5",
        {"|AB|=√((x₂−x₁)²+(y₂−y₁)²)=√((5/2−1/2)²+(−1/2−3/2)²)=2√2≈2.82842712474619",
         "线段AB的中点M((x₁+x₂)/2,(y₁+y₂)/2)，即M(3/2,1/2)",
         "直线AB：y−3/2=−(x−1/2)，即y=−x+2，一般式为x+y−2=0"});
    row("AB far apart, no padding digits", P0, "1000000000 0 0 1000000000",
        {"1414213562.37310", "|AB|=√((x₂−x₁)²+(y₂−y₁)²)=√((0−1000000000)²+(1000000000−0)²)="
                             "1000000000√2≈1414213562.3731"});
    row("AB horizontal", P0, "1 2 5 2",
        {"斜率k=(y₂−y₁)/(x₂−x₁)=(2−2)/(5−1)=0，倾斜角α=0°", "直线AB：y−2=0，即y=2，一般式为y−2=0"});

    // Point and line: d = |Ax₀+By₀+C|/√(A²+B²) with the numbers in.
    row("P(1,1) to x+y+1=0", P1, "1 1 1 1 1",
        {"2.12132034355964", "点P(1,1)，直线l：x+y+1=0",
         "d=|Ax₀+By₀+C|/√(A²+B²)=|1×1+1×1+1|/√(1²+1²)=3/√2=3√2/2≈2.12132034355964"});
    row("P(1,1) to x−y+1=0", P1, "1 1 1 -1 1",
        {"0.707106781186548",
         "d=|Ax₀+By₀+C|/√(A²+B²)=|1×1+(−1)×1+1|/√(1²+(−1)²)=1/√2=√2/2≈0.707106781186548"});
    row("P(2,−1) to 3x−4y+5=0", P1, "2 -1 3 -4 5",
        {"d=|Ax₀+By₀+C|/√(A²+B²)=|3×2+(−4)×(−1)+5|/√(3²+(−4)²)=3"});
    row("P on the line", P1, "1 1 1 -1 0",
        {"d=|Ax₀+By₀+C|/√(A²+B²)=|1×1+(−1)×1+0|/√(1²+(−1)²)=0", "d=0，点P在直线l上"});
    row("0x+0y+3=0", P1, "1 1 0 0 3", {"“3=0”不能成为直线", "直线l：0x+0y+3=0 不是直线"}, false);
    row("0x+0y+0=0", P1, "1 1 0 0 0", {"", "直线l：0x+0y+0=0 不是直线"}, false);
    row("line with roots", P1, "2 -1 1/2 sqr(3)/2 -1",
        {"点P(2,−1)，直线l：(1/2)x+(√3/2)y−1=0",
         "d=|Ax₀+By₀+C|/√(A²+B²)=|(1/2)×2+(√3/2)×(−1)+(−1)|/√((1/2)²+(√3/2)²)=√3/"
         "2≈0.866025403784439"});
    row("decimal line cleared", P1, "0 0 0.3 0.4 -1",
        {"点P(0,0)，直线l：0.3x+0.4y−1=0，即3x+4y−10=0",
         "d=|Ax₀+By₀+C|/√(A²+B²)=|3×0+4×0+(−10)|/√(3²+4²)=2"});
    row("P(1,2) to 2x+y−1=0", P1, "1 2 2 1 -1",
        {"d=|Ax₀+By₀+C|/√(A²+B²)=|2×1+1×2+(−1)|/√(2²+1²)=3/√5=3√5/5≈1.34164078649987"});
    row("horizontal line", P1, "1 1 0 1 -3",
        {"点P(1,1)，直线l：y−3=0", "d=|Ax₀+By₀+C|/√(A²+B²)=|0×1+1×1+(−3)|/√(0²+1²)=2"});
    row("x₀ unreadable", P1, "abc 1 1 1 1", {"数据错误,请检查！", "x₀ 有误：“abc”不能计算"}, false);

    // Two lines: slopes, A₁B₂−A₂B₁, the crossing, tan θ or the parallel distance.
    row("crossing at arctan(1/3)", P2, "1 2 1 1 1 1",
        {"L₁：x+2y+1=0，k₁=−1/2", "L₂：x+y+1=0，k₂=−1", "A₁B₂−A₂B₁=1×1−1×2=−1≠0，两直线相交",
         "联立两直线方程，解得x=−1，y=0，交点为(−1,0)",
         "tanθ=|(k₂−k₁)/(1+k₁k₂)|=|(−1−(−1/2))/(1+(−1/2)×(−1))|=1/3",
         "两直线的夹角θ=arctan(1/3)≈18.434948822922°"});
    row("perpendicular", P2, "1 1 -3 1 -1 -1",
        {"A₁B₂−A₂B₁=1×(−1)−1×1=−2≠0，两直线相交", "联立两直线方程，解得x=2，y=1，交点为(2,1)",
         "A₁A₂+B₁B₂=1×1+1×(−1)=0，两直线垂直，夹角θ=90°"});
    row("perpendicular at a fraction", P2, "2 -1 1 1 2 -3",
        {"A₁B₂−A₂B₁=2×2−1×(−1)=5≠0，两直线相交",
         "联立两直线方程，解得x=1/5，y=7/5，交点为(1/5,7/5)",
         "A₁A₂+B₁B₂=2×1+(−1)×2=0，两直线垂直，夹角θ=90°"});
    row("parallel, √2 apart", P2, "1 1 1 2 2 6",
        {"A₁B₂−A₂B₁=1×2−2×1=0，两直线平行或重合", "L₂可化为x+y+3=0，C₁≠C₂，两直线平行",
         "两平行线间的距离d=|C₁−C₂|/√(A²+B²)=|1−3|/√(1²+1²)=√2≈1.4142135623731"});
    row("one line", P2, "1 1 1 2 2 2", {"两直线重合", "L₂可化为x+y+1=0，与L₁相同，两直线重合"});
    row("decimal parallels 2√10/3 apart", P2, "0.1 0.3 1 0.3 0.9 5",
        {"L₁：0.1x+0.3y+1=0，即x+3y+10=0，k₁=−1/3", "A₁B₂−A₂B₁=1×9−3×3=0，两直线平行或重合",
         "L₂可化为x+3y+50/3=0，C₁≠C₂，两直线平行",
         "两平行线间的距离d=|C₁−C₂|/√(A²+B²)=|10−50/3|/√(1²+3²)=2√10/3≈2.10818510677892"});
    row("roots, 30°", P2, "sqr(3) -1 1 1 -sqr(3) -2",
        {"L₁：√3·x−y+1=0，k₁=√3", "L₂：x−√3·y−2=0，k₂=√3/3",
         "A₁B₂−A₂B₁=√3×(−√3)−1×(−1)=−2≠0，两直线相交",
         "联立两直线方程，解得x=(−2−√3)/2，y=(−1−2√3)/2，交点为((−2−√3)/2,(−1−2√3)/2)",
         "两直线的夹角θ=30°"});
    row("one vertical, 45°", P2, "1 0 -1 1 1 0",
        {"L₁：x−1=0，即x=1，斜率不存在", "联立两直线方程，解得x=1，y=−1，交点为(1,−1)",
         "L₁的斜率不存在，tanθ=|1/k₂|=1", "两直线的夹角θ=45°"});
    row("parallel to the x axis", P2, "0 1 -1 0 1 1",
        {"两直线距离:2", "平行于X轴", "L₁：y−1=0，k₁=0", "L₂可化为y+1=0，C₁≠C₂，两直线平行",
         "两平行线间的距离d=|C₁−C₂|/√(A²+B²)=|−1−1|/√(0²+1²)=2"});
    row("vertical decimal line", P2, "0.5 0 -1 0 1 0",
        {"L₁：0.5x−1=0，即x−2=0，x=2，斜率不存在", "L₂：y=0，k₂=0", "A₁A₂+B₁B₂=1×0+0×1=0，两直线垂直，夹角θ=90°"});
    row("parallel to the y axis", P2, "1 0 -1 1 0 2",
        {"平行于Y轴", "L₂可化为x+2=0，C₁≠C₂，两直线平行",
         "两平行线间的距离d=|C₁−C₂|/√(A²+B²)=|−1−2|/√(1²+0²)=3"});
    row("parallel, 7/2 apart", P2, "3 4 -12 6 8 11",
        {"L₂可化为3x+4y+11/2=0，C₁≠C₂，两直线平行",
         "两平行线间的距离d=|C₁−C₂|/√(A²+B²)=|−12−11/2|/√(3²+4²)=7/2"});
    row("first line 0x+0y+1=0", P2, "0 0 1 1 1 1", {"两直线平行", "错误", "L₁：0x+0y+1=0 不是直线"},
        false);
    row("second line 0x+0y+2=0", P2, "1 1 1 0 0 2",
        {"两直线平行", "错误", "L₂：0x+0y+2=0 不是直线"}, false);
    row("no slopes at all", P2, "0 0 1 0 0 0", {"错误", "L₁：0x+0y+1=0 不是直线"}, false);
    row("all boxes empty", P2, "     ", {"你所输入的是原点", "L₁：0x+0y+0=0 不是直线"}, false);

    // Line and curve: substitution, the whole-number quadratic, Δ, Vieta, chord, points.
    row("x−2=0 and the ellipse", P3, "1 0 -2 9 16 0 0 0 -144",
        {"直线l：x−2=0，即x=2", "整理得16y²−108=0",
         "Δ=0²−4×16×(−108)=6912>0，直线与曲线C有两个交点",
         "|AB|=|y₁−y₂|=√((y₁+y₂)²−4y₁y₂)=√(0²−4×(−27/4))=3√3≈5.19615242270663",
         "交点为A(2,3√3/2)，B(2,−3√3/2)"});
    row("2x−4=0 is x=2", P3, "2 0 -4 9 16 0 0 0 -144",
        {"直线l：2x−4=0，即x=2", "整理得16y²−108=0", "交点为A(2,3√3/2)，B(2,−3√3/2)"});
    row("tangent x+y−5=0", P3, "1 1 -5 9 16 0 0 0 -144",
        {"整理得25x²−160x+256=0", "Δ=(−160)²−4×25×256=0，直线与曲线C相切",
         "x=−b/(2a)=16/5，切点为(16/5,9/5)"});
    row("y−4=0 misses", P3, "0 1 -4 9 16 0 0 0 -144",
        {"直线l：y−4=0，即y=4", "整理得9x²+112=0", "Δ=0²−4×9×112=−4032<0，直线与曲线C没有公共点"});
    row("0x+0y+5=0", P3, "0 0 5 9 16 0 0 0 -144",
        {"数据错误,请检查！", "直线l：0x+0y+5=0 不是直线"}, false);
    row("unreadable constant", P3, "1 -1 1 9 16 0 0 0 -144+",
        {"数据错误,请检查！", "曲线的常数项 有误：“-144+”不能计算"}, false);
    row("decimal tangency", P3, "1 1 -0.2 1 1 0 0 0 -0.02",
        {"直线l：x+y−0.2=0，即y=−x+1/5", "整理得100x²−20x+1=0",
         "Δ=(−20)²−4×100×1=0，直线与曲线C相切", "x=−b/(2a)=1/10，切点为(1/10,1/10)"});
    row("focal chord of y²=4x", P3, "1 -1 -1 0 1 -4 0 0 0",
        {"将y=x−1代入曲线C的方程，得(x−1)²−4x=0", "整理得x²−6x+1=0",
         "Δ=(−6)²−4×1×1=32>0，直线与曲线C有两个交点",
         "设交点A(x₁,y₁)，B(x₂,y₂)，由韦达定理得x₁+x₂=6，x₁x₂=1", "=√(1+1²)×√(6²−4×1)=8",
         "交点为A(3+2√2,2+2√2)，B(3−2√2,2−2√2)"});
    row("focal chord of x²/4+y²/3=1", P3, "1 -1 -1 1/4 1/3 0 0 0 -1",
        {"曲线C：(1/4)x²+(1/3)y²−1=0", "整理得7x²−8x−8=0",
         "Δ=(−8)²−4×7×(−8)=288>0，直线与曲线C有两个交点",
         "=√(1+1²)×√((8/7)²−4×(−8/7))=24/7≈3.42857142857143",
         "交点为A((4+6√2)/7,(−3+6√2)/7)，B((4−6√2)/7,(−3−6√2)/7)"});
    row("parallel to an asymptote", P3, "1 -1 1 1 -1 0 0 0 -1",
        {"整理得2x+2=0", "二次项系数为0，方程是一次方程，解得x=−1，直线与曲线C只有一个交点(−1,0)"});
    row("tangent with a root", P3, "1 -1 sqr(2) 1 1 0 0 0 -1",
        {"直线l：x−y+√2=0，即y=x+√2", "整理得2x²+2√2·x+1=0", "Δ=(2√2)²−4×2×1=0，直线与曲线C相切",
         "x=−b/(2a)=−√2/2，切点为(−√2/2,√2/2)"});
    row("xy=1", P3, "1 1 -3 0 0 0 0 1 -1",
        {"将y=−x+3代入曲线C的方程，得x(−x+3)−1=0", "整理得x²−3x+1=0",
         "Δ=(−3)²−4×1×1=5>0，直线与曲线C有两个交点", "=√(1+(−1)²)×√(3²−4×1)=√10≈3.16227766016838",
         // In the report's order: it solves −x²+3x−1=0, so (−b+√Δ)/(2a) is (3−√5)/2.
         "交点为：(0.382,2.618) | (2.618,0.382)",
         "交点为A((3−√5)/2,(3+√5)/2)，B((3+√5)/2,(3−√5)/2)"});
    row("a nested root opens", P3, "1 -1 1 1 1 sqr(2) 0 0 -1",
        {"整理得2x²+(2+√2)x=0", "Δ=(2+√2)²−4×2×0=6+4√2>0，直线与曲线C有两个交点",
         "解方程得x₁=0，x₂=(−2−√2)/2"});
    row("a nested root stays", P3, "1 -1 1 1 1 sqr(2) 0 0 -2",
        {"整理得2x²+(2+√2)x−1=0", "Δ=(2+√2)²−4×2×(−1)=14+4√2>0，直线与曲线C有两个交点",
         "=√(1+1²)×√(((−2−√2)/2)²−4×(−1/2))=3.13503223663588"});
    row("circle missed", P3, "1 1 5 1 1 0 0 0 -1",
        {"整理得2x²+10x+24=0", "Δ=10²−4×2×24=−92<0，直线与曲线C没有公共点"});
    row("line on a line pair", P3, "1 -1 0 1 -1 0 0 0 0",
        {"整理得0=0", "方程恒成立，直线在曲线C上"});
    row("empty box named", P3, "1 1 1 1 1 0 0 0 ", {"数据错误,请检查！", "曲线的常数项 有误：未填写"},
        false);
    row("no curve at all", P3, "1 1 1 0 0 0 0 0 0", {"曲线C：0=0 不是曲线"}, false);
    row("vertical tangent", P3, "1 0 -4 9 16 0 0 0 -144",
        {"整理得16y²=0", "Δ=0²−4×16×0=0，直线与曲线C相切", "y=−b/(2a)=0，切点为(4,0)"});

    // Point and curve: position, tangents through the point, points of contact.
    row("P(2,2) and x²+y²=4", P4, "2 2 1 1 0 0 0 -4",
        {"点P在圆C外", "过点P的切线有2条：", "切线y−2=0，切点(0,2)", "切线x−2=0，切点(2,0)",
         "即x²+y²=4，圆心(0,0)，半径r=2",
         "（也可由圆心到切线kx−y+2−2k=0的距离等于半径：|−2k+2|/√(k²+1)=2）"});
    row("P(0,3) and x²+4y²=4", P4, "0 3 1 4 0 0 0 -4",
        {"点P在椭圆C外", "由Δ=0化简得k²−2=0，解得k₁=√2，k₂=−√2", "切线√2·x−y+3=0，切点(−4√2/3,1/3)",
         "切线√2·x+y−3=0，切点(4√2/3,1/3)"});
    row("focus of y²=4x", P4, "1 0 0 1 -4 0 0 0",
        {"由Δ=0化简得k²+1=0，其判别式−4<0，k无实数解", "过点P不能作曲线C的切线"});
    row("P(0,1) and x²−y²=1", P4, "0 1 1 -1 0 0 0 -1",
        {"点P在曲线C外", "由Δ=0化简得k²−2=0，解得k₁=√2，k₂=−√2", "切线√2·x−y+1=0，切点(−√2,−1)",
         "切线√2·x+y−1=0，切点(√2,−1)"});
    row("P on the circle", P4, "3 4 1 1 0 0 0 -25",
        {"点P在圆C上", "过点P的切线有1条：", "切线3x+4y−25=0，切点(3,4)",
         "由Δ=0化简得16k²+24k+9=0，解得k=−3/4"});
    row("P inside", P4, "0 0 1 1 0 0 0 -4", {"点P在圆C内", "过点P不能作圆C的切线"});
    row("circle off the origin", P4, "3 0 1 1 -2 -4 0 1",
        {"即(x−1)²+(y−2)²=4，圆心(1,2)，半径r=2", "将点P的坐标代入方程左边，得4>0，点P在圆C外",
         "切线y=0，切点(1,0)", "切线x−3=0，切点(3,2)",
         "（也可由圆心到切线kx−y−3k=0的距离等于半径：|−2k−2|/√(k²+1)=2）"});
    row("no conic", P4, "0 0 0 0 1 0 0 -4", {"x−4=0 不是二次曲线"}, false);
    row("no real circle", P4, "0 0 1 1 0 0 0 1", {"x²+y²+1=0 没有实点或只有一个点，不是椭圆或圆"},
        false);

    // Two circles: d against r₁ ± r₂, common chord, crossing points.
    row("crossing circles", P5, "0 0 2 1 1 2",
        {"圆心距d=√2≈1.4142135623731，r₁+r₂=4，|r₁−r₂|=0", "|r₁−r₂|<d<r₁+r₂，两圆相交",
         "公共弦所在直线：x+y−1=0", "公共弦长：√14≈3.74165738677394",
         "交点为：((1+√7)/2,(1−√7)/2) | ((1−√7)/2,(1+√7)/2)", "两式相减得公共弦所在直线：x+y−1=0"});
    row("touching outside", P5, "0 0 1 3 0 2",
        {"d=r₁+r₂，两圆外切", "公切线（过切点）：x−1=0", "切点为：(1,0)"});
    row("apart", P5, "0 0 1 5 0 2", {"圆心距d=5，r₁+r₂=3，|r₁−r₂|=1", "d>r₁+r₂，两圆外离"});
    row("touching inside", P5, "0 0 3 1 0 2",
        {"d=|r₁−r₂|，两圆内切", "公切线（过切点）：x−3=0", "切点为：(3,0)"});
    row("one inside the other", P5, "0 0 5 1 0 1", {"d<|r₁−r₂|，两圆内含"});
    row("one circle", P5, "0 0 2 0 0 2", {"d=0且r₁=r₂，两圆重合"});
    row("concentric", P5, "0 0 2 0 0 1", {"d=0，两圆为同心圆（内含）"});
    row("chord 2√2", P5, "0 0 2 2 2 2",
        {"公共弦所在直线：x+y−2=0", "公共弦长：2√2≈2.82842712474619", "交点为：(2,0) | (0,2)",
         "圆心C₁到公共弦的距离d₁=√2≈1.4142135623731，公共弦长=2√(r₁²−d₁²)=2√2≈2.82842712474619"});
    row("radius 0", P5, "0 0 0 1 1 1", {"r₁ 有误：半径须大于0"}, false);
    row("empty box named", P5, "0 0 2 1 1 ", {"r₂ 有误：未填写"}, false);
}

void TestGeometryProblems::solvesAsATextbook()
{
    QFETCH(Problem, problem);
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, lines);
    QFETCH(bool, answered);
    const Solution solution = solve(problem, inputs);
    const QStringList got = linesOf(solution);
    for (const QString& line : lines)
        QVERIFY2(got.contains(line),
                 qPrintable(QStringLiteral("missing: %1\ngot:\n%2").arg(line, got.join('\n'))));
    QCOMPARE(solution.answered, answered);
    // Textbook notation throughout: no computer signs.
    for (const QString& line : QStringList(got.mid(int(solution.report.size()))))
        for (const char* computer : {"\\+-", "\\*", "\\^", "--", "Sqr", "(?<![0-9.])1[xy]"})
            QVERIFY2(!line.contains(QRegularExpression(QString::fromUtf8(computer))),
                     qPrintable(line));
}

void TestGeometryProblems::stepsOfTheDefaultLineAndCurve()
{
    const Solution s =
        solve(Problem::LineCurve, {"1", "-1", "1", "9", "16", "0", "0", "0", "-144"});
    const std::string expected =
        "\r\n直线l和曲线C的关系如下："
        "\r\n∵b≠0,∴直线的斜率存在,即有"
        "\r\n消去y得：25*x^2+32*x+-128=0"
        "\r\n由△=13824>0可知：直线和曲线有两交点"
        "\r\n截得弦长：6.65107510106449"
        "\r\n交点为：(1.7115,2.7115) | (-2.9915,-1.9915)"
        "\r\n"
        "\r\n详细步骤："
        "\r\n直线l：x−y+1=0，即y=x+1"
        "\r\n曲线C：9x²+16y²−144=0"
        "\r\n将y=x+1代入曲线C的方程，得9x²+16(x+1)²−144=0"
        "\r\n整理得25x²+32x−128=0"
        "\r\nΔ=32²−4×25×(−128)=13824>0，直线与曲线C有两个交点"
        "\r\n设交点A(x₁,y₁)，B(x₂,y₂)，由韦达定理得x₁+x₂=−32/25，x₁x₂=−128/25"
        "\r\n|AB|=√(1+k²)·|x₁−x₂|=√(1+k²)·√((x₁+x₂)²−4x₁x₂)"
        "\r\n=√(1+1²)×√((−32/25)²−4×(−128/25))=96√3/25≈6.65107510106449"
        "\r\n解方程得x₁=(−16+24√6)/25，x₂=(−16−24√6)/25"
        "\r\n交点为A((−16+24√6)/25,(9+24√6)/25)，B((−16−24√6)/25,(9−24√6)/25)";
    QCOMPARE(solutionText(s, true), expected);
    QCOMPARE(solutionText(s, false), expected.substr(0, expected.find("\r\n\r\n")));
}

void TestGeometryProblems::stepsAreDecimalForInexactData()
{
    // π is no exact number: the steps go on in decimals and agree with the report.
    const Solution s = solve(Problem::PointLine, {"Pi", "0", "1", "0", "0"});
    QCOMPARE(QString::fromStdString(s.report.at(1)), QStringLiteral("3.14159265358979"));
    QVERIFY(linesOf(s).contains(QStringLiteral(
        "d=|Ax₀+By₀+C|/√(A²+B²)=|1×3.14159265358979+0×0+0|/√(1²+0²)=3.14159265358979")));
}

void TestGeometryProblems::distancesShowNoPaddingDigits_data()
{
    QTest::addColumn<double>("distance");
    QTest::addColumn<QString>("text");
    QTest::newRow("√5, all 15 digits") << 2.23606797749979 << "2.23606797749979";
    QTest::newRow("nine decimals at least") << 2.0 << "2.000000000";
    QTest::newRow("ten integer digits") << 1414213562.373095 << "1414213562.37310";
    // Where the whole part holds every digit, the pattern's decimals stay as they were.
    QTest::newRow("fifteen integer digits") << 123456789012345.0 << "123456789012345.000000000";
    QTest::newRow("small") << 0.000001 << "0.000001000";
}

void TestGeometryProblems::distancesShowNoPaddingDigits()
{
    QFETCH(double, distance);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(AnalyticGeometry::distanceText(distance)), text);
}
