// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_CommandLine.h"

#include "CommandLine.h"
#include "EvalCommand.h"

#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sstream>

using namespace orvane;

namespace {
std::vector<std::string> words(const QStringList& list)
{
    std::vector<std::string> out;
    for (const QString& s : list)
        out.push_back(s.toStdString());
    return out;
}
} // namespace

void TestCommandLine::parses_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("usageError");
    const int gui = int(CommandLine::Mode::Gui), eval = int(CommandLine::Mode::Eval),
              help = int(CommandLine::Mode::Help), render = int(CommandLine::Mode::Render);
    QTest::newRow("nothing starts the window") << QStringList{} << gui << false;
    QTest::newRow("help") << QStringList{"--help"} << help << false;
    QTest::newRow("eval") << QStringList{"--eval", "1+1"} << eval << false;
    QTest::newRow("eval with x") << QStringList{"--eval", "x", "--x", "2"} << eval << false;
    QTest::newRow("eval without text") << QStringList{"--eval"} << eval << true;
    QTest::newRow("x not a number") << QStringList{"--eval", "x", "--x", "two"} << eval << true;
    QTest::newRow("const without =") << QStringList{"--eval", "k", "--const", "k"} << eval << true;
    QTest::newRow("unknown option") << QStringList{"--frobnicate"} << gui << true;
    QTest::newRow("render") << QStringList{"--render", "a.fun", "--out", "a.png"} << render
                            << false;
    QTest::newRow("render without out") << QStringList{"--render", "a.fun"} << render << true;
    QTest::newRow("size out of range")
        << QStringList{"--render", "a.fun", "--out", "a.png", "--size", "40"} << render << true;
    QTest::newRow("px not whole") << QStringList{"--render", "a.fun", "--out",
                                                 "a.png",    "--px",  "10.5"}
                                  << render << true;
    QTest::newRow("scale 4") << QStringList{"--render", "a.fun", "--out", "a.png", "--scale", "4"}
                             << render << false;
    QTest::newRow("scale 5 refused")
        << QStringList{"--render", "a.fun", "--out", "a.png", "--scale", "5"} << render << true;
    QTest::newRow("scale 0 refused")
        << QStringList{"--render", "a.fun", "--out", "a.png", "--scale", "0"} << render << true;
}

void TestCommandLine::parses()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, mode);
    QFETCH(bool, usageError);
    const CommandLine cl = parseCommandLine(words(arguments));
    QCOMPARE(!cl.error.empty(), usageError);
    if (!usageError) QCOMPARE(int(cl.mode), mode);
}

void TestCommandLine::functionFileArgument_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("path");
    QTest::newRow("plain") << "/tmp/a.fun"
                           << "/tmp/a.fun";
    QTest::newRow("quoted") << "\"/tmp/a b.fun\""
                            << "/tmp/a b.fun";
    QTest::newRow("any case") << "/tmp/A.FUN"
                              << "/tmp/A.FUN";
    QTest::newRow("other file") << "/tmp/a.txt"
                                << "";
    QTest::newRow("document") << "/tmp/lesson.OVD"
                              << "/tmp/lesson.OVD";
    QTest::newRow("ovd without dot") << "/tmp/lessonovd"
                                     << "";
}

void TestCommandLine::functionFileArgument()
{
    QFETCH(QString, argument);
    QFETCH(QString, path);
    QCOMPARE(QString::fromStdString(orvane::functionFileArgument(argument.toStdString())), path);
}

void TestCommandLine::evalPrints_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("output");
    QTest::addColumn<int>("status");
    QTest::newRow("2*3^2") << QStringList{"--eval", "2*3^2"} << "36\n" << 0;
    QTest::newRow("x at 1") << QStringList{"--eval", "x^2+sin(x)+1/x", "--x", "1"}
                            << "2.8414709848079\n"
                            << 0;
    QTest::newRow("--3") << QStringList{"--eval", "--3"} << "Error\n" << 1;
    QTest::newRow("defaults") << QStringList{"--eval", "pi*g/e"} << "11.326128027951\n" << 0;
    QTest::newRow("const") << QStringList{"--eval", "k*y", "--const", "k=1e3", "--y", "2"}
                           << "2000\n"
                           << 0;
    QTest::newRow("x and y") << QStringList{"--eval", "x-y", "--x", "5", "--y", "2"} << "3\n" << 0;
}

void TestCommandLine::evalPrints()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, output);
    QFETCH(int, status);
    std::ostringstream out, err;
    QCOMPARE(runEvalCommand(parseCommandLine(words(arguments)), out, err), status);
    QCOMPARE(QString::fromStdString(out.str()), output);
}

void TestCommandLine::realProgram_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("output");
    QTest::addColumn<int>("status");
    QTest::newRow("value") << QStringList{"--eval", "2*3^2"} << "36\n" << 0;
    QTest::newRow("error") << QStringList{"--eval", "--3"} << "Error\n" << 1;
    QTest::newRow("usage") << QStringList{"--eval"} << "" << 2;
    QTest::newRow("deep nesting") << QStringList{"--eval", QString(100000, QLatin1Char('('))}
                                  << "Error\n"
                                  << 1;
}

void TestCommandLine::realProgram()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, output);
    QFETCH(int, status);
    QProcess process;
    process.start(QStringLiteral(ORVANE_EXECUTABLE), arguments);
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), status);
    QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()), output);
}

namespace {
int runProgram(const QStringList& arguments, const QString& settingsPath)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(ORVANE_EXECUTABLE),
                  QStringList(arguments) << QStringLiteral("--settings") << settingsPath);
    if (!process.waitForFinished(20000)) return -1;
    return process.exitCode();
}

QString writeFile(const QTemporaryDir& dir, const char* name, const QByteArray& bytes)
{
    const QString path = dir.filePath(QLatin1String(name));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    return path;
}
} // namespace

void TestCommandLine::renderWritesPicture_data()
{
    QTest::addColumn<QString>("extension");
    QTest::addColumn<int>("pad");
    QTest::addColumn<int>("pixels");
    QTest::newRow("png") << "png" << 300 << 300;
    QTest::newRow("bmp") << "bmp" << 200 << 200;
    QTest::newRow("png at 3") << "png" << 100 << 300;
}

void TestCommandLine::renderWritesPicture()
{
    QFETCH(QString, extension);
    QFETCH(int, pad);
    QFETCH(int, pixels);
    QTemporaryDir dir;
    const QString settings = writeFile(dir, "orvane.ini", "[Setup]\r\nLineColor=255\r\n");
    const QString fun = writeFile(dir, "a.fun", "[Image]\r\nCount=1\r\nFunction0=y=x\r\n");
    const QString out = dir.filePath(QStringLiteral("out.") + extension);
    QCOMPARE(runProgram({"--render", fun, "--out", out, "--px", QString::number(pad), "--size",
                         "10", "--scale", QString::number(pixels / pad)},
                        settings),
             0);
    const QImage image(out);
    QCOMPARE(image.size(), QSize(pixels, pixels));
    // The line y = x in the saved line colour (red) crosses the picture's diagonal.
    int red = 0;
    for (int i = 0; i < pixels; ++i)
        red += image.pixelColor(i, pixels - 1 - i) == QColor(Qt::red) ? 1 : 0;
    QVERIFY2(red > pixels / 2, qPrintable(QString::number(red)));
    // The settings file is only read.
    QFile file(settings);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("[Setup]\r\nLineColor=255\r\n"));
}

void TestCommandLine::renderWritesVectorPictures()
{
    QTemporaryDir dir;
    const QString fun = writeFile(dir, "a.fun", "[Image]\r\nCount=1\r\nFunction0=y=x^2-4\r\n");
    for (const char* name : {"a.svg", "a.pdf"}) {
        const QString out = dir.filePath(QLatin1String(name));
        QCOMPARE(runProgram({"--render", fun, "--out", out}, dir.filePath("s.ini")), 0);
        QFile file(out);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        if (out.endsWith(QLatin1String("svg"))) {
            // Curves as lines and texts as texts, no embedded bitmap.
            QVERIFY(bytes.contains("<polyline") || bytes.contains("<path"));
            QVERIFY(bytes.contains("<text"));
            QVERIFY(!bytes.contains("<image"));
        } else {
            QVERIFY(bytes.startsWith("%PDF"));
        }
    }
}

void TestCommandLine::renderRefusesBadOutput()
{
    QTemporaryDir dir;
    const QString fun = writeFile(dir, "a.fun", "[Image]\r\nCount=0\r\n");
    QCOMPARE(runProgram({"--render", fun, "--out", dir.filePath("x.gif")}, dir.filePath("s.ini")),
             2);
    QCOMPARE(runProgram({"--render", dir.filePath("missing.fun"), "--out", dir.filePath("x.png")},
                        dir.filePath("s.ini")),
             1);
}
