// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_FunctionGraphFile.h"

#include "FakeFunctionTarget.h"
#include "FileBytes.h"
#include "FunctionGraphFile.h"

#include <QFile>
#include <QTest>

using namespace orvane;

namespace {
const QString Circle = QStringLiteral("(x-1)^2+(y-2)^2=9");
const QString EllipseAlongX = QStringLiteral(" (x^2)/25+(y^2)/9=1");
const QString HyperbolaAlongY = QStringLiteral("-(x^2)/16+(y^2)/9=1");
} // namespace

QString TestFunctionGraphFile::path() const
{
    return dir_.filePath(QStringLiteral("a.fun"));
}

void TestFunctionGraphFile::init()
{
    QFile::remove(path());
}

void TestFunctionGraphFile::savesAllFunctions_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("circle leaves no gap")
        << QStringList{"y=x^2", Circle, "p=4/(2-2*cos(x))"}
        << QByteArray("[Image]\r\nCount=2\r\nFunction0=y=x^2\r\nFunction1=p=4/(2-2*cos(x))\r\n");
    QTest::newRow("only conics opening along x")
        << QStringList{Circle, EllipseAlongX} << QByteArray("[Image]\r\nCount=0\r\n");
    QTest::newRow("hyperbola along y is written")
        << QStringList{"y=x^2", HyperbolaAlongY}
        << "[Image]\r\nCount=2\r\nFunction0=y=x^2\r\nFunction1=" + HyperbolaAlongY.toLatin1() +
               "\r\n";
    QTest::newRow("empty list") << QStringList{} << QByteArray("[Image]\r\nCount=0\r\n");
    QTest::newRow("Chinese in GBK")
        << QStringList{QStringLiteral("y=x*中")}
        << QByteArray("[Image]\r\nCount=1\r\nFunction0=y=x*\xd6\xd0\r\n");
}

void TestFunctionGraphFile::savesAllFunctions()
{
    QFETCH(QStringList, rows);
    QFETCH(QByteArray, file);
    FakeFunctionTarget target;
    target.rows = rows;
    QVERIFY(saveAllFunctions(path(), target));
    QCOMPARE(readBytes(path()), file);
    // The last row stays selected, as after walking the list.
    QCOMPARE(target.selectedRow, int(rows.size()) - 1);
}

void TestFunctionGraphFile::savesTheCurrentFunction_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("y") << int(PlotKind::Y)
                       << QByteArray("[Image]\r\nCount=0\r\nXYP=Y\r\nFunction=x^2\r\n");
    QTest::newRow("x") << int(PlotKind::X)
                       << QByteArray("[Image]\r\nCount=0\r\nXYP=X\r\nFunction=y/2\r\n");
    QTest::newRow("polar") << int(PlotKind::Polar)
                           << QByteArray("[Image]\r\nCount=0\r\nXYP=P\r\nFunction=2*sin(x\r\n");
    QTest::newRow("none selected") << -1 << QByteArray("[Image]\r\nCount=0\r\n");
}

void TestFunctionGraphFile::savesTheCurrentFunction()
{
    QFETCH(int, kind);
    QFETCH(QByteArray, file);
    FakeFunctionTarget target;
    target.boxes[0] = QStringLiteral("x^2");
    target.boxes[1] = QStringLiteral("y/2");
    target.boxes[2] = QStringLiteral("2*sin(x"); // saved as typed, not checked
    if (kind >= 0) target.kind = PlotKind(kind);
    QVERIFY(saveCurrentFunction(path(), target));
    QCOMPARE(readBytes(path()), file);
}

void TestFunctionGraphFile::savingKeepsOtherKeys()
{
    writeBytes(path(),
               "[Other]\r\nA=1\r\n[Image]\r\nCount=2\r\nFunction0=y=x\r\nFunction1=x=y\r\n");
    FakeFunctionTarget target;
    target.kind = PlotKind::Y;
    target.boxes[0] = QStringLiteral("x^3");
    QVERIFY(saveCurrentFunction(path(), target));
    QCOMPARE(readBytes(path()),
             QByteArray("[Other]\r\nA=1\r\n[Image]\r\nCount=0\r\nFunction0=y=x\r\n"
                        "Function1=x=y\r\nXYP=Y\r\nFunction=x^3\r\n"));
    // The old numbered entries are now ignored.
    FakeFunctionTarget loader;
    openFunctionFile(path(), loader);
    QCOMPARE(loader.log, (QStringList{"select y", "draw y=x^3"}));
}

void TestFunctionGraphFile::opens_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("log");
    const QByteArray head = "[Image]\r\n";
    QTest::newRow("list form")
        << head +
               "Count=3\r\nFunction0=y=x^2\r\nFunction1=x=y^2/16\r\nFunction2=p=4/(2-2*cos(x))\r\n"
        << QStringList{"select y",      "draw y=x^2", "select x",
                       "draw x=y^2/16", "select p",   "draw p=4/(2-2*cos(x))"};
    QTest::newRow("capital prefix") << head + "Count=1\r\nFunction0=Y=x+1\r\n"
                                    << QStringList{"select y", "draw y=x+1"};
    QTest::newRow("leading blank dropped") << head + "Count=1\r\nFunction0= y=x\r\n"
                                           << QStringList{"select y", "draw y=x"};
    QTest::newRow("parametric row")
        << head + "Count=2\r\nFunction0=t: x=cos(t)*3, y=sin(t)*2\r\nFunction1=y=1\r\n"
        << QStringList{"select t", "draw t: x=cos(t)*3, y=sin(t)*2", "select y", "draw y=1"};
    QTest::newRow("other first letter skipped")
        << head + "Count=2\r\nFunction0=q=x\r\nFunction1=x=y\r\n"
        << QStringList{"select x", "draw x=y"};
    QTest::newRow("hyperbola along y skipped")
        << head + "Count=2\r\nFunction0=y=x^2\r\nFunction1=-(x^2)/16+(y^2)/9=1\r\n"
        << QStringList{"select y", "draw y=x^2"};
    QTest::newRow("count truncated down")
        << head + "Count=2.7\r\nFunction0=y=1\r\nFunction1=y=2\r\nFunction2=y=3\r\n"
        << QStringList{"select y", "draw y=1", "select y", "draw y=2"};
    QTest::newRow("count larger than the entries")
        << head + "Count=5\r\nFunction0=y=1\r\nFunction3=y=4\r\n"
        << QStringList{"select y", "draw y=1", "select y", "draw y=4"};
    QTest::newRow("stale entries past the count ignored")
        << head + "Count=1\r\nFunction0=y=1\r\nFunction1=y=2\r\n"
        << QStringList{"select y", "draw y=1"};
    QTest::newRow("negative count") << head + "Count=-1\r\nFunction0=y=1\r\n" << QStringList{};
    QTest::newRow("no count") << head + "XYP=Y\r\nFunction=x\r\n" << QStringList{};
    QTest::newRow("count not a number") << head + "Count=two\r\nFunction0=y=1\r\n" << QStringList{};
    QTest::newRow("single form") << head + "Count=0\r\nXYP=P\r\nFunction=2\r\n"
                                 << QStringList{"select p", "draw p=2"};
    QTest::newRow("single form, count below 1") << head + "Count=0.5\r\nXYP=X\r\nFunction=y\r\n"
                                                << QStringList{"select x", "draw x=y"};
    QTest::newRow("single form wants upper case") << head + "Count=0\r\nXYP=y\r\nFunction=x\r\n"
                                                  << QStringList{};
    QTest::newRow("single form without XYP") << head + "Count=0\r\nFunction=x\r\n" << QStringList{};
    QTest::newRow("keys without regard to case")
        << QByteArray("[image]\r\ncount=1\r\nFUNCTION0=x=1\r\n")
        << QStringList{"select x", "draw x=1"};
    QTest::newRow("Chinese expression") << head + "Count=1\r\nFunction0=y=x*\xd6\xd0\r\n"
                                        << QStringList{"select y", QStringLiteral("draw y=x*中")};
    // Faults of older copies, mended: a huge count must not walk two billion keys, and a
    // cut-short entry is skipped instead of ending the load.
    QTest::newRow("huge count stops at the last entry")
        << head + "Count=2147483647\r\nFunction0=y=1\r\nFunction1=y=2\r\n"
        << QStringList{"select y", "draw y=1", "select y", "draw y=2"};
    QTest::newRow("astronomical count") << head + "Count=1e300\r\nFunction0=y=1\r\n"
                                        << QStringList{"select y", "draw y=1"};
    QTest::newRow("entry shorter than its prefix skipped")
        << head + "Count=3\r\nFunction0=y=1\r\nFunction1=y\r\nFunction2=x=2\r\n"
        << QStringList{"select y", "draw y=1", "select x", "draw x=2"};
    QTest::newRow("binary file") << QByteArray("[Image]\r\nCount=1\r\nFunction0=y=1\r\n") +
                                        QByteArray(1, '\0') + "\xff"
                                 << QStringList{};
    QTest::newRow("UTF-16 file")
        << QByteArray(reinterpret_cast<const char*>(u"[Image]\r\nCount=1\r\nFunction0=y=1\r\n"), 66)
        << QStringList{};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
}

void TestFunctionGraphFile::opens()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, log);
    writeBytes(path(), file);
    FakeFunctionTarget target;
    openFunctionFile(path(), target);
    QCOMPARE(target.log, log);
}

void TestFunctionGraphFile::opensLongEntriesCut()
{
    writeBytes(path(), "[Image]\r\nCount=1\r\nFunction0=y=" + QByteArray(300, '1') + "\r\n");
    FakeFunctionTarget target;
    openFunctionFile(path(), target);
    QCOMPARE(target.boxes[0], QString(252, QLatin1Char('1')));
}

void TestFunctionGraphFile::opensNothingFromOddPaths()
{
    FakeFunctionTarget target;
    openFunctionFile(dir_.filePath(QStringLiteral("missing.fun")), target);
    openFunctionFile(dir_.path(), target);
    openFunctionFile(QString(), target);
    QCOMPARE(target.log, QStringList());
    QVERIFY(!QFile::exists(dir_.filePath(QStringLiteral("missing.fun"))));
}

void TestFunctionGraphFile::roundTrip()
{
    FakeFunctionTarget source;
    source.rows = QStringList{"y=x^2", Circle, "x=sin(y)", "p=1+cos(x)"};
    QVERIFY(saveAllFunctions(path(), source));
    FakeFunctionTarget target;
    target.rows = QStringList{"y=x^2"};
    openFunctionFile(path(), target);
    QCOMPARE(target.rows, (QStringList{"y=x^2", "x=sin(y)", "p=1+cos(x)"}));
    // The boxes show the last expression of each kind the file held.
    QCOMPARE(target.boxes[0], QStringLiteral("x^2"));
    QCOMPARE(target.boxes[1], QStringLiteral("sin(y)"));
    QCOMPARE(target.boxes[2], QStringLiteral("1+cos(x)"));
}
