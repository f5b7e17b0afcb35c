// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_Settings.h"

#include "FileBytes.h"
#include "ProgramPaths.h"
#include "Settings.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace orvane;

Q_DECLARE_METATYPE(std::optional<QList<NamedValue>>)

QString TestSettings::path() const
{
    return dir_.filePath(QStringLiteral("orvane.ini"));
}

void TestSettings::init()
{
    QFile::remove(path());
}

void TestSettings::sectionsAreSetupAndInfomation()
{
    const Settings ini(path());
    ini.setSetupValue(QStringLiteral("Tab"), QStringLiteral("2"));
    ini.setInfoValue(QStringLiteral("ExpressionX"), QStringLiteral("x"));
    QCOMPARE(readBytes(path()),
             QByteArray("[Setup]\r\nTab=2\r\n[Infomation]\r\nExpressionX=x\r\n"));
    QCOMPARE(ini.getSetupValue(QStringLiteral("tab")), QStringLiteral("2"));
    QCOMPARE(ini.getInfoValue(QStringLiteral("Tab")), QString());
    QCOMPARE(ini.getInfoValue(QStringLiteral("EXPRESSIONX")), QStringLiteral("x"));
}

void TestSettings::constantEntriesAppendAndClose()
{
    const Settings ini(path());
    ini.addConstantEntry(QStringLiteral("Pi"), QStringLiteral("3.14"), 1);
    ini.addConstantEntry(QStringLiteral("e"), QStringLiteral("2.71"), 2);
    ini.addConstantEntry(QStringLiteral("g"), QStringLiteral("9.8"), 3);
    QCOMPARE(readBytes(path()), QByteArray("[Infomation]\r\nAllConst=3\r\n"
                                           "ConstName1=Pi\r\nConstValue1=3.14\r\n"
                                           "ConstName2=e\r\nConstValue2=2.71\r\n"
                                           "ConstName3=g\r\nConstValue3=9.8\r\n"));
    // Removing position 2 of three moves 3 to 2 and leaves position 3 empty.
    ini.removeConstantEntry(2);
    QCOMPARE(readBytes(path()), QByteArray("[Infomation]\r\nAllConst=2\r\n"
                                           "ConstName1=Pi\r\nConstValue1=3.14\r\n"
                                           "ConstName2=g\r\nConstValue2=9.8\r\n"
                                           "ConstName3=\r\nConstValue3=\r\n"));
    ini.removeConstantEntry(2);
    ini.removeConstantEntry(1);
    QCOMPARE(ini.getInfoValue(QStringLiteral("AllConst")), QStringLiteral("0"));
    QCOMPARE(ini.savedConstants(), std::nullopt);
    // The next addition lands at position 1 again.
    ini.addConstantEntry(QStringLiteral("k"), QStringLiteral("5"), 1);
    QCOMPARE(ini.savedConstants(), (QList<NamedValue>{{QStringLiteral("k"), QStringLiteral("5")}}));
}

void TestSettings::removingOutsideTheListChangesNothing_data()
{
    QTest::addColumn<int>("position");
    QTest::newRow("0") << 0;
    QTest::newRow("past the end") << 3;
    QTest::newRow("negative") << -1;
}

void TestSettings::removingOutsideTheListChangesNothing()
{
    QFETCH(int, position);
    const QByteArray before = "[Infomation]\r\nAllConst=2\r\nConstName1=a\r\nConstValue1=1\r\n"
                              "ConstName2=b\r\nConstValue2=2\r\n";
    writeBytes(path(), before);
    Settings(path()).removeConstantEntry(position);
    QCOMPARE(readBytes(path()), before);
}

void TestSettings::removingUnderADamagedCountMovesWhatIsStored()
{
    // Two billion positions counted, three stored (one far out): the stored ones move
    // down, nothing else is visited.
    writeBytes(path(), "[Infomation]\r\nAllConst=2000000000\r\nConstName1=a\r\nConstValue1=1\r\n"
                       "ConstName2=b\r\nConstValue2=2\r\nConstName5=c\r\nConstValue5=5\r\n");
    const Settings ini(path());
    ini.removeConstantEntry(1);
    QCOMPARE(ini.getInfoValue(QStringLiteral("AllConst")), QStringLiteral("1999999999"));
    QCOMPARE(ini.savedConstants(), (QList<NamedValue>{{QStringLiteral("b"), QStringLiteral("2")},
                                                      {QStringLiteral("c"), QStringLiteral("5")}}));
    QCOMPARE(ini.getInfoValue(QStringLiteral("ConstName5")), QString());
    QCOMPARE(ini.getInfoValue(QStringLiteral("ConstName4")), QStringLiteral("c"));
}

void TestSettings::numericValues_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("int16");
    QTest::addColumn<int>("int32");
    QTest::newRow("12.5 halves to even") << "12.5" << 12 << 12;
    QTest::newRow("13.5 halves to even") << "13.5" << 14 << 14;
    QTest::newRow("text") << "abc" << 0 << 0;
    QTest::newRow("empty") << "" << 0 << 0;
    QTest::newRow("leading number") << " 7px" << 7 << 7;
    QTest::newRow("negative half") << "-2.5" << -2 << -2;
    QTest::newRow("exponent") << "1e3" << 1000 << 1000;
    QTest::newRow("blue") << "16711680" << 0 << 16711680;
    QTest::newRow("too large for any") << "1e20" << 0 << 0;
}

void TestSettings::numericValues()
{
    QFETCH(QString, text);
    QFETCH(int, int16);
    QFETCH(int, int32);
    QCOMPARE(int(Settings::toInt16Value(text)), int16);
    QCOMPARE(int(Settings::toInt32Value(text)), int32);
    writeBytes(path(), "[Setup]\r\nSize=" + text.toLatin1() + "\r\n");
    QCOMPARE(int(Settings(path()).getSetupInt16(QStringLiteral("Size"))), int16);
}

void TestSettings::savedConstants_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<std::optional<QList<NamedValue>>>("expected");
    const QByteArray two = "ConstName1=k\r\nConstValue1=2\r\nConstName2=m\r\nConstValue2=1e3\r\n";
    const QList<NamedValue> both{{"k", "2"}, {"m", "1e3"}};
    using Saved = std::optional<QList<NamedValue>>;
    QTest::newRow("no file") << QByteArray() << Saved();
    QTest::newRow("no count") << "[Infomation]\r\n" + two << Saved();
    QTest::newRow("count 0") << "[Infomation]\r\nAllConst=0\r\n" + two << Saved();
    QTest::newRow("count text") << "[Infomation]\r\nAllConst=many\r\n" + two << Saved();
    QTest::newRow("count 2") << "[Infomation]\r\nAllConst=2\r\n" + two << Saved(both);
    QTest::newRow("count 1 ignores the rest")
        << "[Infomation]\r\nAllConst=1\r\n" + two << Saved(QList<NamedValue>{{"k", "2"}});
    QTest::newRow("negative count lists nothing")
        << "[Infomation]\r\nAllConst=-1\r\n" + two << Saved(QList<NamedValue>());
    // A position with neither key stored is no constant (and no "请输入常数名" at start-up);
    // one with a key stored goes to the evaluator as it is.
    QTest::newRow("gap is skipped")
        << QByteArray("[Infomation]\r\nAllConst=3\r\nConstName1=a\r\nConstValue3=3\r\n")
        << Saved(QList<NamedValue>{{"a", ""}, {"", "3"}});
    QTest::newRow("empty keys are skipped too")
        << QByteArray("[Infomation]\r\nAllConst=2\r\nConstName1=\r\nConstValue1=  \r\n"
                      "ConstName2=k\r\nConstValue2=1\r\n")
        << Saved(QList<NamedValue>{{"k", "1"}});
    // A damaged count or position does not make the reading run on.
    QTest::newRow("huge count") << "[Infomation]\r\nAllConst=32767\r\n" + two << Saved(both);
    QTest::newRow("far position")
        << QByteArray("[Infomation]\r\nAllConst=999999999\r\nConstName999999999=k\r\n"
                      "ConstValue999999999=5\r\nConstName1=a\r\nConstValue1=1\r\n")
        << Saved(QList<NamedValue>{{"a", "1"}, {"k", "5"}});
    QTest::newRow("names as read: any case, first of two, no leading zero")
        << QByteArray("[Infomation]\r\nAllConst=2\r\nCONSTNAME1=a\r\nconstvalue1=1\r\n"
                      "ConstName1=b\r\nConstName02=c\r\nConstValue02=2\r\n")
        << Saved(QList<NamedValue>{{"a", "1"}});
}

void TestSettings::savedConstants()
{
    QFETCH(QByteArray, content);
    QFETCH(std::optional<QList<NamedValue>>, expected);
    if (!content.isEmpty()) writeBytes(path(), content);
    QCOMPARE(Settings(path()).savedConstants(), expected);
}

void TestSettings::firstWriteCreatesTheSettingsFolder()
{
    const QString nested = dir_.filePath(QStringLiteral("config/orvane/orvane.ini"));
    Settings(nested).setSetupValue(QStringLiteral("Tab"), QStringLiteral("1"));
    QCOMPARE(readBytes(nested), QByteArray("[Setup]\r\nTab=1\r\n"));
}

void TestSettings::settingsPath_data()
{
    QTest::addColumn<QString>("programFolder");
    QTest::addColumn<bool>("writable");
    QTest::addColumn<bool>("holdsSettings");
    QTest::addColumn<bool>("installedLayout");
    QTest::addColumn<QString>("overridePath");
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QString>("expected");
    const QString user = QStringLiteral("/home/u/.config/orvane/orvane.ini");
    // Installed: never beside the program, whatever the folder allows or holds.
    QTest::newRow("/usr/bin as root") << "/usr/bin" << true << false << true << "" << true << user;
    QTest::newRow("/usr/bin as a user")
        << "/usr/bin" << false << false << true << "" << true << user;
    QTest::newRow("/usr/bin with an old orvane.ini")
        << "/usr/bin" << true << true << true << "" << true << user;
    QTest::newRow("/usr/local/bin")
        << "/usr/local/bin" << true << false << true << "" << true << user;
    QTest::newRow("/usr itself") << "/usr" << true << false << false << "" << true << user;
    QTest::newRow("/opt with orvane.ini")
        << "/opt/orvane" << true << true << false << "" << true << user;
    QTest::newRow("/bin (merged or not)") << "/bin" << true << false << false << "" << true << user;
    QTest::newRow("installed tree in the home")
        << "/home/u/.local/bin" << true << false << true << "" << true << user;
    // Portable and build trees keep the file beside the program.
    QTest::newRow("build tree") << "/home/u/orvane/build/src/app" << true << false << false << ""
                                << false << "/home/u/orvane/build/src/app/orvane.ini";
    QTest::newRow("build tree under /usr/src")
        << "/usr/src/orvane/build/src/app" << true << false << false << "" << false
        << "/usr/src/orvane/build/src/app/orvane.ini";
    QTest::newRow("portable folder with orvane.ini, read-only")
        << "/media/u/STICK/orvane" << false << true << false << "" << false
        << "/media/u/STICK/orvane/orvane.ini";
    QTest::newRow("writable portable folder ending in /")
        << "/media/u/STICK/orvane/" << true << false << false << "" << false
        << "/media/u/STICK/orvane/orvane.ini";
    QTest::newRow("root folder") << "/" << true << false << false << "" << false << "/orvane.ini";
    QTest::newRow("/usrlocal is no system folder")
        << "/usrlocal" << true << false << false << "" << false << "/usrlocal/orvane.ini";
    // A folder the user cannot write and that holds no settings.
    QTest::newRow("read-only folder")
        << "/srv/orvane" << false << false << false << "" << false << user;
    // --settings wins over everything.
    QTest::newRow("override over a portable folder")
        << "/media/u/STICK/orvane" << true << true << false << "/tmp/x.ini" << false
        << "/tmp/x.ini";
    QTest::newRow("override over an installed program")
        << "/usr/bin" << true << false << true << "/tmp/x.ini" << true << "/tmp/x.ini";
}

void TestSettings::settingsPath()
{
    QFETCH(QString, programFolder);
    QFETCH(bool, writable);
    QFETCH(bool, holdsSettings);
    QFETCH(bool, installedLayout);
    QFETCH(QString, overridePath);
    QFETCH(bool, installed);
    QFETCH(QString, expected);
    const ProgramFolder folder{programFolder, writable, holdsSettings, installedLayout};
    QCOMPARE(isInstalledProgram(folder), installed);
    QCOMPARE(orvane::settingsPath(folder, QStringLiteral("/home/u/.config"), overridePath),
             expected);
    // The configuration folder may end in "/" too.
    QCOMPARE(orvane::settingsPath(folder, QStringLiteral("/home/u/.config/"), overridePath),
             expected);
}

void TestSettings::resolvesForThisMachine()
{
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir_.filePath(QStringLiteral("cfg"))));
    QCOMPARE(resolveSettingsPath(dir_.path()), dir_.filePath(QStringLiteral("orvane.ini")));
    QCOMPARE(resolveSettingsPath(dir_.filePath(QStringLiteral("missing"))),
             dir_.filePath(QStringLiteral("cfg/orvane/orvane.ini")));
    QCOMPARE(resolveSettingsPath(dir_.path(), QStringLiteral("/tmp/other.ini")),
             QStringLiteral("/tmp/other.ini"));
    // An installed tree: bin beside share/orvane keeps its settings in the user's folder.
    QDir root(dir_.path());
    QVERIFY(root.mkpath(QStringLiteral("prefix/bin")));
    QVERIFY(root.mkpath(QStringLiteral("prefix/share/orvane/help")));
    const QString bin = dir_.filePath(QStringLiteral("prefix/bin"));
    QVERIFY(inspectProgramFolder(bin).installedLayout);
    QCOMPARE(resolveSettingsPath(bin), dir_.filePath(QStringLiteral("cfg/orvane/orvane.ini")));
    // A portable folder made read-only keeps using the orvane.ini it holds.
    QVERIFY(root.mkpath(QStringLiteral("stick")));
    const QString stick = dir_.filePath(QStringLiteral("stick"));
    writeBytes(stick + QStringLiteral("/orvane.ini"), "[Setup]\r\n");
    QFile::setPermissions(stick, QFile::ReadOwner | QFile::ExeOwner);
    const ProgramFolder facts = inspectProgramFolder(stick);
    QFile::setPermissions(stick, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(facts.holdsSettings);
    QVERIFY(!facts.installedLayout);
    QCOMPARE(orvane::settingsPath(facts, QStringLiteral("/home/u/.config")),
             stick + QStringLiteral("/orvane.ini"));
    qputenv("XDG_CONFIG_HOME", oldConfig);
}

void TestSettings::findsTheHelp()
{
    QDir root(dir_.path());
    QVERIFY(root.mkpath(QStringLiteral("bin")));
    const QString bin = dir_.filePath(QStringLiteral("bin"));
    QCOMPARE(helpFilePath(bin), bin + QStringLiteral("/help/index.html"));
    QVERIFY(root.mkpath(QStringLiteral("share/orvane/help")));
    writeBytes(dir_.filePath(QStringLiteral("share/orvane/help/index.html")), "<html/>");
    QCOMPARE(helpFilePath(bin), dir_.filePath(QStringLiteral("share/orvane/help/index.html")));
    QCOMPARE(helpFilePath(bin + QLatin1Char('/')),
             dir_.filePath(QStringLiteral("share/orvane/help/index.html")));
    QVERIFY(root.mkpath(QStringLiteral("bin/help")));
    writeBytes(dir_.filePath(QStringLiteral("bin/help/index.html")), "<html/>");
    QCOMPARE(helpFilePath(bin), bin + QStringLiteral("/help/index.html"));
}
