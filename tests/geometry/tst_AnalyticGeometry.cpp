// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_AnalyticGeometry.h"

#include "AnalyticGeometry.h"
#include "Engine.h"
#include "NumberText.h"

#include <QTest>

#include <cmath>

using namespace orvane;
using AnalyticGeometry::Fault;
using AnalyticGeometry::LineAndCurve;

Q_DECLARE_METATYPE(LineAndCurve)

namespace {

// The curve 9x² + 16y² − 144 = 0 with the line a·x + b·y + c = 0.
LineAndCurve withEllipse(double a, double b, double c)
{
    return {a, b, c, 9, 16, 0, 0, 0, -144};
}

QString general(double v)
{
    return QString::fromStdString(NumberText::generalForm(v));
}

template <typename T> QString faultName(const AnalyticGeometry::Checked<T>& r)
{
    if (r.ok()) return QStringLiteral("ok");
    switch (r.fault()) {
    case Fault::BadInput:
        return QStringLiteral("BadInput");
    case Fault::DivisionByZero:
        return QStringLiteral("DivisionByZero");
    case Fault::InvalidOperation:
        return QStringLiteral("InvalidOperation");
    case Fault::Overflow:
        return QStringLiteral("Overflow");
    }
    return {};
}

} // namespace

void TestAnalyticGeometry::twoPointDistance_data()
{
    QTest::addColumn<double>("x1");
    QTest::addColumn<double>("x2");
    QTest::addColumn<double>("y1");
    QTest::addColumn<double>("y2");
    QTest::addColumn<QString>("expected");

    QTest::newRow("(0,0) to (1,2)") << 0.0 << 1.0 << 0.0 << 2.0 << general(std::sqrt(5.0));
    // x of both points first, then y of both: (0,0) to (3,4), not (0,3) to (0,4).
    QTest::newRow("argument order") << 0.0 << 3.0 << 0.0 << 4.0 << QStringLiteral("5");
    QTest::newRow("same point") << -2.5 << -2.5 << 7.0 << 7.0 << QStringLiteral("0");
    QTest::newRow("squares overflow") << 0.0 << 1e200 << 0.0 << 0.0 << QStringLiteral("Overflow");
    QTest::newRow("difference overflows")
        << -1.7e308 << 1.7e308 << 0.0 << 0.0 << QStringLiteral("Overflow");
}

void TestAnalyticGeometry::twoPointDistance()
{
    QFETCH(double, x1);
    QFETCH(double, x2);
    QFETCH(double, y1);
    QFETCH(double, y2);
    QFETCH(QString, expected);
    const auto d = AnalyticGeometry::twoPointDistance(x1, x2, y1, y2);
    QCOMPARE(d.ok() ? general(d.value()) : faultName(d), expected);
}

void TestAnalyticGeometry::pointLineDistanceText_data()
{
    QTest::addColumn<QStringList>("texts"); // x0, y0, a, b, c
    QTest::addColumn<QString>("expected");

    QTest::newRow("(1,1) to x+y+1=0")
        << QStringList{"1", "1", "1", "1", "1"} << QStringLiteral("2.12132034355964");
    QTest::newRow("whole distance keeps nine decimals")
        << QStringList{"5", "5", "0", "1", "-2"} << QStringLiteral("3.000000000");
    QTest::newRow("vertical line")
        << QStringList{"0", "0", "2", "0", "-1"} << QStringLiteral("0.500000000");
    QTest::newRow("point on the line")
        << QStringList{"1", "-2", "1", "1", "1"} << QStringLiteral("0.000000000");
    QTest::newRow("expressions are evaluated")
        << QStringList{"1/2", "sqr(4)", "3", "-4", "pi-pi"} << QStringLiteral("1.300000000");
    QTest::newRow("only c: no line")
        << QStringList{"1", "1", "0", "0", "3"} << QStringLiteral("“3=0”不能成为直线");
    QTest::newRow("only c, echoed as typed")
        << QStringList{"1", "1", "0", "0", " 1+2"} << QStringLiteral("“ 1+2=0”不能成为直线");
    QTest::newRow("all zero: nothing") << QStringList{"1", "1", "0", "0", "0"} << QString();
    QTest::newRow("text that does not evaluate")
        << QStringList{"1", "1x5", "1", "1", "1"} << QStringLiteral("BadInput");
    QTest::newRow("squares overflow")
        << QStringList{"0", "0", "10^200", "10^200", "1"} << QStringLiteral("Overflow");
    // a² is far below the smallest double, but the distance is not.
    QTest::newRow("tiny coefficients")
        << QStringList{"0", "0", "10^-200", "0", "1"} << "1" + QString(200, '0') + ".000000000";
    QTest::newRow("quotient overflows")
        << QStringList{"0", "0", "10^-200", "0", "10^200"} << QStringLiteral("Overflow");
}

void TestAnalyticGeometry::pointLineDistanceText()
{
    QFETCH(QStringList, texts);
    QFETCH(QString, expected);
    engine::Engine engine;
    engine.addUserConstant("Pi", "3.14159265358979");
    const auto r = AnalyticGeometry::pointLineDistanceText(
        engine, texts[0].toStdString(), texts[1].toStdString(), texts[2].toStdString(),
        texts[3].toStdString(), texts[4].toStdString());
    QCOMPARE(r.ok() ? QString::fromStdString(r.value()) : faultName(r), expected);
}

void TestAnalyticGeometry::elimination_data()
{
    QTest::addColumn<LineAndCurve>("lc");
    QTest::addColumn<QString>("qa");
    QTest::addColumn<QString>("qb");
    QTest::addColumn<QString>("qc");
    QTest::addColumn<QString>("delta");
    QTest::addColumn<QString>("note"); // empty: no sentence of its own

    const QString sloped = QStringLiteral("∵b≠0,∴直线的斜率存在,即有");
    const QString vertical = QStringLiteral("∵b=0,∴直线l没有斜率");
    QTest::newRow("x-y+1=0") << withEllipse(1, -1, 1) << "25"
                             << "32"
                             << "-128"
                             << "13824" << sloped;
    QTest::newRow("x=2") << withEllipse(1, 0, -2) << "16"
                         << "0"
                         << "-108"
                         << "6912" << vertical;
    QTest::newRow("2x-4=0 like x=2") << withEllipse(2, 0, -4) << "16"
                                     << "0"
                                     << "-108"
                                     << "6912" << vertical;
    QTest::newRow("tangent x+y-5=0") << withEllipse(1, 1, -5) << "25"
                                     << "-160"
                                     << "256"
                                     << "0" << sloped;
    QTest::newRow("y=4 misses") << withEllipse(0, 1, -4) << "9"
                                << "0"
                                << "112"
                                << "-4032" << sloped;
    QTest::newRow("a=b=0") << withEllipse(0, 0, 5) << "0"
                           << "0"
                           << "0"
                           << "0" << QString();
    // Every coefficient of the curve in play: x² + 2y² + 3x + 4y + 5xy + 6 = 0.
    QTest::newRow("full curve, 2x+y-1=0") << LineAndCurve{2, 1, -1, 1, 2, 3, 4, 5, 6} << "-1"
                                          << "-8"
                                          << "12"
                                          << "112" << sloped;
    QTest::newRow("full curve, x=2") << LineAndCurve{1, 0, -2, 1, 2, 3, 4, 5, 6} << "2"
                                     << "14"
                                     << "16"
                                     << "68" << vertical;
}

void TestAnalyticGeometry::elimination()
{
    QFETCH(LineAndCurve, lc);
    QFETCH(QString, qa);
    QFETCH(QString, qb);
    QFETCH(QString, qc);
    QFETCH(QString, delta);
    QFETCH(QString, note);
    QCOMPARE(general(AnalyticGeometry::lineCurveA(lc).value()), qa);
    QCOMPARE(general(AnalyticGeometry::lineCurveB(lc).value()), qb);
    QCOMPARE(general(AnalyticGeometry::lineCurveC(lc).value()), qc);
    QCOMPARE(general(AnalyticGeometry::lineCurveDiscriminant(lc).value()), delta);
    QCOMPARE(QString::fromStdString(AnalyticGeometry::slopeNote(lc).value_or("")), note);
}

void TestAnalyticGeometry::chordLength_data()
{
    QTest::addColumn<LineAndCurve>("lc");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("roots"); // "y1,y2", or empty when none are stored

    const double r = std::sqrt(6912.0) / 32;
    QTest::newRow("x-y+1=0") << withEllipse(1, -1, 1) << "6.65107510106449" << QString();
    QTest::newRow("x=2") << withEllipse(1, 0, -2) << general(2 * r)
                         << general(r) + "," + general(-r);
    QTest::newRow("tangent x=4: equal roots") << withEllipse(1, 0, -4) << "0"
                                              << "0,0";
    QTest::newRow("x=5 misses") << withEllipse(1, 0, -5) << "0" << QString();
    QTest::newRow("a=b=0") << withEllipse(0, 0, 0) << "0" << QString();
}

void TestAnalyticGeometry::chordLength()
{
    QFETCH(LineAndCurve, lc);
    QFETCH(QString, length);
    QFETCH(QString, roots);
    const auto chord = AnalyticGeometry::chordLength(lc).value();
    QCOMPARE(general(chord.length), length);
    QCOMPARE(chord.RootY1.has_value(), !roots.isEmpty());
    QCOMPARE(chord.RootY2.has_value(), !roots.isEmpty());
    if (chord.RootY1) QCOMPARE(general(*chord.RootY1) + "," + general(*chord.RootY2), roots);
}

void TestAnalyticGeometry::faults_data()
{
    QTest::addColumn<LineAndCurve>("lc");
    QTest::addColumn<QString>("chord");
    QTest::addColumn<QString>("qa");

    // y = x + 1 is parallel to an asymptote of x² − y² = 1: qa = 0 while Δ = 4.
    QTest::newRow("qa=0, sloped line")
        << LineAndCurve{1, -1, 1, 1, -1, 0, 0, 0, -1} << "DivisionByZero"
        << "ok";
    // x = 1 against y = x²: no y² term, so qa = 0.
    QTest::newRow("qa=0, vertical line")
        << LineAndCurve{1, 0, -1, 1, 0, 0, -1, 0, 0} << "DivisionByZero"
        << "ok";
    QTest::newRow("sloped line, no intersection") << withEllipse(0, 1, -4) << "InvalidOperation"
                                                  << "ok";
    QTest::newRow("huge slope") << withEllipse(1e200, 1, 0) << "Overflow"
                                << "Overflow";
}

void TestAnalyticGeometry::faults()
{
    QFETCH(LineAndCurve, lc);
    QFETCH(QString, chord);
    QFETCH(QString, qa);
    QCOMPARE(faultName(AnalyticGeometry::chordLength(lc)), chord);
    QCOMPARE(faultName(AnalyticGeometry::lineCurveA(lc)), qa);
}
