// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_ShellWindows.h"

#include "AboutDialog.h"
#include "FakeEnvironment.h"
#include "FakeSystemDialogs.h"
#include "FileBytes.h"
#include "HelpWindow.h"
#include "NamedChild.h"
#include "Services.h"
#include "Settings.h"
#include "ShellWindows.h"
#include "TipDialog.h"
#include "TipTexts.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QUrl>

#include <memory>

using namespace orvane;
using orvane::test::child;

namespace {

struct Fixture {
    FakeEnvironment environment;
    FakeSystemDialogs dialogs;
    engine::Engine engine;
    Services services{dialogs, environment, engine};
};

QString shownTip(TipDialog& tip)
{
    return child<QLabel>(&tip, "lblTipText")->text();
}

void clickCentre(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

} // namespace

QString TestShellWindows::path() const
{
    return dir_.filePath(QStringLiteral("orvane.ini"));
}

void TestShellWindows::init()
{
    QFile::remove(path());
}

void TestShellWindows::tipTexts()
{
    QCOMPARE(tipText(1001),
             QStringLiteral(
                 "欢迎使用 Orvane!本程序是专门为中学学生和教师编写的数学工具，主要功能为函数作图、"
                 "符号运算(计算表达式)、解方程(测试版)、几何运算、公式计算、计算反三角函数，"
                 "希望本程序能为您的学习或教学提供帮助！"));
    QVERIFY(tipText(1002).contains(QStringLiteral("\"一般函数\"")));
    QVERIFY(tipText(1008).contains(QStringLiteral("\"圆锥函数\"")));
    QCOMPARE(tipText(1012), QStringLiteral("其它操作请见帮助。谢谢使用本软件！"));
    QSet<QString> distinct;
    for (int n = 1001; n <= 1012; ++n)
        distinct.insert(tipText(n));
    QCOMPARE(distinct.size(), 12);
    QVERIFY(!distinct.contains(QString()));
    QCOMPARE(tipText(1000), QString());
    QCOMPARE(tipText(1013), QString());
}

void TestShellWindows::firstOpeningShowsTheFirstTip()
{
    Fixture f;
    const Settings ini(path());
    TipDialog tip(f.services, ini, nullptr);
    QCOMPARE(shownTip(tip), tipText(1001));
    QCOMPARE(readBytes(path()), QByteArray("[Setup]\r\nTips=1\r\n"));
}

void TestShellWindows::openingMovesOnAcrossRuns_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("shown");
    QTest::addColumn<QString>("written");
    QTest::newRow("1") << QByteArray("1") << 1002 << "2";
    QTest::newRow("11") << QByteArray("11") << 1012 << "12";
    QTest::newRow("12 wraps") << QByteArray("12") << 1001 << "1";
    QTest::newRow("0") << QByteArray("0") << 1001 << "1";
    QTest::newRow("13 out of range") << QByteArray("13") << 1001 << "1";
    QTest::newRow("negative") << QByteArray("-4") << 1001 << "1";
    QTest::newRow("text") << QByteArray("abc") << 1001 << "1";
    QTest::newRow("5.5 to even") << QByteArray("5.5") << 1007 << "7";
}

void TestShellWindows::openingMovesOnAcrossRuns()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, shown);
    QFETCH(QString, written);
    writeBytes(path(), "[Setup]\r\nTips=" + stored + "\r\n");
    Fixture f;
    const Settings ini(path());
    TipDialog tip(f.services, ini, nullptr);
    QCOMPARE(shownTip(tip), tipText(shown));
    QCOMPARE(ini.getSetupValue(QStringLiteral("Tips")), written);
}

void TestShellWindows::nextTipCycles()
{
    Fixture f;
    const Settings ini(path());
    TipDialog tip(f.services, ini, nullptr);
    auto* next = child<QPushButton>(&tip, "cmdNextTip");
    for (int i = 0; i < 11; ++i)
        QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(shownTip(tip), tipText(1012));
    QCOMPARE(ini.getSetupValue(QStringLiteral("Tips")), QStringLiteral("12"));
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(shownTip(tip), tipText(1001));
    QCOMPARE(ini.getSetupValue(QStringLiteral("Tips")), QStringLiteral("1"));
    QCOMPARE(tip.tipPosition(), 1);
}

void TestShellWindows::checkBoxWritesShowTip()
{
    writeBytes(path(), "[Setup]\r\nShowTip=1\r\n");
    Fixture f;
    const Settings ini(path());
    TipDialog tip(f.services, ini, nullptr);
    auto* check = child<QCheckBox>(&tip, "chkLoadTipsAtStartup");
    QVERIFY(check->isChecked());
    QCOMPARE(readBytes(path()), QByteArray("[Setup]\r\nShowTip=1\r\nTips=1\r\n"));
    clickCentre(check);
    QCOMPARE(ini.getSetupValue(QStringLiteral("ShowTip")), QStringLiteral("0"));
    clickCentre(check);
    QCOMPARE(ini.getSetupValue(QStringLiteral("ShowTip")), QStringLiteral("1"));

    writeBytes(path(), "[Setup]\r\nShowTip=0\r\n");
    TipDialog cleared(f.services, ini, nullptr);
    QVERIFY(!child<QCheckBox>(&cleared, "chkLoadTipsAtStartup")->isChecked());
}

void TestShellWindows::tipWindowLooksRight()
{
    Fixture f;
    const Settings ini(path());
    TipDialog tip(f.services, ini, nullptr);
    QCOMPARE(tip.windowTitle(), QStringLiteral("日积月累"));
    // Above the program's windows only, not above other programs.
    QVERIFY(!tip.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!tip.isModal());
    QCOMPARE(child<QPushButton>(&tip, "cmdNextTip")->text(), QStringLiteral("下一条"));
    QCOMPARE(child<QPushButton>(&tip, "cmdOK")->text(), QStringLiteral("确定"));
    QCOMPARE(child<QCheckBox>(&tip, "chkLoadTipsAtStartup")->text(),
             QStringLiteral("在启动时显示提示(&S)"));
    QVERIFY(!child<QLabel>(&tip, "Image1")->pixmap().isNull());
    QVERIFY(!tip.windowIcon().isNull());
}

void TestShellWindows::okClosesAndDestroys()
{
    Fixture f;
    const Settings ini(path());
    QWidget owner;
    QPointer<TipDialog> tip = showTipWindow(f.services, ini, &owner);
    QVERIFY(tip && tip->isVisible());
    QTest::mouseClick(child<QPushButton>(tip, "cmdOK"), Qt::LeftButton);
    QTRY_VERIFY(tip.isNull());
}

void TestShellWindows::openTipWindowIsOnlyBroughtForward()
{
    Fixture f;
    const Settings ini(path());
    QWidget owner;
    TipDialog* first = showTipWindow(f.services, ini, &owner);
    TipDialog* again = showTipWindow(f.services, ini, &owner);
    QCOMPARE(again, first);
    QCOMPARE(ini.getSetupValue(QStringLiteral("Tips")), QStringLiteral("1"));
    first->close();
    QTRY_COMPARE(owner.findChildren<TipDialog*>().size(), 0);
    // Every new opening moves one tip further.
    TipDialog* second = showTipWindow(f.services, ini, &owner);
    QCOMPARE(shownTip(*second), tipText(1002));
}

void TestShellWindows::aboutBoxShowsTheProduct()
{
    Fixture f;
    QPixmap sign(32, 32);
    sign.fill(Qt::red);
    const QIcon oldIcon = QApplication::windowIcon();
    QApplication::setWindowIcon(QIcon(sign));
    AboutDialog about(f.services, nullptr);
    QApplication::setWindowIcon(oldIcon);
    QCOMPARE(child<QLabel>(&about, "picSign")->pixmap().toImage().pixelColor(10, 10),
             QColor(Qt::red));
    QCOMPARE(child<QLabel>(&about, "lblTitle")->text(), QStringLiteral("Orvane 3.0 Final"));
    QVERIFY(child<QLabel>(&about, "lblTitle")
                ->font()
                .families()
                .contains(QStringLiteral("Times New Roman")));
    QCOMPARE(child<QLabel>(&about, "lblDescription")->text(), QStringLiteral("奥维恩"));
    QCOMPARE(child<QLabel>(&about, "Label1")->text(), MakerAddress);
    QCOMPARE(child<QLabel>(&about, "Label1")->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(child<QWidget>(&about, "Line1") && child<QWidget>(&about, "Line2"));
    const auto* licence = child<QPlainTextEdit>(&about, "txtLicence");
    QVERIFY(licence->isReadOnly());
    QVERIFY(licence->toPlainText().contains(QStringLiteral("GPL-3.0-or-later")));
    QVERIFY(licence->toPlainText().simplified().contains(
        QStringLiteral("either version 3 of the License, or (at your option) any later version")));
    QVERIFY(licence->toPlainText().contains(QStringLiteral("GNU 通用公共许可证第 3 版")));
    QVERIFY(!about.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!about.isModal());
}

void TestShellWindows::aboutLinkOpensTheAddress()
{
    Fixture f;
    QPointer<AboutDialog> about = showAboutBox(f.services, nullptr);
    clickCentre(child<QLabel>(about, "Label1"));
    QCOMPARE(f.environment.openedDocuments, QStringList{MakerAddress});
    QVERIFY(about && about->isVisible());
    delete about;
}

void TestShellWindows::aboutClosesOnClick()
{
    Fixture f;
    for (const char* target : {"lblTitle", "picSign", ""}) {
        QPointer<AboutDialog> about = showAboutBox(f.services, nullptr);
        QWidget* where = *target ? child<QWidget>(about, target) : about.data();
        if (*target)
            clickCentre(where);
        else
            QTest::mouseClick(about, Qt::LeftButton, {},
                              QPoint(about->width() - 5, about->height() - 5));
        QTRY_VERIFY2(about.isNull(), target);
    }
    QCOMPARE(f.environment.openedDocuments, QStringList());
}

void TestShellWindows::aboutStaysOpenOnClickInTheLicence()
{
    Fixture f;
    QPointer<AboutDialog> about = showAboutBox(f.services, nullptr);
    auto* licence = child<QPlainTextEdit>(about, "txtLicence");
    QTest::mouseClick(licence->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseDClick(licence->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    QCoreApplication::processEvents();
    QVERIFY(about && about->isVisible());
    QVERIFY(licence->textCursor().hasSelection());
    delete about;
}

void TestShellWindows::openAboutBoxIsOnlyBroughtForward()
{
    Fixture f;
    QWidget owner;
    AboutDialog* first = showAboutBox(f.services, &owner);
    QCOMPARE(showAboutBox(f.services, &owner), first);
    QCOMPARE(owner.findChildren<AboutDialog*>().size(), 1);
}

void TestShellWindows::aboutLinkWithoutBrowserShowsTheAddress()
{
    Fixture f;
    f.environment.documentsOpen = false;
    QPointer<AboutDialog> about = showAboutBox(f.services, nullptr);
    clickCentre(child<QLabel>(about, "Label1"));
    QCOMPARE(
        f.dialogs.messageTexts(),
        QStringList{QStringLiteral("没有可以打开网址的程序，请在浏览器中打开：\r") + MakerAddress});
    delete about;
}

void TestShellWindows::helpLinks_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<bool>("desktopOpens");
    QTest::addColumn<QString>("shownPage");
    QTest::addColumn<QString>("handedToDesktop");
    QTest::addColumn<int>("messages");
    QTest::newRow("place on the page") << "#b" << true << "index.html#b"
                                       << "" << 0;
    QTest::newRow("another page") << "more.html" << true << "more.html"
                                  << "" << 0;
    QTest::newRow("web address") << "https://example.org/x" << true << "index.html"
                                 << "https://example.org/x" << 0;
    QTest::newRow("web address, no browser") << "https://example.org/x" << false << "index.html"
                                             << "https://example.org/x" << 1;
}

void TestShellWindows::helpLinks()
{
    QFETCH(QString, link);
    QFETCH(bool, desktopOpens);
    QFETCH(QString, shownPage);
    QFETCH(QString, handedToDesktop);
    QFETCH(int, messages);
    Fixture f;
    f.environment.documentsOpen = desktopOpens;
    writeBytes(dir_.filePath(QStringLiteral("index.html")),
               "<p><a href=\"#b\">b</a></p><p><a name=\"b\">B</a></p>");
    writeBytes(dir_.filePath(QStringLiteral("more.html")), "<p>more</p>");
    QPointer<HelpWindow> help =
        showHelpWindow(f.services, dir_.filePath(QStringLiteral("index.html")), nullptr);
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->windowTitle(), QStringLiteral("帮助主题"));
    emit help->browser()->anchorClicked(QUrl(link));
    const QUrl shown = help->browser()->source();
    QCOMPARE(shown.fileName() + (shown.hasFragment() ? "#" + shown.fragment() : QString()),
             shownPage);
    QCOMPARE(f.environment.openedDocuments.join(QString()), handedToDesktop);
    QCOMPARE(f.dialogs.messageTexts().size(), messages);
    delete help;
}

void TestShellWindows::missingHelpSaysSo()
{
    Fixture f;
    const QString missing = dir_.filePath(QStringLiteral("help/index.html"));
    QVERIFY(!showHelpWindow(f.services, missing, nullptr));
    QCOMPARE(f.dialogs.messageTexts(), QStringList{QStringLiteral("找不到帮助文件：\r") + missing});
}
