// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_BadFiles.h"

#include "FakeFunctionTarget.h"
#include "FileBytes.h"
#include "FunctionGraphFile.h"
#include "ProfileFile.h"
#include "Settings.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

using namespace orvane;

namespace {

const QString Setup = QStringLiteral("Setup");
const QString Image = QStringLiteral("Image");

// A text file of `megabytes` MiB: `head`, then lines of "k=v" (no NUL bytes, so only its
// size makes it foreign).
void writeHugeText(const QString& path, const QByteArray& head, int megabytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(head), head.size());
    const QByteArray chunk = QByteArray("k=v\r\n").repeated(1024 * 1024 / 5);
    for (int i = 0; i < megabytes; ++i)
        QCOMPARE(file.write(chunk), chunk.size());
}

} // namespace

void TestBadFiles::init()
{
    QVERIFY(dir_.isValid());
    // Every case starts in an empty folder.
    QDir folder(dir_.path());
    folder.setFilter(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    for (const QFileInfo& entry : folder.entryInfoList()) {
        QFile::setPermissions(entry.filePath(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (entry.isDir() && !entry.isSymLink())
            QDir(entry.filePath()).removeRecursively();
        else
            QFile::remove(entry.filePath());
    }
}

void TestBadFiles::hundredMegabyteFilesHoldNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("head");
    QTest::newRow("settings") << "orvane.ini" << QByteArray("[Setup]\r\nTab=3\r\n");
    QTest::newRow("function graph")
        << "big.fun" << QByteArray("[Image]\r\nCount=1\r\nFunction0=y=x\r\n");
}

void TestBadFiles::hundredMegabyteFilesHoldNothing()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, head);
    const QString file = path(name);
    writeHugeText(file, head, 100);
    const qint64 size = QFileInfo(file).size();
    QVERIFY(size > 100 * 1000 * 1000);

    const ProfileFile profile(file);
    QCOMPARE(profile.read(Setup, QStringLiteral("Tab")), QString());
    QVERIFY(!profile.write(Setup, QStringLiteral("Tab"), QStringLiteral("4")));
    FakeFunctionTarget target;
    openFunctionFile(file, target);
    QCOMPARE(target.log, QStringList());
    // Not ours: left exactly as it was (size and head).
    QCOMPARE(QFileInfo(file).size(), size);
    QFile reread(file);
    QVERIFY(reread.open(QIODevice::ReadOnly));
    QCOMPARE(reread.read(head.size()), head);
}

void TestBadFiles::sizeLimitIsExact_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QString>("tab");
    QTest::newRow("at the limit") << ProfileFile::MaxFileBytes << "3";
    QTest::newRow("one byte over") << ProfileFile::MaxFileBytes + 1 << "";
}

void TestBadFiles::sizeLimitIsExact()
{
    QFETCH(qint64, size);
    QFETCH(QString, tab);
    // A file is read by its own size: the limit holds to the byte.
    const QByteArray head = "[Setup]\r\nTab=3\r\n";
    QByteArray bytes = head + QByteArray(size - head.size() - 2, ';') + "\r\n";
    QCOMPARE(bytes.size(), size);
    const QString file = path(QStringLiteral("orvane.ini"));
    writeBytes(file, bytes);
    QCOMPARE(ProfileFile(file).read(Setup, QStringLiteral("Tab")), tab);
}

void TestBadFiles::readOnlySettingsStayReadOnly()
{
    const QString file = path(QStringLiteral("orvane.ini"));
    const QByteArray before = "[Setup]\r\nTab=3\r\n[Infomation]\r\nAllConst=1\r\n";
    writeBytes(file, before);
    const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    QVERIFY(QFile::setPermissions(file, readOnly));

    const Settings settings(file);
    QCOMPARE(settings.getSetupValue(QStringLiteral("Tab")), QStringLiteral("3"));
    settings.setSetupValue(QStringLiteral("Size"), QStringLiteral("12"));
    settings.addConstantEntry(QStringLiteral("k"), QStringLiteral("2"), 2);
    // Values still read; the file stays exactly as it was and read-only, also for a user
    // whom permissions do not bind (root).
    QCOMPARE(settings.getSetupValue(QStringLiteral("Tab")), QStringLiteral("3"));
    QCOMPARE(settings.getInfoValue(QStringLiteral("AllConst")), QStringLiteral("1"));
    QCOMPARE(readBytes(file), before);
    const QFile::Permissions ownerGroupOther(0x7077); // without the "this user" bits
    QCOMPARE(QFileInfo(file).permissions() & ownerGroupOther, readOnly);
}

void TestBadFiles::truncatedGbkKeepsTheRest_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("cutValue");
    // 中 is D6 D0 in GBK; the files below lose its second byte, which reads as nothing.
    QTest::newRow("cut at the end of the file")
        << QByteArray("[Infomation]\r\nAllConst=1\r\nConstName1=\xd6") << QString();
    QTest::newRow("cut before the line end")
        << QByteArray("[Infomation]\r\nConstName1=a\xd6\r\nAllConst=1\r\n") << QStringLiteral("a");
    QTest::newRow("whole character, then a cut one")
        << QByteArray("[Infomation]\r\nConstName1=\xd6\xd0\xd6\r\nAllConst=1\r\n")
        << QStringLiteral("中");
}

void TestBadFiles::truncatedGbkKeepsTheRest()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, cutValue);
    const QString file = path(QStringLiteral("orvane.ini"));
    writeBytes(file, bytes);
    const Settings settings(file);
    QCOMPARE(settings.getInfoValue(QStringLiteral("AllConst")), QStringLiteral("1"));
    QCOMPARE(settings.getInfoValue(QStringLiteral("ConstName1")), cutValue);

    // Writing another key keeps the damaged bytes exactly as they were.
    settings.setInfoValue(QStringLiteral("AllConst"), QStringLiteral("2"));
    const QByteArray after = readBytes(file);
    QByteArray expected = bytes;
    expected.replace("AllConst=1", "AllConst=2");
    QCOMPARE(after, expected);
}

void TestBadFiles::truncatedGbkFunctionEntry()
{
    const QString file = path(QStringLiteral("cut.fun"));
    writeBytes(file, "[Image]\r\nCount=3\r\nFunction0=y=x*\xd6\r\nFunction1=p=\xd6\xd0\xd6"
                     "\r\nFunction2=x=y\xd6");
    FakeFunctionTarget target;
    openFunctionFile(file, target);
    QCOMPARE(target.rows,
             (QStringList{QStringLiteral("y=x*"), QStringLiteral("p=中"), QStringLiteral("x=y")}));
}

void TestBadFiles::cutCharacterBehindALineBreakSavesClean()
{
    // Found by the function-graph fuzzer: a lone GBK lead byte after a carriage return
    // hides the return from the blanks a read removes. Saved again, the function comes
    // back without it.
    const QString file = path(QStringLiteral("cr.fun"));
    writeBytes(file, "[Image]\r\nCount=0\r\nXYP=P\r\nFunction=4(x)\r\xde\n");
    FakeFunctionTarget loaded;
    openFunctionFile(file, loaded);
    QCOMPARE(loaded.rows.size(), 1);
    QVERIFY(loaded.rows.first().startsWith(QStringLiteral("p=4(x)")));
    const QString copy = path(QStringLiteral("copy.fun"));
    QVERIFY(saveAllFunctions(copy, loaded));
    FakeFunctionTarget reloaded;
    openFunctionFile(copy, reloaded);
    QCOMPARE(reloaded.rows, QStringList{QStringLiteral("p=4(x)")});
}

void TestBadFiles::infiniteCounts_data()
{
    QTest::addColumn<QByteArray>("count");
    QTest::addColumn<QStringList>("rows");
    const QStringList one{QStringLiteral("y=1")};
    QTest::newRow("beyond 64 bits") << QByteArray("99999999999999999999999") << one;
    // Read through the 254-byte buffer: 254 nines, a number a double holds.
    QTest::newRow("400 digits") << QByteArray(400, '9') << one;
    // Beyond double is no number: the file loads nothing, as for any other non-number.
    QTest::newRow("beyond double") << QByteArray("1e309") << QStringList();
    QTest::newRow("minus beyond double") << QByteArray("-1e309") << QStringList();
    QTest::newRow("not a number") << QByteArray("nan") << QStringList();
    QTest::newRow("infinity") << QByteArray("inf") << QStringList();
}

void TestBadFiles::infiniteCounts()
{
    QFETCH(QByteArray, count);
    QFETCH(QStringList, rows);
    const QString file = path(QStringLiteral("count.fun"));
    writeBytes(file, "[Image]\r\nCount=" + count + "\r\nFunction0=y=1\r\n");
    FakeFunctionTarget target;
    openFunctionFile(file, target);
    QCOMPARE(target.rows, rows);
}

void TestBadFiles::farEntryNumbers_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("rows");
    // Entries are visited in number order below Count, as read() finds them; the numbers
    // in between hold nothing and cost nothing.
    QTest::newRow("four billion")
        << QByteArray("[Image]\r\nCount=1e300\r\nFunction4000000000=y=2\r\nFunction0=y=1\r\n"
                      "function1=x=y\r\nFunction01=y=9\r\nFunction2=p=1\r\nFUNCTION2=y=8\r\n")
        << QStringList{QStringLiteral("y=1"), QStringLiteral("x=y"), QStringLiteral("p=1"),
                       QStringLiteral("y=2")};
    QTest::newRow("beyond Count") << QByteArray("[Image]\r\nCount=3\r\nFunction3=y=3\r\n"
                                                "Function2=y=2\r\nFunction99999999999=y=9\r\n")
                                  << QStringList{QStringLiteral("y=2")};
    // Found by the function-graph fuzzer: 40 million reads of the file, one per number.
    QTest::newRow("fuzzer's timeout")
        << QByteArray("\x1bIMage\nCount=5\n\rFe3Fe30180300\r=1/x\r\n[Image]\r\nCount=51e300\r\n"
                      "fct\r\nFunction0))\r\nFunction40180300\r=1/x\r\n[Image]\r\nCount=51e300\r\n"
                      "fct\r\nFunction0))\r\nFunction4=x0.Function4=JEF/5*(y^2)*cos(\ry)\n")
        << QStringList();
}

void TestBadFiles::farEntryNumbers()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, rows);
    const QString file = path(QStringLiteral("far.fun"));
    writeBytes(file, content);
    FakeFunctionTarget target;
    openFunctionFile(file, target);
    QCOMPARE(target.rows, rows);
}

void TestBadFiles::symlinkedSettingsFile()
{
    // Settings kept elsewhere and linked in (as dotfile managers do).
    const QString real = path(QStringLiteral("real.ini"));
    const QString link = path(QStringLiteral("orvane.ini"));
    writeBytes(real, "[Setup]\r\nTab=3\r\n");
    QVERIFY(QFile::link(real, link));
    const Settings settings(link);
    settings.setSetupValue(QStringLiteral("Size"), QStringLiteral("12"));
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(readBytes(real), QByteArray("[Setup]\r\nTab=3\r\nSize=12\r\n"));
}

void TestBadFiles::settingsPathIsAFolder()
{
    const QString folder = path(QStringLiteral("orvane.ini"));
    QVERIFY(QDir().mkpath(folder + QStringLiteral("/inner")));
    const Settings settings(folder);
    settings.setSetupValue(QStringLiteral("Tab"), QStringLiteral("1"));
    settings.addConstantEntry(QStringLiteral("k"), QStringLiteral("2"), 1);
    QCOMPARE(settings.getSetupValue(QStringLiteral("Tab")), QString());
    QCOMPARE(settings.savedConstants(), std::nullopt);
    QVERIFY(QFileInfo(folder).isDir());
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("inner")});
}
