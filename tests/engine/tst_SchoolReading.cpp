// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_SchoolReading.h"

#include "SchoolReading.h"

#include <QTest>

using namespace orvane;

void TestSchoolReading::notes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("note");
    const auto row = [](const char* text, const char* note) {
        QTest::newRow(text) << QString::fromUtf8(text) << QString::fromUtf8(note);
    };
    // Read otherwise than at school.
    row("6*x^2", "按 (6*x)^2 计算");
    row("-x^2", "按 (-x)^2 计算");
    row("2*3^2", "按 (2*3)^2 计算");
    row("2^3^2", "按 (2^3)^2 计算");
    row("8/2^2", "按 (8/2)^2 计算");
    row("-2^2", "按 (-2)^2 计算");
    row("x^3-6*x^2+11*x-6", "按 (6*x)^2 计算");
    row("exp(-x^2)", "按 (-x)^2 计算");
    row("-x^2*3", "按 (-x)^2 计算");
    row("2^-x^2", "按 (2^(-x))^2 计算");
    row("x^2^3+a*b^2", "按 (x^2)^3，(a*b)^2 计算");
    row("sin(2*x^2)+1", "按 (2*x)^2 计算");
    row("（６*ｘ）+6*x^2", "按 (6*x)^2 计算");
    row("1-2*x^2*3", "按 (2*x)^2 计算");
    row("2/x^2", "按 (2/x)^2 计算");
    row("3*-x^2", "按 (3*(-x))^2 计算");
    // Read alike.
    row("x^2+sin(x)+1/x", "");
    // Grouped otherwise, but the same value whatever x holds.
    row("1/x^2", "");
    row("1*x^2", "");
    row("1/x^2+6*x^2", "按 (6*x)^2 计算");
    row("6*(x^2)", "");
    row("-(x^2)", "");
    row("2^3*2", "");
    row("x^2*3", "");
    row("-2*3", "");
    row("-x*y/2", "");
    row("a/b*c", "");
    row("2^-1", "");
    row("2--3", "");
    row("(6*x)^2", "");
    row("x^(1/3)", "");
    row("1E-05*x^1", "");
    row("1E-05*x^2", "按 (1E-05*x)^2 计算");
    row("2.5E+17", "");
    // Nothing to say about a text the evaluator cannot read.
    row("2x^2", "");
    row("--x^2", "");
    row("(6*x^2", "");
    row("", "");
}

void TestSchoolReading::notes()
{
    QFETCH(QString, text);
    QFETCH(QString, note);
    QCOMPARE(QString::fromStdString(SchoolReading::note(text.toStdString())), note);
}
