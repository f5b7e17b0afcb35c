// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_EvalSettings.h"

#include "CommandLine.h"
#include "EvalCommand.h"
#include "FileBytes.h"

#include <QFile>
#include <QProcess>
#include <QTest>

#include <sstream>

using namespace orvane;

QString TestEvalSettings::path() const
{
    return dir_.filePath(QStringLiteral("orvane.ini"));
}

void TestEvalSettings::init()
{
    QFile::remove(path());
}

void TestEvalSettings::evaluates_data()
{
    QTest::addColumn<QByteArray>("settings"); // empty: no file
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("output");
    const QByteArray saved = "[Infomation]\r\nAllConst=2\r\nConstName1=k\r\nConstValue1=3\r\n"
                             "ConstName2=Pi\r\nConstValue2=3\r\n";
    QTest::newRow("no file: defaults") << QByteArray() << "pi*g/e"
                                       << "11.326128027951\n";
    QTest::newRow("saved constants") << saved << "k*pi"
                                     << "9\n";
    QTest::newRow("saved list replaces the defaults") << saved << "g"
                                                      << "Error\n";
    QTest::newRow("count 0: defaults")
        << QByteArray("[Infomation]\r\nAllConst=0\r\nConstName1=k\r\nConstValue1=3\r\n") << "g"
        << "9.8\n";
    QTest::newRow("count past the entries")
        << QByteArray("[Infomation]\r\nAllConst=99999\r\nConstName1=k\r\nConstValue1=4\r\n") << "k"
        << "4\n";
    QTest::newRow("binary file: defaults")
        << QByteArray("[Infomation]\r\nAllConst=1\r\nConstName1=k\r\nConstValue1=3\r\n") +
               QByteArray(1, '\0')
        << "e"
        << "2.71828182845905\n";
}

void TestEvalSettings::evaluates()
{
    QFETCH(QByteArray, settings);
    QFETCH(QString, expression);
    QFETCH(QString, output);
    if (!settings.isEmpty()) writeBytes(path(), settings);
    const CommandLine commandLine =
        parseCommandLine({"--eval", expression.toStdString(), "--settings", path().toStdString()});
    std::ostringstream out, err;
    runEvalCommand(commandLine, out, err);
    QCOMPARE(QString::fromStdString(out.str()), output);
    // Evaluating never writes the settings file.
    QCOMPARE(QFile::exists(path()), !settings.isEmpty());
    if (!settings.isEmpty()) QCOMPARE(readBytes(path()), settings);
}

void TestEvalSettings::realProgramReadsTheSettings()
{
    writeBytes(path(), "[Infomation]\r\nAllConst=1\r\nConstName1=r\r\nConstValue1=1.5\r\n");
    QProcess process;
    process.start(
        QStringLiteral(ORVANE_EXECUTABLE),
        {QStringLiteral("--eval"), QStringLiteral("r*2"), QStringLiteral("--settings"), path()});
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()), QStringLiteral("3\n"));
}
