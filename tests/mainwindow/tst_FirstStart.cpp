// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_FirstStart.h"

#include "NamedChild.h"
#include "Startup.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

using namespace orvane;
using orvane::test::child;

namespace {

const QString Question = QStringLiteral("是否在桌面建立快捷方式？");

QStringList setupKeys(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QStringList keys;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.startsWith("[Infomation]")) break;
        if (line.contains('=')) keys << QString::fromLatin1(line.left(line.indexOf('=')));
    }
    return keys;
}

// What the main window holds at the moment the tip window is first shown.
class TipWatcher : public QObject {
public:
    explicit TipWatcher(MainWindow*& window) : window_(window) {}
    bool shown = false;
    bool windowVisible = false;
    QString expressionY;
    QString expressionX;
    int plottedRows = -1;
    double pi = 0;
    engine::Engine* engine = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && !shown &&
            watched->objectName() == QLatin1String("frmTip") && window_) {
            shown = true;
            windowVisible = window_->isVisible();
            expressionY = child<QLineEdit>(window_, QStringLiteral("txtXB"))->text();
            expressionX = child<QLineEdit>(window_, QStringLiteral("txtBiaoSi"))->text();
            plottedRows = child<QListWidget>(window_, QStringLiteral("LF"))->count();
            pi = engine->evaluate("pi");
        }
        return false;
    }

private:
    MainWindow*& window_;
};

} // namespace

void TestFirstStart::init()
{
    setUp();
}

void TestFirstStart::cleanup()
{
    tearDown();
}

void TestFirstStart::shortcutQuestion_data()
{
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QString>("storedMark");
    QTest::addColumn<bool>("asked");
    QTest::newRow("portable, first start") << false << "" << true;
    QTest::newRow("portable, later start") << false << "OK" << false;
    QTest::newRow("installed, first start") << true << "" << false;
    QTest::newRow("installed, later start") << true << "OK" << false;
}

void TestFirstStart::shortcutQuestion()
{
    QFETCH(bool, installed);
    QFETCH(QString, storedMark);
    QFETCH(bool, asked);
    if (!storedMark.isEmpty())
        settings_->setSetupValue(QStringLiteral("CreatShortCut"), storedMark);
    // Yes where asked: an installed program must not get that far.
    dialogs_->messageAnswers = {MessageAnswer::Yes};
    window_ = std::make_unique<MainWindow>(*services_, *settings_,
                                           dir_->filePath(QStringLiteral("help/index.html")));
    StartupOptions options;
    options.offerShortcutsOnFirstRun = !installed;
    startProgram(*window_, {}, options);

    QCOMPARE(dialogs_->messageTexts().contains(Question), asked);
    QCOMPARE(QDir(environment_->desktop).exists(), asked);
    QCOMPARE(QDir(environment_->applications).exists(), asked);
    // The offer counts as made either way, and the file keeps its order of keys.
    QCOMPARE(settings_->getSetupValue(QStringLiteral("CreatShortCut")), QStringLiteral("OK"));
    if (storedMark.isEmpty()) {
        QCOMPARE(setupKeys(settingsPath()).mid(0, 3),
                 (QStringList{"Orvane", "CreatShortCut", "StateBoxTop"}));
        QCOMPARE(settings_->getSetupValue(QStringLiteral("Orvane")), QStringLiteral("3.0 Final"));
    }
}

void TestFirstStart::tipComesOverTheCompleteWindow()
{
    const QString fun = dir_->filePath(QStringLiteral("lesson.fun"));
    QFile file(fun);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Image]\r\nCount=1\r\nFunction0=y=x^3\r\n");
    file.close();
    settings_->setInfoValue(QStringLiteral("ExpressionY"), QStringLiteral("y+1"));

    MainWindow* watched = nullptr;
    TipWatcher watcher(watched);
    watcher.engine = engine_.get();
    qApp->installEventFilter(&watcher);
    window_ = std::make_unique<MainWindow>(*services_, *settings_,
                                           dir_->filePath(QStringLiteral("help/index.html")));
    watched = window_.get();
    startProgram(*window_, fun);
    qApp->removeEventFilter(&watcher);

    QVERIFY(watcher.shown);
    QVERIFY(watcher.windowVisible);
    // The settings are applied, the constants loaded, and the function file is open (its
    // entry listed and in the box).
    QCOMPARE(watcher.expressionY, QStringLiteral("y+1"));
    QCOMPARE(watcher.expressionX, QStringLiteral("x^3"));
    QCOMPARE(watcher.plottedRows, 1);
    QCOMPARE(watcher.pi, 3.14159265358979);
    // The tip is shown over the window, once.
    const QList<QWidget*> tips = window_->findChildren<QWidget*>(QStringLiteral("frmTip"));
    QCOMPARE(tips.size(), 1);
    QVERIFY(tips.front()->isVisible());
}
