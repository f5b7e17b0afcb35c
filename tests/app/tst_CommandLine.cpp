// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_CommandLine.h"

#include "CommandLine.h"
#include "EvalCommand.h"
#include "GbkText.h"

#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
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
              help = int(CommandLine::Mode::Help), render = int(CommandLine::Mode::Render),
              geometry = int(CommandLine::Mode::Geometry);
    QTest::newRow("nothing starts the window") << QStringList{} << gui << false;
    QTest::newRow("help") << QStringList{"--help"} << help << false;
    QTest::newRow("-h") << QStringList{"-h"} << help << false;
    QTest::newRow("eval") << QStringList{"--eval", "1+1"} << eval << false;
    QTest::newRow("eval with x") << QStringList{"--eval", "x", "--x", "2"} << eval << false;
    QTest::newRow("eval without text") << QStringList{"--eval"} << eval << true;
    QTest::newRow("x not a number") << QStringList{"--eval", "x", "--x", "two"} << eval << true;
    QTest::newRow("const without =") << QStringList{"--eval", "k", "--const", "k"} << eval << true;
    QTest::newRow("unknown option") << QStringList{"--frobnicate"} << gui << true;
    QTest::newRow("geometry") << QStringList{"--geometry", "two-points", "-1", "2", "3", "-4"}
                              << geometry << false;
    QTest::newRow("geometry, then settings")
        << QStringList{"--geometry", "two-points", "0", "0", "1", "2", "--settings", "a.ini"}
        << geometry << false;
    QTest::newRow("geometry without problem") << QStringList{"--geometry"} << geometry << true;
    QTest::newRow("render") << QStringList{"--render", "a.fun", "--out", "a.png"} << render
                            << false;
    QTest::newRow("render without out") << QStringList{"--render", "a.fun"} << render << true;
    QTest::newRow("render two files")
        << QStringList{"--render", "a.fun", "b.fun", "--out", "a.png"} << render << true;
    QTest::newRow("render, a file after out")
        << QStringList{"--render", "a.fun", "--out", "a.png", "b.txt"} << render << true;
    QTest::newRow("render, a file before it")
        << QStringList{"a.fun", "--render", "b.fun", "--out", "a.png"} << render << true;
    QTest::newRow("render twice") << QStringList{"--render", "a.fun", "--render",
                                                 "b.fun",    "--out", "a.png"}
                                  << render << true;
    QTest::newRow("window, a second file ignored") << QStringList{"a.fun", "b.fun"} << gui << false;
    QTest::newRow("size out of range")
        << QStringList{"--render", "a.fun", "--out", "a.png", "--size", "40"} << render << true;
    QTest::newRow("px not whole") << QStringList{"--render", "a.fun", "--out",
                                                 "a.png",    "--px",  "10.5"}
                                  << render << true;
    QTest::newRow("scale 4") << QStringList{"--render", "a.fun", "--out", "a.png", "--scale", "4"}
                             << render << false;
    QTest::newRow("scale 5 refused")
        << QStringList{"--render", "a.fun", "--out", "a.png", "--scale", "5"} << render << true;
    const int integral = int(CommandLine::Mode::Integral), roots = int(CommandLine::Mode::Roots);
    QTest::newRow("integral") << QStringList{"--integral", "x", "0", "1"} << integral << false;
    QTest::newRow("integral with n")
        << QStringList{"--integral", "x", "0", "1", "--n", "3"} << integral << false;
    QTest::newRow("integral without B") << QStringList{"--integral", "x", "0"} << integral << true;
    QTest::newRow("n without count")
        << QStringList{"--integral", "x", "0", "1", "--n"} << integral << true;
    QTest::newRow("roots") << QStringList{"--roots", "x^2-4", "-10", "10"} << roots << false;
    QTest::newRow("roots without range") << QStringList{"--roots", "x^2-4"} << roots << true;
    QTest::newRow("scale 0 refused")
        << QStringList{"--render", "a.fun", "--out", "a.png", "--scale", "0"} << render << true;
    const QStringList out{"--render", "a.fun", "--out", "a.png", "--view"};
    QTest::newRow("view") << out + QStringList{"-0.5,0.5,-0.5,0.5"} << render << false;
    QTest::newRow("view, exponents") << out + QStringList{"1e3,2e3,-1,1"} << render << false;
    QTest::newRow("view, three numbers") << out + QStringList{"0,1,0"} << render << true;
    QTest::newRow("view, five numbers") << out + QStringList{"0,1,0,1,2"} << render << true;
    QTest::newRow("view, ends swapped") << out + QStringList{"1,0,0,1"} << render << true;
    QTest::newRow("view, empty width") << out + QStringList{"0,1,2,2"} << render << true;
    QTest::newRow("view, no value") << out << render << true;
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
    QTest::newRow("geometry, no such problem")
        << QStringList{"--geometry", "three-points", "0", "0"} << "" << 2;
    QTest::newRow("geometry, too few numbers")
        << QStringList{"--geometry", "two-points", "0", "0", "1"} << "" << 2;
    QTest::newRow("geometry, unreadable number")
        << QStringList{"--geometry", "two-circles", "0", "0", "2", "1", "1", "x+"}
        << "r₂ 有误：“x+”不能计算\n"
        << 1;
    QTest::newRow("geometry, radius 0")
        << QStringList{"--geometry", "two-circles", "0", "0", "0", "1", "1", "1"}
        << "r₁ 有误：半径须大于0\n"
        << 1;
    QTest::newRow("geometry, answered")
        << QStringList{"--geometry", "two-circles", "0", "0", "1", "5", "0", "2"}
        << "两圆的位置关系如下：\n圆心距d=5，r₁+r₂=3，|r₁−r₂|=1\nd>r₁+r₂，两圆外离\n\n详细步骤：\n"
           "圆C₁：x²+y²=1，圆心C₁(0,0)，半径r₁=1\n圆C₂：(x−5)²+y²=4，圆心C₂(5,0)，半径r₂=2\n"
           "圆心距d=|C₁C₂|=√((5−0)²+(0−0)²)=5\nr₁+r₂=3，|r₁−r₂|=1\n∵d>r₁+r₂，∴两圆外离\n"
        << 0;
    QTest::newRow("two files to render")
        << QStringList{"--render", "a.fun", "b.fun", "--out", "x.png"} << "" << 2;
    QTest::newRow("deep nesting") << QStringList{"--eval", QString(100000, QLatin1Char('('))}
                                  << "Error\n"
                                  << 1;
    // Typed with a Chinese input method, and the program's own number form.
    QTest::newRow("full-width") << QStringList{"--eval", "（１＋２）×３÷２"} << "4.5\n" << 0;
    QTest::newRow("exponent form") << QStringList{"--eval", "2.5E+17/1E-05"} << "2.5E+22\n" << 0;
    QTest::newRow("e stays the constant") << QStringList{"--eval", "2*e"} << "5.4365636569181\n"
                                          << 0;
    // What the integral window shows.
    QTest::newRow("integral") << QStringList{"--integral", "sin(x)", "0", "Pi/2"} << "1.00\n" << 0;
    QTest::newRow("integral singular end")
        << QStringList{"--integral", "1/sqr(x)", "0", "1", "--n", "1"} << "2.00\n"
        << 0;
    QTest::newRow("integral read otherwise")
        << QStringList{"--integral", "6*x^2", "０", "１"} << "12.00\n按 (6*x)^2 计算\n"
        << 0;
    QTest::newRow("integral divergent")
        << QStringList{"--integral", "1/x^2", "0", "1"} << "积分可能发散\n"
        << 1;
    QTest::newRow("integral count") << QStringList{"--integral", "x", "0", "1", "--n", "0"}
                                    << "精度必须是1到32767之间的整数（现为0）\n"
                                    << 1;
    QTest::newRow("integral unreadable")
        << QStringList{"--integral", "2x", "0", "1"}
        << "被积函数：缺少运算符，乘号“*”不能省略（第2个字符“x”）\n"
        << 1;
    QTest::newRow("integral usage") << QStringList{"--integral", "x"} << "" << 2;
    // What the equation solver shows.
    QTest::newRow("roots") << QStringList{"--roots", "x^3-6*(x^2)+11*x-6", "-100", "100"}
                           << "1.00\n2.00\n3.00\n"
                           << 0;
    QTest::newRow("roots read otherwise")
        << QStringList{"--roots", "x^2*3-12", "-10", "10"} << "2.00\n-2.00\n"
        << 0;
    QTest::newRow("roots told how it is read")
        << QStringList{"--roots", "-x^2+4", "-10", "10"} << "按 (-x)^2 计算\n"
        << 0;
    QTest::newRow("roots unreadable") << QStringList{"--roots", "2x+1", "-10", "10"}
                                      << "方程式：缺少运算符，乘号“*”不能省略（第2个字符“x”）\n"
                                      << 1;
    QTest::newRow("roots usage") << QStringList{"--roots", "x", "1"} << "" << 2;
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
    QTest::addColumn<QString>("function");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<int>("pad");
    QTest::addColumn<int>("pixels");
    QTest::newRow("png") << "y=x"
                         << "png" << 300 << 300;
    QTest::newRow("bmp") << "y=x"
                         << "bmp" << 200 << 200;
    QTest::newRow("png at 3") << "y=x"
                              << "png" << 100 << 300;
    // A file written with a Chinese input method (GBK text), and the exponent form.
    QTest::newRow("full-width") << "y=ｘ×１"
                                << "png" << 300 << 300;
    QTest::newRow("exponent form") << "y=1E+00*x"
                                   << "png" << 300 << 300;
}

void TestCommandLine::renderWritesPicture()
{
    QFETCH(QString, function);
    QFETCH(QString, extension);
    QFETCH(int, pad);
    QFETCH(int, pixels);
    QTemporaryDir dir;
    const QString settings = writeFile(dir, "orvane.ini", "[Setup]\r\nLineColor=255\r\n");
    const QString fun = writeFile(
        dir, "a.fun", "[Image]\r\nCount=1\r\nFunction0=" + GbkText::encode(function) + "\r\n");
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

void TestCommandLine::helpListsBothSpellings()
{
    QString texts[2];
    const char* spellings[2] = {"-h", "--help"};
    for (int i = 0; i < 2; ++i) {
        QProcess process;
        process.start(QStringLiteral(ORVANE_EXECUTABLE), {QLatin1String(spellings[i])});
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitCode(), 0);
        texts[i] = QString::fromUtf8(process.readAllStandardOutput());
    }
    QCOMPARE(texts[0], texts[1]);
    const QStringList words = texts[0].split(QRegularExpression(QStringLiteral("[\\s,]+")));
    QVERIFY(words.contains(QStringLiteral("-h")));
    QVERIFY(words.contains(QStringLiteral("--help")));
}

void TestCommandLine::quietWithoutRuntimeFolder_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("eval") << QStringList{"--eval", "1+1"};
    QTest::newRow("render") << QStringList{"--render", "a.fun", "--out", "a.png"};
    QTest::newRow("render to svg") << QStringList{"--render", "a.fun", "--out", "a.svg"};
    QTest::newRow("help") << QStringList{"--help"};
}

// As under cron, su or ssh: no XDG_RUNTIME_DIR, and the run prints nothing on stderr.
void TestCommandLine::quietWithoutRuntimeFolder()
{
    QFETCH(QStringList, arguments);
    QTemporaryDir dir;
    writeFile(dir, "a.fun", "[Image]\r\nCount=1\r\nFunction0=y=x\r\n");
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(dir.path());
    process.start(QStringLiteral(ORVANE_EXECUTABLE),
                  QStringList(arguments) << QStringLiteral("--settings") << dir.filePath("s.ini"));
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(QString::fromUtf8(process.readAllStandardError()), QString());
    QCOMPARE(process.exitCode(), 0);
}
