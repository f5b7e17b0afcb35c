// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_Shortcuts.h"

#include "FakeEnvironment.h"
#include "FakeSystemDialogs.h"
#include "FileBytes.h"
#include "Services.h"
#include "Shortcuts.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

using namespace orvane;

namespace {

// A temporary home with its own desktop and application-menu folders.
struct TemporaryHome {
    QTemporaryDir dir;
    FakeEnvironment environment;
    FakeSystemDialogs dialogs;
    engine::Engine engine;
    Services services{dialogs, environment, engine};
    TemporaryHome()
    {
        environment.desktop = dir.filePath(QStringLiteral("Desktop"));
        environment.applications = dir.filePath(QStringLiteral(".local/share/applications"));
    }
    QString desktopEntry() const { return environment.desktop + QStringLiteral("/奥维恩.desktop"); }
    QString menuEntry() const
    {
        return environment.applications + QStringLiteral("/奥维恩/奥维恩.desktop");
    }
    QString helpEntry() const
    {
        return environment.applications + QStringLiteral("/奥维恩/帮助.desktop");
    }
    QStringList allFiles() const
    {
        QStringList files;
        QDirIterator it(dir.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << it.next();
        files.sort();
        return files;
    }
};

const QString Program = QStringLiteral("/opt/orvane/bin/orvane");
const QString Help = QStringLiteral("/opt/orvane/bin/help/index.html");

// The line of `key` in the installed desktop entry, which the written entries follow.
QByteArray installedEntryLine(const QByteArray& key)
{
    const QList<QByteArray> lines =
        readBytes(QStringLiteral(ORVANE_DESKTOP_ENTRY_TEMPLATE)).split('\n');
    for (const QByteArray& line : lines)
        if (line.startsWith(key + '=')) return line + '\n';
    qFatal("the installed desktop entry has no %s", key.constData());
}

QByteArray programEntry()
{
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=奥维恩\n"
           "Exec=\"/opt/orvane/bin/orvane\" %f\n"
           "Path=/opt/orvane/bin\n" +
           installedEntryLine("Icon") + installedEntryLine("Categories") +
           installedEntryLine("MimeType") + "Terminal=false\n";
}

QByteArray helpEntry()
{
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=帮助\n"
           "Exec=\"xdg-open\" \"/opt/orvane/bin/help/index.html\"\n"
           "Path=/opt/orvane/bin\n"
           "Icon=help-browser\n" +
           installedEntryLine("Categories") + "Terminal=false\n";
}

} // namespace

void TestShortcuts::noCreatesNothing()
{
    TemporaryHome home;
    home.dialogs.messageAnswers = {MessageAnswer::No};
    offerShortcuts(home.services, nullptr, Help, Program);
    QCOMPARE(home.dialogs.calls.size(), 1);
    const MessageRequest& asked = home.dialogs.calls.front().message;
    QCOMPARE(asked.text, QStringLiteral("是否在桌面建立快捷方式？"));
    QCOMPARE(asked.title, QStringLiteral("建立快捷方式"));
    QCOMPARE(asked.buttons, MessageButtons::YesNo);
    QCOMPARE(home.allFiles(), QStringList());
    QVERIFY(!QFileInfo::exists(home.environment.desktop));
    QVERIFY(!QFileInfo::exists(home.environment.applications));
}

void TestShortcuts::yesWritesThreeEntries()
{
    TemporaryHome home;
    home.dialogs.messageAnswers = {MessageAnswer::Yes};
    offerShortcuts(home.services, nullptr, Help, Program);
    QCOMPARE(home.allFiles(),
             (QStringList{home.menuEntry(), home.helpEntry(), home.desktopEntry()}));
    QCOMPARE(readBytes(home.desktopEntry()), programEntry());
    QCOMPARE(readBytes(home.menuEntry()), programEntry());
    QCOMPARE(readBytes(home.helpEntry()), helpEntry());
    QVERIFY(QFileInfo(home.desktopEntry()).isExecutable());
}

void TestShortcuts::yesTwiceLeavesTheSameThree()
{
    TemporaryHome home;
    home.dialogs.messageAnswers = {MessageAnswer::Yes, MessageAnswer::Yes};
    offerShortcuts(home.services, nullptr, Help, Program);
    const QStringList first = home.allFiles();
    offerShortcuts(home.services, nullptr, Help, Program);
    QCOMPARE(home.allFiles(), first);
    QCOMPARE(first.size(), 3);
    QCOMPARE(readBytes(home.menuEntry()), programEntry());
}

void TestShortcuts::deletedMenuEntryIsRecreated()
{
    TemporaryHome home;
    QVERIFY(QDir().mkpath(home.environment.applications + QStringLiteral("/奥维恩")));
    writeBytes(home.helpEntry(), "old");
    QCOMPARE(
        writeShortcutFiles(home.environment.desktop, home.environment.applications, Program, Help),
        (QStringList{home.desktopEntry(), home.menuEntry(), home.helpEntry()}));
    QCOMPARE(readBytes(home.menuEntry()), programEntry());
    QCOMPARE(readBytes(home.helpEntry()), helpEntry());
}

void TestShortcuts::failedFolderLookupSkipsThatEntry()
{
    TemporaryHome home;
    QCOMPARE(writeShortcutFiles(QString(), home.environment.applications, Program, Help),
             (QStringList{home.menuEntry(), home.helpEntry()}));
    QCOMPARE(writeShortcutFiles(home.environment.desktop, QString(), Program, Help),
             QStringList{home.desktopEntry()});
}

void TestShortcuts::execQuoting_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("execLine");
    QTest::addColumn<QString>("pathLine");
    QTest::newRow("blank") << "/home/a b/orvane"
                           << "Exec=\"/home/a b/orvane\""
                           << "Path=/home/a b";
    QTest::newRow("quote and dollar") << "/x/\"$HOME\"/orvane"
                                      << "Exec=\"/x/\\\\\"\\\\$HOME\\\\\"/orvane\""
                                      << "Path=/x/\"$HOME\"";
    QTest::newRow("percent") << "/x/100%/orvane"
                             << "Exec=\"/x/100%%/orvane\""
                             << "Path=/x/100%";
    QTest::newRow("backslash") << "/x/a\\b/orvane"
                               << "Exec=\"/x/a\\\\\\\\b/orvane\""
                               << "Path=/x/a\\\\b";
    QTest::newRow("Chinese") << "/home/学生/orvane"
                             << "Exec=\"/home/学生/orvane\""
                             << "Path=/home/学生";
}

void TestShortcuts::execQuoting()
{
    QFETCH(QString, program);
    QFETCH(QString, execLine);
    QFETCH(QString, pathLine);
    const QStringList lines =
        QString::fromUtf8(desktopEntryText(QStringLiteral("奥维恩"), {program},
                                           QFileInfo(program).absolutePath(), {}))
            .split(QLatin1Char('\n'));
    QVERIFY2(lines.contains(execLine), qPrintable(lines.join(QLatin1Char('|'))));
    QVERIFY2(lines.contains(pathLine), qPrintable(lines.join(QLatin1Char('|'))));
}

void TestShortcuts::entriesPassTheValidator()
{
    const QString validator =
        QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validator.isEmpty()) QSKIP("desktop-file-validate is not installed");
    TemporaryHome home;
    const QStringList files =
        writeShortcutFiles(home.environment.desktop, home.environment.applications,
                           QStringLiteral("/home/a \"b\"/100%/orvane"), Help);
    QCOMPARE(files.size(), 3);
    for (const QString& file : files) {
        QProcess process;
        process.start(validator, {file});
        QVERIFY(process.waitForFinished(10000));
        const QByteArray report = process.readAllStandardOutput() + process.readAllStandardError();
        QVERIFY2(process.exitCode() == 0 && !report.contains("error"), report.constData());
    }
}
