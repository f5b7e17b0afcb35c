// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_InverseTrig.h"

#include "InverseTrigWindow.h"
#include "ToolsTesting.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace orvane;
using namespace orvane::testing;

void TestInverseTrig::window()
{
    FakeServices fakes;
    InverseTrigWindow w(fakes.services, nullptr);
    QCOMPARE(w.windowTitle(), QStringLiteral("计算反三角函数"));
    QVERIFY(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(w.size(), QSize(3210 / 15, 3200 / 15));
    QCOMPARE(control<QLabel>(w, "Label1")->text(), QStringLiteral("输入："));
    QCOMPARE(control<QLineEdit>(w, "txtInp")->text(), QStringLiteral("1"));
    QCOMPARE(control<QPushButton>(w, "cmdArcSin")->text(), QStringLiteral("反正弦"));
    QCOMPARE(control<QPushButton>(w, "cmdArcCos")->text(), QStringLiteral("反余弦"));
    QCOMPARE(control<QPushButton>(w, "cmdArcTg")->text(), QStringLiteral("反正切"));
    QCOMPARE(control<QPushButton>(w, "cmdArcCtg")->text(), QStringLiteral("反余切"));
    QLineEdit* res = control<QLineEdit>(w, "txtRes");
    QCOMPARE(res->text(), QStringLiteral("结果为角度(0°~90°)"));
    QCOMPARE(res->toolTip(), QStringLiteral("结果为角度(0°~90°)"));
}

void TestInverseTrig::results_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("shown");
    QTest::newRow("asn 1") << "1"
                           << "cmdArcSin"
                           << "90.00度";
    QTest::newRow("acs 1") << "1"
                           << "cmdArcCos"
                           << "0.00度";
    QTest::newRow("atn 1") << "1"
                           << "cmdArcTg"
                           << "45.00度";
    QTest::newRow("acg 1") << "1"
                           << "cmdArcCtg"
                           << "45.00度";
    QTest::newRow("asn 1/2") << "1/2"
                             << "cmdArcSin"
                             << "30.00度";
    QTest::newRow("acs -0.5") << "-0.5"
                              << "cmdArcCos"
                              << "120.00度";
    // The school's ranges: arccot in (0°, 180°), arccos(-1) = 180°.
    QTest::newRow("acg -1") << "-1"
                            << "cmdArcCtg"
                            << "135.00度";
    QTest::newRow("acg -sqr(3)") << "-sqr(3)"
                                 << "cmdArcCtg"
                                 << "150.00度";
    QTest::newRow("asn sqr(3)/2") << "sqr(3)/2"
                                  << "cmdArcSin"
                                  << "60.00度";
    QTest::newRow("atn 1/3 has three decimals") << "1/3"
                                                << "cmdArcTg"
                                                << "18.435度";
    // Interior points, degrees from a table of inverse trigonometric functions.
    QTest::newRow("acs 0.5 = 60°") << "0.5"
                                   << "cmdArcCos"
                                   << "60.00度";
    QTest::newRow("asn -0.5 = -30°") << "-0.5"
                                     << "cmdArcSin"
                                     << "-30.00度";
    QTest::newRow("asn 0.3 = 17.4576°") << "0.3"
                                        << "cmdArcSin"
                                        << "17.458度";
    QTest::newRow("asn -0.3 = -17.4576°") << "-0.3"
                                          << "cmdArcSin"
                                          << "-17.458度";
    QTest::newRow("acs 0.3 = 72.5424°") << "0.3"
                                        << "cmdArcCos"
                                        << "72.542度";
    QTest::newRow("acs -0.3 = 107.4576°") << "-0.3"
                                          << "cmdArcCos"
                                          << "107.458度";
    QTest::newRow("acs -1") << "-1"
                            << "cmdArcCos"
                            << "180.00度";
    QTest::newRow("asn 2") << "2"
                           << "cmdArcSin"
                           << " Error";
    QTest::newRow("acg 0") << "0"
                           << "cmdArcCtg"
                           << "90.00度";
    QTest::newRow("empty") << ""
                           << "cmdArcSin"
                           << " Error";
    QTest::newRow("not an expression") << "1+"
                                       << "cmdArcTg"
                                       << " Error";
}

void TestInverseTrig::results()
{
    QFETCH(QString, input);
    QFETCH(QString, button);
    QFETCH(QString, shown);
    FakeServices fakes;
    InverseTrigWindow w(fakes.services, nullptr);
    retype(control<QLineEdit>(w, "txtInp"), input);
    QTest::mouseClick(control<QPushButton>(w, button), Qt::LeftButton);
    QCOMPARE(control<QLineEdit>(w, "txtRes")->text(), shown);
    QCOMPARE(fakes.dialogs.calls.size(), 0);
}

void TestInverseTrig::focusSelectsInput()
{
    FakeServices fakes;
    InverseTrigWindow w(fakes.services, nullptr);
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QLineEdit* input = control<QLineEdit>(w, "txtInp");
    retype(input, QStringLiteral("0.25"));
    control<QPushButton>(w, "cmdArcSin")->setFocus();
    input->setFocus();
    QTRY_COMPARE(input->selectedText(), QStringLiteral("0.25"));
    QTest::keyClicks(input, QStringLiteral("2"));
    QCOMPARE(input->text(), QStringLiteral("2"));
}
