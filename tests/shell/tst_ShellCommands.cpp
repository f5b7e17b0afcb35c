// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_ShellCommands.h"

#include "FakeFunctionTarget.h"
#include "FakeSystemDialogs.h"
#include "FileBytes.h"
#include "FunctionGraphCommands.h"
#include "ProgramPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <functional>

using namespace orvane;

namespace {
using Command = std::function<void(SystemDialogs&, QWidget*, FunctionGraphTarget&)>;
} // namespace

Q_DECLARE_METATYPE(Command)

void TestShellCommands::saveCommandsAskWithTheirDialog_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("save all") << Command(saveAllFunctionsCommand)
                              << QByteArray("[Image]\r\nCount=1\r\nFunction0=y=x^2\r\n");
    QTest::newRow("save current") << Command(saveCurrentFunctionCommand)
                                  << QByteArray("[Image]\r\nCount=0\r\nXYP=X\r\nFunction=y+1\r\n");
}

void TestShellCommands::saveCommandsAskWithTheirDialog()
{
    QFETCH(Command, command);
    QFETCH(QByteArray, file);
    const QString path = dir_.filePath(QStringLiteral("saved.fun"));
    QFile::remove(path);
    FakeSystemDialogs dialogs;
    dialogs.fileAnswers = {path};
    FakeFunctionTarget target;
    target.rows = QStringList{QStringLiteral("y=x^2")};
    target.kind = PlotKind::X;
    target.boxes[1] = QStringLiteral("y+1");
    command(dialogs, nullptr, target);
    QCOMPARE(dialogs.count(FakeSystemDialogs::Call::Save), 1);
    const FileDialogRequest& asked = dialogs.calls.front().file;
    QCOMPARE(asked.title, QStringLiteral("保存"));
    QCOMPARE(asked.filterText, QStringLiteral("函数图象文件 (*.fun)"));
    QCOMPARE(asked.filterPattern, QStringLiteral("*.fun"));
    QCOMPARE(asked.initialFolder, QString());
    QCOMPARE(readBytes(path), file);
}

void TestShellCommands::saveSaysWhatWentWrong_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("message");
    const QString longest = QStringLiteral("x+") + QString(260, QLatin1Char('1'));
    QTest::newRow("missing folder") << "gone/lesson.fun" << "x" << "" << "gone”不存在";
    QTest::newRow("no extension") << "lesson" << "x" << "lesson.fun" << "";
    QTest::newRow("other extension kept") << "lesson.txt" << "x" << "lesson.txt" << "";
    QTest::newRow("cut at 254 bytes") << "long.fun" << longest << "long.fun" << "前 254 字节";
}

void TestShellCommands::saveSaysWhatWentWrong()
{
    QFETCH(QString, typed);
    QFETCH(QString, expression);
    QFETCH(QString, written);
    QFETCH(QString, message);
    const QTemporaryDir folder;
    FakeSystemDialogs dialogs;
    dialogs.fileAnswers = {folder.filePath(typed)};
    FakeFunctionTarget target;
    target.rows = QStringList{QStringLiteral("y=") + expression};
    saveAllFunctionsCommand(dialogs, nullptr, target);
    const QStringList files = QDir(folder.path()).entryList(QDir::Files);
    QCOMPARE(files, written.isEmpty() ? QStringList() : QStringList{written});
    QCOMPARE(dialogs.messageTexts().size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty()) QVERIFY2(dialogs.messageTexts().front().contains(message), qPrintable(dialogs.messageTexts().front()));
}

void TestShellCommands::damagedImportIsReported()
{
    const QString path = dir_.filePath(QStringLiteral("damaged.fun"));
    writeBytes(path, QByteArray("\x7f\x45\x4c\x46\x00\x00", 6));
    FakeSystemDialogs dialogs;
    dialogs.fileAnswers = {path};
    FakeFunctionTarget target;
    importFunctionFileCommand(dialogs, nullptr, target);
    QCOMPARE(target.log, QStringList());
    QCOMPARE(dialogs.messageTexts().size(), 1);
    QVERIFY(dialogs.messageTexts().front().contains(QStringLiteral("damaged.fun")));
    QFile::remove(path);
}

void TestShellCommands::cancelledSaveWritesNothing()
{
    const QTemporaryDir empty;
    FakeSystemDialogs dialogs; // no planned answer: the dialog is cancelled
    FakeFunctionTarget target;
    target.rows = QStringList{QStringLiteral("y=x")};
    saveAllFunctionsCommand(dialogs, nullptr, target);
    saveCurrentFunctionCommand(dialogs, nullptr, target);
    QCOMPARE(dialogs.count(FakeSystemDialogs::Call::Save), 2);
    QCOMPARE(target.selectedRow, -1);
    QCOMPARE(QDir(empty.path()).entryList(QDir::Files), QStringList());
}

void TestShellCommands::importLoadsTheChosenFile()
{
    const QString path = dir_.filePath(QStringLiteral("in.fun"));
    writeBytes(path, "[Image]\r\nCount=1\r\nFunction0=p=2\r\n");
    FakeSystemDialogs dialogs;
    dialogs.fileAnswers = {path};
    FakeFunctionTarget target;
    importFunctionFileCommand(dialogs, nullptr, target);
    QCOMPARE(dialogs.count(FakeSystemDialogs::Call::Open), 1);
    QCOMPARE(dialogs.calls.front().file.title, QStringLiteral("导入文件"));
    QCOMPARE(dialogs.calls.front().file.filterText, QStringLiteral("函数图象文件 (*.fun)"));
    QCOMPARE(target.log, (QStringList{"select p", "draw p=2"}));
    QFile::remove(path);
}

void TestShellCommands::cancelledImportLoadsNothing()
{
    FakeSystemDialogs dialogs;
    FakeFunctionTarget target;
    importFunctionFileCommand(dialogs, nullptr, target);
    QCOMPARE(target.log, QStringList());
}

void TestShellCommands::helpLiesBesideTheProgram()
{
    const QString help = helpFilePath(QStringLiteral(ORVANE_PROGRAM_FOLDER));
    QCOMPARE(help, QStringLiteral(ORVANE_PROGRAM_FOLDER "/help/index.html"));
    QVERIFY(QFileInfo(help).isFile());
    QVERIFY(QFileInfo(QStringLiteral(ORVANE_PROGRAM_FOLDER "/help/style.css")).isFile());
}

void TestShellCommands::helpNamesEveryBuiltInFunction()
{
    const QString html =
        QString::fromUtf8(readBytes(helpFilePath(QStringLiteral(ORVANE_PROGRAM_FOLDER))));
    const char* names[] = {"SIN",   "COS", "TAN",    "TG",  "CTG",    "SEC", "CSC",    "ATN",
                           "ARCTG", "ACG", "ARCCTG", "ASN", "ARCSIN", "ACS", "ARCCOS", "ABS",
                           "INT",   "FIX", "SQR",    "EXP", "LOG",    "LN",  "FACT",   "RAD"};
    for (const char* name : names)
        QVERIFY2(html.contains(QStringLiteral("<code>%1</code>").arg(QLatin1String(name))), name);
    QVERIFY(html.contains(QStringLiteral("自然对数")));
    QVERIFY(html.contains(QStringLiteral("常用对数")));
}
