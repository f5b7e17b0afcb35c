// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_LoadSettings.h"

#include "FileBytes.h"
#include "LoadSettings.h"
#include "Settings.h"

#include <QFile>
#include <QStringList>
#include <QTest>

using namespace orvane;

namespace {

// 1024 pixels of screen height.
constexpr int ScreenTwips = 15360;

// Records the calls as lines of text; some calls also record what the file held at
// that moment, because the order of writes and calls is part of the behaviour.
class RecordingHooks : public StartupHooks {
public:
    explicit RecordingHooks(const Settings& ini) : ini_(ini) {}

    void offerShortcuts() override
    {
        calls << QStringLiteral("offer (marked %1)")
                     .arg(ini_.getSetupValue(QStringLiteral("CreatShortCut")));
    }
    void placeStatusBox(double top) override
    {
        calls << QStringLiteral("status box at %1").arg(top);
    }
    void showTip() override
    {
        calls << QStringLiteral("tip (Tips=%1)").arg(ini_.getSetupValue(QStringLiteral("Tips")));
    }
    void applySettingsToWindows() override
    {
        calls << QStringLiteral("apply (ColorSelfHelp=%1)")
                     .arg(ini_.getSetupValue(QStringLiteral("ColorSelfHelp")));
    }
    void setExpression(PlotKind kind, const QString& text) override
    {
        const char* box = kind == PlotKind::Y   ? "txtBiaoSi"
                          : kind == PlotKind::X ? "txtXB"
                                                : "txtPolar";
        calls << QString::fromLatin1(box) + QStringLiteral(" := ") + text;
    }
    void setPlotterLabels() override { calls << QStringLiteral("labels"); }
    void addUserConstant(const QString& name, const QString& value) override
    {
        calls << QStringLiteral("constant %1 = %2 (AllConst=%3)")
                     .arg(name, value, ini_.getInfoValue(QStringLiteral("AllConst")));
    }

    QStringList calls;

private:
    const Settings& ini_;
};

const QByteArray FirstRunFile = "[Setup]\r\n"
                                "Orvane=3.0 Final\r\n"
                                "CreatShortCut=OK\r\n"
                                "StateBoxTop=13960\r\n"
                                "Tab=0\r\n"
                                "Size=10\r\n"
                                "Color=16711680\r\n"
                                "LineBold=1\r\n"
                                "PingHuaDu=10\r\n"
                                "ShowTip=1\r\n"
                                "Tips=0\r\n"
                                "LineColor=16711680\r\n"
                                "ColorSelfMain=0\r\n"
                                "ColorSelfHelp=1\r\n"
                                "[Infomation]\r\n"
                                "ExpressionX=x^2+sin(x)+1/x\r\n"
                                "ExpressionY=y^2/16\r\n"
                                "ExpressionPolar=4/(2-2*cos(x))\r\n"
                                "AllConst=3\r\n"
                                "ConstName1=Pi\r\n"
                                "ConstValue1=3.14159265358979\r\n"
                                "ConstName2=e\r\n"
                                "ConstValue2=2.71828182845905\r\n"
                                "ConstName3=g\r\n"
                                "ConstValue3=9.8\r\n";

QStringList runOnce(const QString& path)
{
    const Settings ini(path);
    RecordingHooks hooks(ini);
    loadSettings(ini, ScreenTwips, hooks);
    return hooks.calls;
}

} // namespace

QString TestLoadSettings::path() const
{
    return dir_.filePath(QStringLiteral("orvane.ini"));
}

void TestLoadSettings::init()
{
    QFile::remove(path());
}

void TestLoadSettings::firstRunWritesTheDefaultsInOrder()
{
    runOnce(path());
    QCOMPARE(readBytes(path()), FirstRunFile);
}

void TestLoadSettings::firstRunCallsTheWindowsInOrder()
{
    const QStringList expected{
        "offer (marked OK)",
        "status box at 13760",
        "tip (Tips=0)",
        "apply (ColorSelfHelp=1)",
        "txtBiaoSi := x^2+sin(x)+1/x",
        "txtXB := y^2/16",
        "txtPolar := 4/(2-2*cos(x))",
        "labels",
        "constant Pi = 3.14159265358979 (AllConst=)",
        "constant e = 2.71828182845905 (AllConst=1)",
        "constant g = 9.8 (AllConst=2)",
    };
    QCOMPARE(runOnce(path()), expected);
}

void TestLoadSettings::secondRunChangesNothing()
{
    runOnce(path());
    const QStringList expected{
        "status box at 13960",
        "tip (Tips=0)",
        "apply (ColorSelfHelp=1)",
        "txtBiaoSi := x^2+sin(x)+1/x",
        "txtXB := y^2/16",
        "txtPolar := 4/(2-2*cos(x))",
        "labels",
        "constant Pi = 3.14159265358979 (AllConst=3)",
        "constant e = 2.71828182845905 (AllConst=3)",
        "constant g = 9.8 (AllConst=3)",
    };
    QCOMPARE(runOnce(path()), expected);
    QCOMPARE(readBytes(path()), FirstRunFile);
}

void TestLoadSettings::missingShowTipResetsTheGroup()
{
    writeBytes(path(), QByteArray(FirstRunFile)
                           .replace("Size=10", "Size=25")
                           .replace("\nColor=16711680", "\nColor=0")
                           .replace("LineBold=1", "LineBold=3")
                           .replace("PingHuaDu=10", "PingHuaDu=60")
                           .replace("ShowTip=1\r\n", ""));
    QVERIFY(runOnce(path()).contains(QStringLiteral("tip (Tips=0)")));
    // The group comes back with its defaults, ShowTip at the end of the section.
    const QByteArray after = readBytes(path());
    QCOMPARE(after.left(after.indexOf("[Infomation]")),
             QByteArray("[Setup]\r\nOrvane=3.0 Final\r\nCreatShortCut=OK\r\nStateBoxTop=13960\r\n"
                        "Tab=0\r\nSize=10\r\nColor=16711680\r\nLineBold=1\r\nPingHuaDu=10\r\n"
                        "Tips=0\r\nLineColor=16711680\r\nColorSelfMain=0\r\nColorSelfHelp=1\r\n"
                        "ShowTip=1\r\n"));
}

void TestLoadSettings::showTipZeroShowsNoTip()
{
    writeBytes(path(), QByteArray(FirstRunFile).replace("ShowTip=1", "ShowTip=0"));
    const QStringList calls = runOnce(path());
    QVERIFY(calls.filter(QStringLiteral("tip (")).isEmpty());
    QCOMPARE(readBytes(path()), QByteArray(FirstRunFile).replace("ShowTip=1", "ShowTip=0"));
}

void TestLoadSettings::removedConstantsComeBack()
{
    writeBytes(path(), QByteArray(FirstRunFile)
                           .replace("AllConst=3", "AllConst=0")
                           .replace("=Pi\r\n", "=\r\n")
                           .replace("=e\r\n", "=\r\n")
                           .replace("=g\r\n", "=\r\n")
                           .replace("=3.14159265358979", "=")
                           .replace("=2.71828182845905", "=")
                           .replace("=9.8", "="));
    const QStringList calls = runOnce(path());
    QCOMPARE(calls.filter(QStringLiteral("constant")),
             (QStringList{"constant Pi = 3.14159265358979 (AllConst=0)",
                          "constant e = 2.71828182845905 (AllConst=1)",
                          "constant g = 9.8 (AllConst=2)"}));
    QCOMPARE(readBytes(path()), FirstRunFile);
}

void TestLoadSettings::clearedExpressionComesBack()
{
    writeBytes(path(), QByteArray(FirstRunFile)
                           .replace("ExpressionX=x^2+sin(x)+1/x", "ExpressionX=")
                           .replace("ExpressionY=y^2/16", "ExpressionY=  y*3  "));
    const QStringList calls = runOnce(path());
    QVERIFY(calls.contains(QStringLiteral("txtBiaoSi := x^2+sin(x)+1/x")));
    QVERIFY(calls.contains(QStringLiteral("txtXB := y*3")));
    QCOMPARE(readBytes(path()),
             QByteArray(FirstRunFile).replace("ExpressionY=y^2/16", "ExpressionY=  y*3  "));
}

void TestLoadSettings::savedConstantsAreLoadedInOrder()
{
    writeBytes(path(), QByteArray(FirstRunFile)
                           .replace("AllConst=3", "AllConst=2")
                           .replace("ConstName1=Pi", "ConstName1=k")
                           .replace("ConstValue1=3.14159265358979", "ConstValue1=12.5"));
    QCOMPARE(runOnce(path()).filter(QStringLiteral("constant")),
             (QStringList{"constant k = 12.5 (AllConst=2)",
                          "constant e = 2.71828182845905 (AllConst=2)"}));
}

void TestLoadSettings::quotedValuesLoadWithoutOverwriting()
{
    // Hand-edited on Windows: quotes around values, and old-editor lone CR line ends.
    const QByteArray edited = QByteArray(FirstRunFile)
                                  .replace("AllConst=3", "AllConst=\"2\"")
                                  .replace("ConstName1=Pi", "ConstName1=\"k\"")
                                  .replace("ConstValue1=3.14159265358979", "ConstValue1='12.5'")
                                  .replace("Size=10\r\n", "Size=\"25\"\r")
                                  .replace("ShowTip=1", "ShowTip='0'");
    writeBytes(path(), edited);
    const QStringList calls = runOnce(path());
    QCOMPARE(calls.filter(QStringLiteral("constant")),
             (QStringList{"constant k = 12.5 (AllConst=2)",
                          "constant e = 2.71828182845905 (AllConst=2)"}));
    QVERIFY(calls.filter(QStringLiteral("tip (")).isEmpty());
    QCOMPARE(Settings(path()).getSetupInt16(QStringLiteral("Size")), qint16(25));
    // Nothing the user saved is written over at start-up.
    QCOMPARE(readBytes(path()), edited);
}
