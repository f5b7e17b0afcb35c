// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_SettingsWriters.h"

#include "FileBytes.h"
#include "ProfileFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

#include <memory>

using namespace orvane;

namespace {

const QString Setup = QStringLiteral("Setup");

std::unique_ptr<QProcess> startWriter(const QStringList& arguments)
{
    auto writer = std::make_unique<QProcess>();
    writer->setProgram(QStringLiteral(ORVANE_SETTINGS_WRITER));
    writer->setArguments(arguments);
    writer->setProcessChannelMode(QProcess::ForwardedChannels);
    writer->start();
    return writer;
}

bool finishedCleanly(QProcess& writer)
{
    return writer.waitForFinished(60000) && writer.exitStatus() == QProcess::NormalExit &&
           writer.exitCode() == 0;
}

QString keyOf(const QString& prefix, int i)
{
    return prefix + QString::number(i);
}

QString valueOf(int i, int width)
{
    return (QStringLiteral("v") + QString::number(i)).leftJustified(width, QLatin1Char('x'));
}

} // namespace

void TestSettingsWriters::init()
{
    QVERIFY(dir_.isValid());
    QFile::remove(settingsPath());
}

void TestSettingsWriters::twoProgramsAtOnceLoseNothing()
{
    const int count = 150;
    writeBytes(settingsPath(), "[Setup]\r\nTab=3\r\n");
    const QString n = QString::number(count);
    auto first = startWriter({settingsPath(), QStringLiteral("A"), n});
    auto second = startWriter({settingsPath(), QStringLiteral("B"), n});
    QVERIFY(finishedCleanly(*first));
    QVERIFY(finishedCleanly(*second));

    // Every key either program wrote is there with its value, and the one before them.
    const ProfileFile file(settingsPath());
    const QStringList keys = file.keys(Setup);
    QCOMPARE(keys.size(), 1 + 2 * count);
    QCOMPARE(file.read(Setup, QStringLiteral("Tab")), QStringLiteral("3"));
    for (int i = 1; i <= count; ++i) {
        QCOMPARE(file.read(Setup, keyOf(QStringLiteral("A"), i)), valueOf(i, 0));
        QCOMPARE(file.read(Setup, keyOf(QStringLiteral("B"), i)), valueOf(i, 0));
    }
    // No lock or temporary file is left behind.
    QCOMPARE(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("orvane.ini")});
}

void TestSettingsWriters::fullDiskLeavesTheLastWholeFile_data()
{
    QTest::addColumn<int>("limit");
    QTest::newRow("no room for the first write") << 20;
    QTest::newRow("room for a few writes") << 2000;
    QTest::newRow("room for many writes") << 20000;
}

void TestSettingsWriters::fullDiskLeavesTheLastWholeFile()
{
    QFETCH(int, limit);
    const QByteArray before = "[Setup]\r\nTab=3\r\n";
    writeBytes(settingsPath(), before);
    const int count = 200;
    const int width = 100;
    auto writer = startWriter({settingsPath(), QStringLiteral("K"), QString::number(count),
                               QString::number(width), QStringLiteral("--file-size-limit"),
                               QString::number(limit)});
    QVERIFY(finishedCleanly(*writer));

    // The file is one whole earlier state: the old key, then keys 1..k, nothing torn.
    const QByteArray bytes = readBytes(settingsPath());
    QVERIFY(bytes.startsWith(before));
    QVERIFY(bytes.endsWith("\r\n"));
    QVERIFY(bytes.size() <= qMax(limit, int(before.size())));
    const ProfileFile file(settingsPath());
    const QStringList keys = file.keys(Setup);
    QCOMPARE(file.read(Setup, QStringLiteral("Tab")), QStringLiteral("3"));
    for (int i = 1; i < keys.size(); ++i) {
        QCOMPARE(keys[i], keyOf(QStringLiteral("K"), i));
        QCOMPARE(file.read(Setup, keys[i]), valueOf(i, width));
    }
    QVERIFY(keys.size() - 1 < count); // the limit did stop it
    QCOMPARE(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("orvane.ini")});
}

void TestSettingsWriters::writableFileInReadOnlyFolder()
{
    // A folder where the writer cannot make a file, holding a file it may write. Folder
    // permissions do not bind root: then the writer runs as "nobody".
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("orvane.ini"));
    writeBytes(file, "[Setup]\r\nTab=3\r\n");
    const QFile::Permissions readWrite = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                         QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
    QVERIFY(QFile::setPermissions(file, readWrite));
    const QFile::Permissions enter = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                     QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    QVERIFY(QFile::setPermissions(dir.path(), geteuid() == 0 ? enter | QFile::WriteOwner : enter));
    QString program = QStringLiteral(ORVANE_SETTINGS_WRITER);
    QStringList arguments{file, QStringLiteral("K"), QStringLiteral("2")};
    if (geteuid() == 0) {
        arguments = QStringList{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                QStringLiteral("--clear-groups"), program} +
                    arguments;
        program = QStringLiteral("setpriv");
    }
    QProcess writer;
    writer.setProcessChannelMode(QProcess::ForwardedChannels);
    writer.start(program, arguments);
    const bool finished = finishedCleanly(writer);
    QFile::setPermissions(dir.path(), enter | QFile::WriteOwner);
    QVERIFY(finished);
    QCOMPARE(readBytes(file), QByteArray("[Setup]\r\nTab=3\r\nK1=v1\r\nK2=v2\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("orvane.ini")});
}
