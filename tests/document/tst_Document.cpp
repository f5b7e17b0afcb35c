// SPDX-License-Identifier: GPL-3.0-or-later
// The document: saving and reopening keeps the picture, hand-written files open, every
// kind of bad file is refused without touching the open work, autosave and recovery,
// and the question before unsaved work is given up.
#include "DocumentCommands.h"
#include "DocumentFormat.h"
#include "FakeSystemDialogs.h"
#include "FunctionGraphFile.h"
#include "PictureFiles.h"
#include "PlotterDocument.h"
#include "Settings.h"
#include "SketchStrokes.h"
#include "TestMain.h"
#include "WorkDocument.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>

using namespace orvane;

namespace {

const QSize PadSize(420, 420);

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Every kind of entry, conic and sketch operation, in an order where later drawing
// covers earlier drawing.
void buildMixedWork(WorkDocument& work)
{
    PadDocument& pad = work.pad();
    engine::Engine& engine = work.engine();
    QVERIFY(engine.addUserConstant("k", "2.5").ok);
    PlotterDocument plots(pad);
    plots.newAxisSize({0x00AA00, 12, 9});
    const auto curve = [&](int kind, const char* expression, double from, double to,
                           double smoothness, Colour colour, int width) {
        DocumentEntry e =
            WorkDocument::functionEntry(kind, QString::fromUtf8(expression), {}, colour);
        e.from = from;
        e.to = to;
        e.smoothness = smoothness;
        e.width = width;
        QVERIFY(work.addEntry(e));
    };
    curve(KindFunctionY, "k*sin(x)", -7, 7, 50, 0x0000FF, 2);
    curve(KindFunctionX, "y^2/4-3", -5, 5, 20, 0xFF0000, 1);
    pad.append(std::make_shared<LineStroke>(std::vector<LineStroke::Segment>{{{-3, -2}, {4, 5}}},
                                            0xFF00FF, 3, DrawStyle::Solid));
    curve(KindPolar, "4/(3-2*cos(x))", 0, 0, 100, 0x00AA00, 1);
    DocumentEntry lissajous =
        WorkDocument::functionEntry(KindParametric, QStringLiteral("3*sin(2*t)"), {}, 0x804000);
    lissajous.secondExpression = QStringLiteral("2*cos(3*t)");
    lissajous.from = 0;
    lissajous.to = 6.283185307;
    QVERIFY(work.addEntry(lissajous));
    DocumentEntry circle;
    circle.kind = KindCircle;
    circle.conic = {ConicKind::Circle, 1.5, -2, 2.5, 0, true, false, false};
    circle.colour = 0x008080;
    QVERIFY(work.addEntry(circle));
    DocumentEntry ellipse;
    ellipse.kind = KindEllipse;
    ellipse.conic = {ConicKind::Ellipse, 4, 2.5, 0.5, -1, true, true, false};
    ellipse.colour = 0x800000;
    ellipse.helpColours = {0x123456, 0x654321, 0xABCDEF, 0x0F0F0F};
    QVERIFY(work.addEntry(ellipse));
    DocumentEntry hyperbola;
    hyperbola.kind = KindHyperbola;
    hyperbola.conic = {ConicKind::Hyperbola, 2, 3, 0, 0, false, true, true};
    hyperbola.colour = 0x000080;
    hyperbola.width = 2;
    QVERIFY(work.addEntry(hyperbola));
    pad.append(std::make_shared<DotStroke>(WorldPoint{2.25f, 3.125f}, 0x0000FF, 5));
    pad.append(std::make_shared<LineStroke>(
        std::vector<LineStroke::Segment>{{{3, -4}, {0, -4}}, {{3, -4}, {3, 0}}}, 0x808080, 1,
        DrawStyle::DashDot));
    pad.append(std::make_shared<CircleStroke>(WorldPoint{-5, 5}, 1.75f, 0xFF8000, 2));
    pad.append(
        std::make_shared<TextStroke>(WorldPoint{1, 1}, QStringLiteral("切线 y=kx"), 0x000000, 14));
    auto eraser = std::make_shared<EraserStroke>(0xFFFFFF);
    eraser->addDot({0.5f, 0.5f}, 12);
    eraser->addDot({0.75f, 0.5f}, 20);
    pad.append(eraser);
    // The list is cleared; the pad keeps the curves drawn so far.
    plots.clearList();
    curve(KindFunctionY, "x^3/10", -4, 4, 100, 0xC000C0, 1);
    pad.setView(PlotView(1.5, -2.25, 7.5, true));
}

} // namespace

class DocumentTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(stateDir_.isValid());
        qputenv("XDG_STATE_HOME", stateDir_.path().toUtf8());
    }

    void reopenedMixedWorkDrawsTheSamePicture()
    {
        PadDocument pad;
        engine::Engine engine;
        WorkDocument work(pad, engine);
        buildMixedWork(work);
        const QByteArray saved = DocumentFormat::write(work.content());
        // Kept for the schema check that runs after this test.
        writeBytes(QCoreApplication::applicationDirPath() + QStringLiteral("/saved-mixed.ovd"),
                   saved);

        PadDocument reopened;
        engine::Engine otherEngine;
        WorkDocument reopenedWork(reopened, otherEngine);
        const DocumentFormat::ReadResult read = DocumentFormat::read(saved, {});
        QVERIFY2(read.content, qPrintable(read.error));
        QCOMPARE(reopenedWork.load(*read.content), QString());
        QCOMPARE(pictureImage(reopened, PadSize), pictureImage(pad, PadSize));
        QCOMPARE(reopened.state().entries.size(), std::size_t(1));
        QCOMPARE(reopened.state().axisSize, 12);
        QVERIFY(!reopened.viewIsClassic());
        QCOMPARE(reopened.view(), PlotView(1.5, -2.25, 7.5, true));
        // Saving the reopened work gives the same file.
        QCOMPARE(DocumentFormat::write(reopenedWork.content()), saved);
        double k = 0;
        QVERIFY(otherEngine.lookupConstant("k", k));
        QCOMPARE(k, 2.5);
    }

    void conicParametersComeBackExactly()
    {
        PadDocument pad;
        engine::Engine engine;
        WorkDocument work(pad, engine);
        DocumentEntry circle;
        circle.kind = KindCircle;
        circle.conic = {ConicKind::Circle, 0.25, -1.5, 2.5, 0, true, false, false};
        QVERIFY(work.addEntry(circle));
        const auto read = DocumentFormat::read(DocumentFormat::write(work.content()), {});
        QVERIFY(read.content);
        QCOMPARE(read.content->entries.at(0).conic.x, 2.5);
        QCOMPARE(read.content->entries.at(0).conic.a, 0.25);
        QCOMPARE(WorkDocument::rowText(read.content->entries.at(0)), conicRowText(circle.conic));
    }

    void handWrittenExampleOpensAndRenders()
    {
        // With a key of another program's, which is ignored.
        const QByteArray example =
            "{\"format\": \"orvane-document\", \"version\": 1, \"generator\": {\"name\": "
            "\"worksheet\"},\n"
            " \"axes\": {\"size\": 10, \"hidden\": false, \"background\": \"#ffffff\"},\n"
            " \"constants\": [{\"name\": \"k\", \"value\": 2}],\n"
            " \"entries\": [\n"
            "   {\"kind\": \"y\", \"expression\": \"x^2\", \"from\": -3, \"to\": 3, "
            "\"smoothness\": 100, \"colour\": \"#ff0000\", \"width\": 2},\n"
            "   {\"kind\": \"x\", \"expression\": \"y^2/4\", \"from\": -5, \"to\": 5, "
            "\"smoothness\": 50, \"colour\": \"#0000ff\", \"width\": 1},\n"
            "   {\"kind\": \"polar\", \"expression\": \"4/(3-2*cos(x))\", \"smoothness\": 100, "
            "\"colour\": \"#00aa00\", \"width\": 1}],\n"
            " \"sketch\": [\n"
            "   {\"op\": \"line\", \"from\": [0, 0], \"to\": [3, 4], \"colour\": \"#ff00ff\", "
            "\"width\": 1},\n"
            "   {\"op\": \"text\", \"at\": [1, 1], \"text\": \"切线\", \"size\": 12, \"colour\": "
            "\"#000000\"}]}";
        DocumentDefaults defaults;
        defaults.axes.colour = 0x00FF00;
        const auto read = DocumentFormat::read(example, defaults);
        QVERIFY2(read.content, qPrintable(read.error));
        PadDocument pad;
        engine::Engine engine;
        WorkDocument work(pad, engine);
        QCOMPARE(work.load(*read.content), QString());
        QCOMPARE(int(pad.state().entries.size()), 3);
        // Axes, three curves, the line and the text.
        QCOMPARE(int(pad.state().picture.size()), 6);
        const auto& first = static_cast<const PlottedEntry&>(*pad.state().entries[0]);
        QCOMPARE(first.text(), QStringLiteral("y=x^2"));
        QCOMPARE(first.colour(), Colour(0x0000FF));
        QCOMPARE(first.width(), 2);
        QCOMPARE(first.request().rangeMin, -3.0);
        // The axes' colour was left out: the settings' one.
        QCOMPARE(work.content().axes.colour, Colour(0x00FF00));
        const QImage picture = pictureImage(pad, PadSize);
        QVERIFY(picture.pixelColor(PadSize.width() / 2 + 42,
                                   PadSize.height() / 2 - 42 * 4 / 3 - 1) != QColor(Qt::white) ||
                picture.pixelColor(PadSize.width() / 2 + 40, PadSize.height() / 2 - 55) !=
                    QColor(Qt::white));
        QVERIFY(picture != pictureImage(PadDocument(), PadSize));
        writeBytes(QCoreApplication::applicationDirPath() + QStringLiteral("/saved-example.ovd"),
                   DocumentFormat::write(work.content()));
    }

    void badFilesAreRefusedAndChangeNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("not JSON") << QByteArray("{\"format\": \"orvane-document\", \"vers")
                                  << "不是有效的 JSON";
        QTest::newRow("binary") << QByteArray("\x00\x01\x02\xff", 4) << "不是有效的 JSON";
        QTest::newRow("foreign JSON")
            << QByteArray("{\"format\": \"geogebra\", \"version\": 1}") << "不是奥维恩作图文件";
        QTest::newRow("array") << QByteArray("[1, 2]") << "不是奥维恩作图文件";
        QTest::newRow("newer version")
            << QByteArray("{\"format\": \"orvane-document\", \"version\": 2}") << "版本 2";
        QTest::newRow("version not a number")
            << QByteArray("{\"format\": \"orvane-document\", \"version\": \"1\"}") << "版本号";
        QTest::newRow("wrong colour")
            << QByteArray("{\"format\": \"orvane-document\", \"version\": 1, \"entries\": "
                          "[{\"kind\": \"y\", \"expression\": \"x\", \"colour\": \"red\"}]}")
            << "entries[0].colour";
        QTest::newRow("unknown kind")
            << QByteArray("{\"format\": \"orvane-document\", \"version\": 1, \"entries\": "
                          "[{\"kind\": \"spiral\", \"expression\": \"x\"}]}")
            << "entries[0].kind";
        QTest::newRow("missing expression")
            << QByteArray("{\"format\": \"orvane-document\", \"version\": 1, \"entries\": "
                          "[{\"kind\": \"y\"}]}")
            << "entries[0].expression";
        QTest::newRow("axis size too large")
            << QByteArray(
                   "{\"format\": \"orvane-document\", \"version\": 1, \"axes\": {\"size\": 31}}")
            << "axes.size";
        QTest::newRow("entry index outside")
            << QByteArray("{\"format\": \"orvane-document\", \"version\": 1, \"sketch\": [{\"op\": "
                          "\"entry\", \"index\": 0}]}")
            << "sketch[0].index";
        QTest::newRow("point not a pair")
            << QByteArray("{\"format\": \"orvane-document\", \"version\": 1, \"sketch\": [{\"op\": "
                          "\"point\", \"at\": [1]}]}")
            << "sketch[0].at";
        QTest::newRow("eraser size zero")
            << QByteArray("{\"format\": \"orvane-document\", \"version\": 1, \"sketch\": [{\"op\": "
                          "\"eraser\", \"dots\": [[0, 0, 0]]}]}")
            << "sketch[0].dots[0]";
        QByteArray tooMany = "{\"format\": \"orvane-document\", \"version\": 1, \"entries\": [";
        for (int i = 0; i < 34; ++i)
            tooMany += QByteArray(i ? "," : "") + "{\"kind\": \"y\", \"expression\": \"x\"}";
        QTest::newRow("34 entries") << tooMany + "]}"
                                    << "最多 33 项";
        QByteArray huge = "{\"format\": \"orvane-document\", \"version\": 1, \"x\": \"";
        huge += QByteArray(DocumentFormat::MaxFileBytes, 'a') + "\"}";
        QTest::newRow("over 16 MiB") << huge << "16 MiB";
    }

    void badFilesAreRefusedAndChangeNothing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        const QString path = stateDir_.filePath(QStringLiteral("bad lesson.ovd"));
        writeBytes(path, bytes);

        PadDocument pad;
        engine::Engine engine;
        WorkDocument work(pad, engine);
        const QString settingsPath = stateDir_.filePath(QStringLiteral("orvane.ini"));
        Settings settings(settingsPath);
        FakeSystemDialogs dialogs;
        DocumentCommands commands(work, dialogs, settings, nullptr, hooks());
        buildMixedWork(work);
        const QByteArray before = DocumentFormat::write(work.content());
        const bool modified = work.isModified();

        QVERIFY(!commands.openPath(path));
        QCOMPARE(dialogs.calls.size(), 1);
        const QString message = dialogs.calls.at(0).message.text;
        QVERIFY2(message.contains(QDir::toNativeSeparators(path)), qPrintable(message));
        QVERIFY2(message.contains(reason), qPrintable(message));
        QCOMPARE(DocumentFormat::write(work.content()), before);
        QCOMPARE(work.isModified(), modified);
        QVERIFY(commands.recentFiles().isEmpty());
    }

    void refusedConstantLeavesTheWorkAlone()
    {
        PadDocument pad;
        engine::Engine engine;
        WorkDocument work(pad, engine);
        buildMixedWork(work);
        const QByteArray before = DocumentFormat::write(work.content());
        const auto read =
            DocumentFormat::read("{\"format\": \"orvane-document\", \"version\": 1, \"constants\": "
                                 "[{\"name\": \"sin\", \"value\": 1}]}",
                                 {});
        QVERIFY(read.content);
        QVERIFY(!work.load(*read.content).isEmpty());
        QCOMPARE(DocumentFormat::write(work.content()), before);
    }

    void damagedFunctionFilesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("binary") << QByteArray("[Image]\r\nCount=1\r\n\x00\x01", 20)
                                << "不是文本文件";
        QTest::newRow("no Count") << QByteArray("[Image]\r\nFunction0=y=x\r\n") << "Count";
        QTest::newRow("Count not a number") << QByteArray("[Image]\r\nCount=many\r\n") << "Count";
    }

    void damagedFunctionFilesAreRefused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        const QString path = stateDir_.filePath(QStringLiteral("bad.fun"));
        writeBytes(path, bytes);
        PadDocument pad;
        engine::Engine engine;
        WorkDocument work(pad, engine);
        const QString error = work.addFunctionGraph(path, {}, [] { return Colour(0); });
        QVERIFY2(error.contains(path) && error.contains(reason), qPrintable(error));
        QCOMPARE(pad.state().entries.size(), std::size_t(0));
    }

    void functionFileJoinsTheList()
    {
        const QString path = stateDir_.filePath(QStringLiteral("three.fun"));
        writeBytes(path,
                   "[Image]\r\nCount=3\r\nFunction0=y=x^2\r\nFunction1=x=y+1\r\nFunction2=p=2\r\n");
        PadDocument pad;
        engine::Engine engine;
        WorkDocument work(pad, engine);
        DocumentDefaults defaults;
        defaults.lineWidth = 3;
        QCOMPARE(work.addFunctionGraph(path, defaults, [] { return Colour(0x112233); }), QString());
        QCOMPARE(int(pad.state().entries.size()), 3);
        const auto& polar = static_cast<const PlottedEntry&>(*pad.state().entries[2]);
        QCOMPARE(polar.text(), QStringLiteral("p=2"));
        QCOMPARE(polar.width(), 3);
        QCOMPARE(polar.colour(), Colour(0x112233));
        // One file, one undo step.
        QVERIFY(pad.undo());
        QCOMPARE(int(pad.state().entries.size()), 0);
    }

    void savingIntoAMissingFolderSaysSo()
    {
        PadDocument pad;
        engine::Engine engine;
        WorkDocument work(pad, engine);
        Settings settings(stateDir_.filePath(QStringLiteral("orvane.ini")));
        FakeSystemDialogs dialogs;
        DocumentCommands commands(work, dialogs, settings, nullptr, hooks());
        const QString missing = stateDir_.filePath(QStringLiteral("no such folder/lesson.ovd"));
        dialogs.fileAnswers = {missing};
        QVERIFY(!commands.saveAs());
        QCOMPARE(dialogs.calls.size(), 2);
        QVERIFY(dialogs.calls.at(1).message.text.contains(QStringLiteral("no such folder")));
        QVERIFY(dialogs.calls.at(1).message.text.contains(QStringLiteral("不存在")));
        QVERIFY(!QFileInfo::exists(missing));
        // A name without an extension gets ".ovd".
        dialogs.fileAnswers = {stateDir_.filePath(QStringLiteral("lesson"))};
        QVERIFY(commands.saveAs());
        QVERIFY(QFileInfo::exists(stateDir_.filePath(QStringLiteral("lesson.ovd"))));
        QCOMPARE(commands.caption(), QStringLiteral("lesson.ovd - Orvane(奥维恩) 3.0 Final"));
        QCOMPARE(commands.recentFiles(),
                 QStringList{stateDir_.filePath(QStringLiteral("lesson.ovd"))});
    }

    void questionOnlyAfterAChange()
    {
        PadDocument pad;
        engine::Engine engine;
        WorkDocument work(pad, engine);
        Settings settings(stateDir_.filePath(QStringLiteral("orvane.ini")));
        FakeSystemDialogs dialogs;
        DocumentCommands commands(work, dialogs, settings, nullptr, hooks());
        QVERIFY(commands.confirmDiscard());
        QCOMPARE(dialogs.calls.size(), 0);
        pad.append(std::make_shared<DotStroke>(WorldPoint{1, 1}, 0, 3));
        QCOMPARE(commands.caption(), QStringLiteral("Orvane(奥维恩) 3.0 Final"));
        dialogs.messageAnswers = {MessageAnswer::Cancel, MessageAnswer::Yes};
        QVERIFY(!commands.confirmDiscard());
        QCOMPARE(dialogs.calls.at(0).message.buttons, MessageButtons::SaveDiscardCancel);
        // 保存 asks for a name; then nothing is left to ask about.
        dialogs.fileAnswers = {stateDir_.filePath(QStringLiteral("saved.ovd"))};
        QVERIFY(commands.confirmDiscard());
        QVERIFY(!work.isModified());
        const int asked = dialogs.calls.size();
        QVERIFY(commands.confirmDiscard());
        QCOMPARE(dialogs.calls.size(), asked);
        pad.append(std::make_shared<DotStroke>(WorldPoint{2, 2}, 0, 3));
        QCOMPARE(commands.caption(), QStringLiteral("*saved.ovd - Orvane(奥维恩) 3.0 Final"));
    }

    void newWorkStartsFromTheSettings()
    {
        PadDocument pad;
        engine::Engine engine;
        WorkDocument work(pad, engine);
        Settings settings(stateDir_.filePath(QStringLiteral("orvane.ini")));
        FakeSystemDialogs dialogs;
        DocumentCommands::Hooks h = hooks();
        h.defaults = [] {
            DocumentDefaults d;
            d.axes.size = 20;
            return d;
        };
        DocumentCommands commands(work, dialogs, settings, nullptr, h);
        buildMixedWork(work);
        work.setFilePath(stateDir_.filePath(QStringLiteral("old.ovd")));
        dialogs.messageAnswers = {MessageAnswer::No};
        commands.newDocument();
        QCOMPARE(dialogs.calls.size(), 1);
        QVERIFY(pad.state().entries.empty());
        QCOMPARE(int(pad.state().picture.size()), 1);
        QCOMPARE(pad.state().axisSize, 20);
        QCOMPARE(work.filePath(), QString());
        QVERIFY(!work.isModified());
        QVERIFY(!pad.canUndo());
        // The constants stay: they belong to the teacher as much as to one lesson.
        double k = 0;
        QVERIFY(engine.lookupConstant("k", k));
    }

    void recoveryAfterAKilledCopy()
    {
        // A copy that was killed leaves its autosave and a lock nobody holds.
        const QString folder = DocumentCommands::autosaveFolder();
        QCOMPARE(folder, stateDir_.filePath(QStringLiteral("orvane")));
        {
            PadDocument pad;
            engine::Engine engine;
            WorkDocument work(pad, engine);
            Settings settings(stateDir_.filePath(QStringLiteral("orvane.ini")));
            FakeSystemDialogs dialogs;
            DocumentCommands commands(work, dialogs, settings, nullptr, hooks());
            buildMixedWork(work);
            work.setFilePath(stateDir_.filePath(QStringLiteral("killed.ovd")));
            QVERIFY(commands.autosaveNow());
            commands.waitForAutosave();
            QVERIFY(QFileInfo::exists(commands.autosavePath()));
            QFile::copy(commands.autosavePath(), folder + QStringLiteral("/autosave-999999.ovd"));
            expected_ = pictureImage(pad, PadSize);
            // A clean end removes its own.
            commands.removeAutosave();
            QVERIFY(!QFileInfo::exists(commands.autosavePath()));
        }
        // A copy still running keeps its autosave to itself.
        QLockFile running(folder + QStringLiteral("/autosave-999998.lock"));
        QVERIFY(running.tryLock(0));
        QFile::copy(folder + QStringLiteral("/autosave-999999.ovd"),
                    folder + QStringLiteral("/autosave-999998.ovd"));

        PadDocument pad;
        engine::Engine engine;
        WorkDocument work(pad, engine);
        Settings settings(stateDir_.filePath(QStringLiteral("orvane.ini")));
        FakeSystemDialogs dialogs;
        DocumentCommands commands(work, dialogs, settings, nullptr, hooks());
        dialogs.messageAnswers = {MessageAnswer::Yes};
        commands.offerRecovery();
        QCOMPARE(dialogs.calls.size(), 1);
        QCOMPARE(pictureImage(pad, PadSize), expected_);
        QVERIFY(work.isModified());
        QCOMPARE(work.filePath(), stateDir_.filePath(QStringLiteral("killed.ovd")));
        QCOMPARE(commands.caption(), QStringLiteral("*killed.ovd - Orvane(奥维恩) 3.0 Final"));
        QVERIFY(!QFileInfo::exists(folder + QStringLiteral("/autosave-999999.ovd")));
        QVERIFY(QFileInfo::exists(folder + QStringLiteral("/autosave-999998.ovd")));
        // Offered once only.
        commands.offerRecovery();
        QCOMPARE(dialogs.calls.size(), 1);
    }

    void autosaveFollowsTheTimer()
    {
        PadDocument pad;
        engine::Engine engine;
        WorkDocument work(pad, engine);
        Settings settings(stateDir_.filePath(QStringLiteral("orvane.ini")));
        FakeSystemDialogs dialogs;
        DocumentCommands commands(work, dialogs, settings, nullptr, hooks());
        commands.setAutosaveDelay(10);
        QTest::qWait(30);
        QVERIFY(!QFileInfo::exists(commands.autosavePath()));
        pad.append(std::make_shared<DotStroke>(WorldPoint{1, 1}, 0, 3));
        QTRY_VERIFY(QFileInfo::exists(commands.autosavePath()));
        work.setModified(false);
        QVERIFY(!QFileInfo::exists(commands.autosavePath()));
    }

private:
    static DocumentCommands::Hooks hooks()
    {
        DocumentCommands::Hooks h;
        h.defaults = [] { return DocumentDefaults(); };
        h.followWork = [] {};
        h.importFunctionFile = [](const QString&) { return QString(); };
        return h;
    }

    QTemporaryDir stateDir_;
    QImage expected_;
};

ORVANE_TEST_MAIN(QApplication, DocumentTest)

#include "tst_Document.moc"
