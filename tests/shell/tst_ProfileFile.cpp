// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_ProfileFile.h"

#include "FileBytes.h"
#include "GbkText.h"
#include "ProfileFile.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <sys/stat.h>

using namespace orvane;

namespace {
const QString Setup = QStringLiteral("Setup");
const QString Info = QStringLiteral("Infomation");

QByteArray gbk(const char* utf8)
{
    return GbkText::encode(QString::fromUtf8(utf8));
}
} // namespace

QString TestProfileFile::path() const
{
    return dir_.filePath(QStringLiteral("orvane.ini"));
}

void TestProfileFile::init()
{
    QFile::remove(path());
}

void TestProfileFile::reads_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    const QByteArray file = "[Setup]\r\nTab=3\r\nEmpty=\r\nBlanks=  x y \t\r\nEq=a=b\r\n"
                            "[Infomation]\r\nTab=9\r\n";
    QTest::newRow("present") << file << Setup << "Tab"
                             << "3";
    QTest::newRow("absent") << file << Setup << "Size"
                            << "";
    QTest::newRow("empty reads like absent") << file << Setup << "Empty"
                                             << "";
    QTest::newRow("blanks around the value") << file << Setup << "Blanks"
                                             << "x y";
    QTest::newRow("equals sign inside the value") << file << Setup << "Eq"
                                                  << "a=b";
    QTest::newRow("names without regard to case") << file << "SETUP"
                                                  << "tAB"
                                                  << "3";
    QTest::newRow("key of the other section") << file << Info << "Tab"
                                              << "9";
    QTest::newRow("missing section") << file << "Image"
                                     << "Tab"
                                     << "";
    QTest::newRow("blanks around names")
        << QByteArray("  [ Setup ]  \r\n  Tab  =  4\r\n") << Setup << "Tab"
        << "4";
    QTest::newRow("LF line ends") << QByteArray("[Setup]\nTab=5\n") << Setup << "Tab"
                                  << "5";
    QTest::newRow("first of two equal keys")
        << QByteArray("[Setup]\r\nTab=1\r\nTAB=2\r\n") << Setup << "Tab"
        << "1";
    QTest::newRow("key before any section") << QByteArray("Tab=1\r\n[Setup]\r\n") << Setup << "Tab"
                                            << "";
    QTest::newRow("line without equals sign")
        << QByteArray("[Setup]\r\nTab\r\nTab=6\r\n") << Setup << "Tab"
        << "6";
    QTest::newRow("300 ASCII characters read as 254")
        << "[Setup]\r\nLong=" + QByteArray(300, 'a') + "\r\n"
        << Setup << "Long" << QString(254, QLatin1Char('a'));
    // 1 + 2 * 200 bytes: byte 254 would split a character, so 253 bytes remain.
    QTest::newRow("cut never splits a double-byte character")
        << "[Setup]\r\nLong=a" + gbk("奥").repeated(200) + "\r\n"
        << Setup << "Long" << QStringLiteral("a") + QStringLiteral("奥").repeated(126);
    QTest::newRow("Chinese value") << "[Infomation]\r\nConstName1=" + gbk("圆周率") + "\r\n"
                                   << Info << "ConstName1" << QStringLiteral("圆周率");
    QTest::newRow("Chinese key") << "[Setup]\r\n" + gbk("名字") + "=1\r\n"
                                 << Setup << QStringLiteral("名字") << "1";
}

void TestProfileFile::reads()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    writeBytes(path(), content);
    QCOMPARE(ProfileFile(path()).read(section, key), value);
}

void TestProfileFile::writes_data()
{
    QTest::addColumn<bool>("existing");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("first write creates the file") << false << QByteArray() << Setup << "Tab"
                                                  << "0" << QByteArray("[Setup]\r\nTab=0\r\n");
    QTest::newRow("empty file") << true << QByteArray() << Setup << "Tab"
                                << "0" << QByteArray("[Setup]\r\nTab=0\r\n");
    QTest::newRow("replaced in place")
        << true << QByteArray("[Setup]\r\nA=1\r\nB=2\r\n") << Setup << "A"
        << "9" << QByteArray("[Setup]\r\nA=9\r\nB=2\r\n");
    QTest::newRow("matched without regard to case, spelling kept")
        << true << QByteArray("[setup]\r\ntab=1\r\n") << Setup << "TAB"
        << "2" << QByteArray("[setup]\r\ntab=2\r\n");
    QTest::newRow("new key at the end of its section")
        << true << QByteArray("[Setup]\r\nA=1\r\n\r\n[Infomation]\r\nX=1\r\n") << Setup << "B"
        << "2" << QByteArray("[Setup]\r\nA=1\r\nB=2\r\n\r\n[Infomation]\r\nX=1\r\n");
    QTest::newRow("new key in an empty section")
        << true << QByteArray("[Setup]\r\n[Infomation]\r\n") << Setup << "B"
        << "2" << QByteArray("[Setup]\r\nB=2\r\n[Infomation]\r\n");
    QTest::newRow("new section at the end of the file")
        << true << QByteArray("[Setup]\r\nA=1\r\n") << Info << "X"
        << "y" << QByteArray("[Setup]\r\nA=1\r\n[Infomation]\r\nX=y\r\n");
    QTest::newRow("file ending without a line break, new key")
        << true << QByteArray("[Setup]\r\nA=1") << Setup << "B"
        << "2" << QByteArray("[Setup]\r\nA=1\r\nB=2\r\n");
    QTest::newRow("file ending without a line break, new section")
        << true << QByteArray("[Setup]\r\nA=1") << Info << "X"
        << "1" << QByteArray("[Setup]\r\nA=1\r\n[Infomation]\r\nX=1\r\n");
    QTest::newRow("empty value keeps the key")
        << true << QByteArray("[Setup]\r\nA=1\r\n") << Setup << "A"
        << "" << QByteArray("[Setup]\r\nA=\r\n");
    QTest::newRow("LF lines of other keys kept")
        << true << QByteArray("[Setup]\nA=1\nB=2\n") << Setup << "A"
        << "3" << QByteArray("[Setup]\nA=3\nB=2\n");
    QTest::newRow("lone CR lines: replaced in place")
        << true << QByteArray("[Setup]\rA=1\rB=2\r") << Setup << "B"
        << "3" << QByteArray("[Setup]\rA=1\rB=3\r");
    QTest::newRow("lone CR lines: new key without an empty line before it")
        << true << QByteArray("[Setup]\rA=1\r[Infomation]\rX=1\r") << Setup << "B"
        << "2" << QByteArray("[Setup]\rA=1\rB=2\r\n[Infomation]\rX=1\r");
    QTest::newRow("lone CR lines: new section")
        << true << QByteArray("[Setup]\rA=1\r") << Info << "X"
        << "1" << QByteArray("[Setup]\rA=1\r[Infomation]\r\nX=1\r\n");
    QTest::newRow("quotes written as given")
        << true << QByteArray("[Setup]\r\nA=\"1\"\r\n") << Setup << "A"
        << "'2'" << QByteArray("[Setup]\r\nA='2'\r\n");
    QTest::newRow("line breaks in a value become blanks")
        << true << QByteArray("[Setup]\r\nA=1\r\n") << Setup << "A"
        << "1\r\n[Setup]" << QByteArray("[Setup]\r\nA=1  [Setup]\r\n");
    QTest::newRow("Chinese value in GBK")
        << true << QByteArray("[Setup]\r\n") << Setup << "A" << QStringLiteral("奥维恩")
        << QByteArray("[Setup]\r\nA=\xb0\xc2\xce\xac\xb6\xf7\r\n");
    QTest::newRow("long value written whole")
        << false << QByteArray() << Setup << "A" << QString(300, QLatin1Char('b'))
        << "[Setup]\r\nA=" + QByteArray(300, 'b') + "\r\n";
}

void TestProfileFile::writes()
{
    QFETCH(bool, existing);
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, after);
    if (existing) writeBytes(path(), before);
    QVERIFY(ProfileFile(path()).write(section, key, value));
    QCOMPARE(readBytes(path()), after);
    QCOMPARE(QDir(dir_.path()).entryList(QDir::Files), QStringList{QStringLiteral("orvane.ini")});
}

void TestProfileFile::gbkRoundTripIsByteExact()
{
    // Every character of the double-byte GBK table, written and read back.
    QByteArray all;
    for (int lead = 0x81; lead <= 0xFE; ++lead)
        for (int trail = 0x40; trail <= 0xFE; ++trail)
            if (trail != 0x7F) all += char(lead), all += char(trail);
    const ProfileFile file(path());
    for (qsizetype at = 0; at < all.size(); at += 254) {
        const QByteArray chunk = all.mid(at, 254);
        QVERIFY(file.write(Setup, QStringLiteral("V"), GbkText::decode(chunk)));
        QCOMPARE(readBytes(path()), "[Setup]\r\nV=" + chunk + "\r\n");
        QCOMPARE(GbkText::encode(file.read(Setup, QStringLiteral("V"))), chunk);
    }
}

void TestProfileFile::otherBytesSurviveAWrite()
{
    const QByteArray odd = "; \xff\xfe not GBK \x80\r\n[Setup]\r\nA=1\r\n  weird line \t\r\n";
    writeBytes(path(), odd);
    QVERIFY(ProfileFile(path()).write(Setup, QStringLiteral("A"), QStringLiteral("2")));
    QCOMPARE(readBytes(path()), QByteArray(odd).replace("A=1", "A=2"));
}

void TestProfileFile::listsKeys()
{
    writeBytes(path(), "[Image]\r\nCount=2\r\n junk\r\n Function0 = y=x\r\n[Other]\r\nZ=1\r\n");
    QCOMPARE(ProfileFile(path()).keys(QStringLiteral("image")),
             (QStringList{QStringLiteral("Count"), QStringLiteral("Function0")}));
    QCOMPARE(ProfileFile(path()).keys(QStringLiteral("None")), QStringList());
}

void TestProfileFile::foreignFilesHoldNothing_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder") << "folder";
    QTest::newRow("binary") << "binary";
    QTest::newRow("UTF-16 text") << "utf16";
    QTest::newRow("huge") << "huge";
    QTest::newRow("named pipe") << "fifo";
}

void TestProfileFile::foreignFilesHoldNothing()
{
    QFETCH(QString, kind);
    const QString target = dir_.filePath(kind);
    QByteArray content;
    if (kind == QLatin1String("folder")) {
        QVERIFY(QDir(dir_.path()).mkpath(kind));
    } else if (kind == QLatin1String("fifo")) {
        QCOMPARE(mkfifo(QFile::encodeName(target).constData(), 0600), 0);
    } else {
        if (kind == QLatin1String("binary"))
            content = QByteArray("[Setup]\r\nTab=3\r\n\0\x01\x02", 19);
        else if (kind == QLatin1String("utf16"))
            content =
                QByteArray::fromRawData(reinterpret_cast<const char*>(u"[Setup]\r\nTab=3\r\n"), 32);
        else
            content = "[Setup]\r\nTab=3\r\n" + QByteArray(ProfileFile::MaxFileBytes, 'x');
        writeBytes(target, content);
    }
    const ProfileFile file(target);
    QCOMPARE(file.read(Setup, QStringLiteral("Tab")), QString());
    QCOMPARE(file.keys(Setup), QStringList());
    QVERIFY(!file.write(Setup, QStringLiteral("Tab"), QStringLiteral("4")));
    if (!content.isEmpty()) QCOMPARE(readBytes(target), content);
}

void TestProfileFile::readOnlyFolderIsWrittenInPlace()
{
    const QByteArray before = "[Setup]\r\nA=1\r\n";
    writeBytes(path(), before);
    QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::ExeOwner);
    QFile probe(dir_.filePath(QStringLiteral("probe")));
    const bool foldersBind = !probe.open(QIODevice::WriteOnly);
    const bool written = ProfileFile(path()).write(Setup, QStringLiteral("A"), QStringLiteral("2"));
    QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (!foldersBind)
        QSKIP("folder permissions do not bind this user; TestBadFiles runs it as another user");
    // No temporary file can be made beside it: the file itself takes the change.
    QVERIFY(written);
    QCOMPARE(readBytes(path()), QByteArray("[Setup]\r\nA=2\r\n"));
}

void TestProfileFile::byteOrderMarkReadAndSavedAsGbk_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("afterWrite");
    const QByteArray mark = "\xEF\xBB\xBF";
    // 中文 is E4 B8 AD E6 96 87 in UTF-8, D6 D0 CE C4 in GBK.
    QTest::newRow("first key of the first section")
        << mark + "[Setup]\r\nTab=2\r\n"
        << "Tab"
        << "2" << QByteArray("[Setup]\r\nTab=2\r\nK=1\r\n");
    QTest::newRow("Chinese value")
        << mark + "[Setup]\r\nName=\xE4\xB8\xAD\xE6\x96\x87\r\n"
        << "Name"
        << "中文" << QByteArray("[Setup]\r\nName=\xD6\xD0\xCE\xC4\r\nK=1\r\n");
    QTest::newRow("mark only") << mark << "Tab"
                               << "" << QByteArray("[Setup]\r\nK=1\r\n");
}

void TestProfileFile::byteOrderMarkReadAndSavedAsGbk()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, afterWrite);
    writeBytes(path(), file);
    const ProfileFile profile(path());
    QCOMPARE(profile.read(Setup, key), value);
    // The section is found, so no second [Setup] is appended; the file is GBK again.
    QVERIFY(profile.write(Setup, QStringLiteral("K"), QStringLiteral("1")));
    QCOMPARE(readBytes(path()), afterWrite);
}
