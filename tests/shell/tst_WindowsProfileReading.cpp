// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_WindowsProfileReading.h"

#include "FakeFunctionTarget.h"
#include "FileBytes.h"
#include "FunctionGraphFile.h"
#include "GbkText.h"
#include "Settings.h"

#include <QTest>

using namespace orvane;

namespace {

// What the program takes from the file.
enum class Use {
    SetupText,      // Setup/<key> as text (expressions, ShowTip, CreatShortCut)
    SetupNumber,    // Setup/<key> as a 16-bit number (Size, Tab, ...)
    InfoText,       // Infomation/<key> as text
    SavedConstants, // the constants list, "name=value" joined by "; "
    PlottedRows,    // the rows a .fun file plots, joined by "; "
};

QByteArray gbk(const char* utf8)
{
    return GbkText::encode(QString::fromUtf8(utf8));
}

QString valueUsed(const QString& path, Use use, const QString& key)
{
    const Settings settings(path);
    switch (use) {
    case Use::SetupText:
        return settings.getSetupValue(key);
    case Use::SetupNumber:
        return QString::number(settings.getSetupInt16(key));
    case Use::InfoText:
        return settings.getInfoValue(key);
    case Use::SavedConstants: {
        QStringList pairs;
        for (const NamedValue& constant : settings.savedConstants().value_or(QList<NamedValue>{}))
            pairs << constant.name + QLatin1Char('=') + constant.value;
        return pairs.join(QStringLiteral("; "));
    }
    case Use::PlottedRows: {
        FakeFunctionTarget target;
        openFunctionFile(path, target);
        return target.rows.join(QStringLiteral("; "));
    }
    }
    return {};
}

} // namespace

Q_DECLARE_METATYPE(Use)

void TestWindowsProfileReading::readsAsWindowsDoes_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Use>("use");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const QByteArray setup = "[Setup]\r\n";
    const QByteArray info = "[Infomation]\r\n";
    const QByteArray image = "[Image]\r\n";

    // Quotes: one matching pair around the value is removed.
    QTest::newRow("Windows removes double quotes around a value") << setup + "Size=\"12\"\r\n"
                                                                  << Use::SetupNumber << "Size"
                                                                  << "12";
    QTest::newRow("Windows removes single quotes around a value") << setup + "Tab='3'\r\n"
                                                                  << Use::SetupNumber << "Tab"
                                                                  << "3";
    QTest::newRow("Windows strips blanks outside the quotes, keeps those inside")
        << setup + "ShowTip =  \"  1 \"  \r\n"
        << Use::SetupText << "ShowTip"
        << "  1 ";
    QTest::newRow("Windows removes only the outermost pair") << setup + "CreatShortCut=\"'OK'\"\r\n"
                                                             << Use::SetupText << "CreatShortCut"
                                                             << "'OK'";
    QTest::newRow("Windows keeps quotes that do not match") << setup + "CreatShortCut=\"OK'\r\n"
                                                            << Use::SetupText << "CreatShortCut"
                                                            << "\"OK'";
    QTest::newRow("Windows keeps a quote opened but never closed")
        << setup + "CreatShortCut=\"OK\r\n"
        << Use::SetupText << "CreatShortCut"
        << "\"OK";
    QTest::newRow("Windows keeps quotes inside a value") << setup + "CreatShortCut=O\"K\"\r\n"
                                                         << Use::SetupText << "CreatShortCut"
                                                         << "O\"K\"";
    QTest::newRow("Windows keeps a lone quote character") << setup + "CreatShortCut=\"\r\n"
                                                          << Use::SetupText << "CreatShortCut"
                                                          << "\"";
    QTest::newRow("Windows reads an empty quoted value as empty")
        << setup + "CreatShortCut=\"\"\r\n"
        << Use::SetupText << "CreatShortCut"
        << "";
    QTest::newRow("Windows reads quoted constants: count, GBK name and value")
        << info + "AllConst=\"2\"\r\nConstName1=\"" + gbk("圆周率") +
               "\"\r\nConstValue1='3.14'\r\n" + "ConstName2='g'\r\nConstValue2=\"9.8\"\r\n"
        << Use::SavedConstants << "" << QStringLiteral("圆周率=3.14; g=9.8");
    QTest::newRow("Windows reads quoted function-file entries")
        << image + "Count=\"2\"\r\nFunction0=\"y=x^2\"\r\nFunction1='p=4/(2-2*cos(x))'\r\n"
        << Use::PlottedRows << ""
        << "y=x^2; p=4/(2-2*cos(x))";
    QTest::newRow("Windows reads a quoted single-form function file")
        << image + "Count=0\r\nXYP=\"X\"\r\nFunction=\"y^2/16\"\r\n"
        << Use::PlottedRows << ""
        << "x=y^2/16";

    // Line ends.
    QTest::newRow("Windows ends a line at a lone CR")
        << QByteArray("[Setup]\rSize=12\rTab=3\r") << Use::SetupNumber << "Tab"
        << "3";
    QTest::newRow("Windows ends a line at LF")
        << QByteArray("[Setup]\nSize=12\nTab=3\n") << Use::SetupNumber << "Tab"
        << "3";
    QTest::newRow("Windows reads CR LF, CR and LF mixed in one file")
        << QByteArray("[Infomation]\r\nAllConst=2\rConstName1=a\nConstValue1=1\r\n"
                      "ConstName2=b\rConstValue2=2")
        << Use::SavedConstants << ""
        << "a=1; b=2";
    QTest::newRow("Windows reads a function file with lone CRs")
        << QByteArray("[Image]\rCount=1\rFunction0=p=2*x\r") << Use::PlottedRows << ""
        << "p=2*x";

    // Blanks, comments and lines that are no entries.
    QTest::newRow("Windows skips blank and blank-only lines")
        << QByteArray("\r\n  \r\n[Setup]\r\n\r\n \t\r\nSize=12\r\n") << Use::SetupNumber << "Size"
        << "12";
    QTest::newRow("Windows strips tabs and vertical tabs around a value")
        << setup + "ShowTip=\t\v0\t\r\n"
        << Use::SetupText << "ShowTip"
        << "0";
    QTest::newRow("Windows takes a line starting with ; as no entry of that key")
        << setup + ";Size=20\r\nSize=12\r\n"
        << Use::SetupNumber << "Size"
        << "12";
    QTest::newRow("Windows has no comments after a value")
        << setup + "CreatShortCut=OK ; set by hand\r\n"
        << Use::SetupText << "CreatShortCut"
        << "OK ; set by hand";
    QTest::newRow("Windows reads a value starting with ;") << setup + "CreatShortCut=;OK\r\n"
                                                           << Use::SetupText << "CreatShortCut"
                                                           << ";OK";
    QTest::newRow("Windows takes a line without = as no entry") << setup + "Size\r\nSize=12\r\n"
                                                                << Use::SetupNumber << "Size"
                                                                << "12";
    QTest::newRow("Windows ignores entries before the first section")
        << QByteArray("Size=20\r\n[Setup]\r\nTab=1\r\n") << Use::SetupNumber << "Size"
        << "0";
    QTest::newRow("Windows reads a section header without its closing bracket")
        << QByteArray("[Setup\r\nSize=12\r\n") << Use::SetupNumber << "Size"
        << "12";
    QTest::newRow("Windows ignores blanks around and inside the brackets")
        << QByteArray("  [ setup ]\r\nSize=12\r\n") << Use::SetupNumber << "Size"
        << "12";

    // Duplicates.
    QTest::newRow("Windows takes the first of two equal keys") << setup + "Size=12\r\nSIZE=20\r\n"
                                                               << Use::SetupNumber << "Size"
                                                               << "12";
    QTest::newRow("Windows ignores a second section of the same name")
        << setup + "Tab=1\r\n[Infomation]\r\n[SETUP]\r\nSize=20\r\n"
        << Use::SetupNumber << "Size"
        << "0";
    QTest::newRow("Windows plots the first of two equal function entries")
        << image + "Count=1\r\nFunction0=y=x\r\nFunction0=y=2*x\r\n"
        << Use::PlottedRows << ""
        << "y=x";
}

void TestWindowsProfileReading::readsAsWindowsDoes()
{
    QFETCH(QByteArray, file);
    QFETCH(Use, use);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    const QString path = dir_.filePath(use == Use::PlottedRows ? QStringLiteral("a.fun")
                                                               : QStringLiteral("orvane.ini"));
    writeBytes(path, file);
    QCOMPARE(valueUsed(path, use, key), expected);
}
