// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_PlotterDocument.h"

#include "BackgroundTrace.h"
#include "Colours.h"
#include "ConicTesting.h"
#include "Engine.h"
#include "PadSurface.h"
#include "PictureFiles.h"
#include "PixelCount.h"
#include "PlotterDocument.h"
#include "SketchStrokes.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace orvane;
using orvane::test::pixelsOf;

namespace {

constexpr int Pixels = 400;
constexpr Colour Orange = 0x0080FF;
constexpr Colour Teal = 0x808000;
constexpr Colour HyperbolaBlue = 0xC00000;

struct Pad {
    engine::Engine engine;
    PadSurface surface;
    PadDocument document{&surface};
    PlotterDocument plots{document};
    Pad()
    {
        surface.resize(QSize(Pixels, Pixels));
        plots.newAxisSize(axes());
    }
    static PlotterDocument::Axes axes() { return {16711680, 10, 9}; }
    QImage image() const { return surface.persistentImage(); }
    QImage replayed() const
    {
        PadSurface fresh;
        fresh.resize(QSize(Pixels, Pixels));
        document.replay(fresh);
        return fresh.persistentImage();
    }

    int curve(const QString& expression, int kind, Colour colour, int width = 1)
    {
        PlotRecord record;
        record.Kind = std::int16_t(kind);
        record.Color = colour;
        record.Width = std::int16_t(width);
        TraceRequest request;
        request.expression = expression.toStdString();
        request.colour = colour;
        request.width = width;
        const QString prefix = kind == KindFunctionX ? "x=" : kind == KindPolar ? "p=" : "y=";
        const QString text = prefix + expression;
        return plots.put(PlottedEntry::traceCurve(plots.idForRow(plots.rowOf(text)), text, record,
                                                  engine, request));
    }
    int conic(ConicKind kind, double a, double b, double x, float y, Colour colour)
    {
        ConicParameters p = test::conicParameters(kind, a, b, x, y);
        p.directrices = true;
        p.asymptotes = true;
        PlotRecord record;
        record.Kind = std::int16_t(kind);
        record.Color = colour;
        // Auxiliary lines in colours of their own, as with random help colours.
        Colour next = 0x202020;
        return plots.put(PlottedEntry::drawConic(plots.pad().newEntryId(), conicRowText(p), record,
                                                 p, colour, 2,
                                                 [&](Colour) { return next += 0x10; }));
    }
};

} // namespace

void TestPlotterDocument::mixedDocumentReplaysBitForBit()
{
    Pad pad;
    pad.curve(QStringLiteral("x^2/3-4"), KindFunctionY, Orange, 3);
    pad.curve(QStringLiteral("sin(y)*3"), KindFunctionX, Teal);
    pad.curve(QStringLiteral("4/(3-2*cos(x))"), KindPolar, 0);
    pad.conic(ConicKind::Circle, 1, -2, 3, 0, Orange);
    pad.conic(ConicKind::Ellipse, 5, 3, 0, 1, Teal);
    pad.conic(ConicKind::Hyperbola, 3, 4, 1, 0, 0x00FF00);
    pad.document.append(std::make_shared<LineStroke>(
        std::vector<LineStroke::Segment>{{{2, 3}, {0, 3}}, {{2, 3}, {2, 0}}}, 0x0000FF, 2,
        DrawStyle::DashDot));
    pad.document.append(std::make_shared<CircleStroke>(WorldPoint{-4, 4}, 2.5f, 0xFF00FF, 1));
    pad.document.append(
        std::make_shared<TextStroke>(WorldPoint{-9, -7}, QStringLiteral("焦点 F"), 0, 14));
    auto eraser = std::make_shared<EraserStroke>(White);
    pad.surface.setPersistent(true);
    for (float x = -6; x < 6; x += 0.25f)
        eraser->extend(pad.surface, {x, x / 3}, 6);
    pad.document.append({PadOperationPtr(eraser)}, 1);
    pad.plots.drawAxes({0, 10, 9});
    QCOMPARE(pad.image(), pad.replayed());
}

void TestPlotterDocument::takenOutLeavesNoTrace_data()
{
    QTest::addColumn<int>("command");
    QTest::newRow("delete a row") << 0;
    QTest::newRow("hide the axes") << 1;
    QTest::newRow("draw a row again over itself") << 2;
}

void TestPlotterDocument::takenOutLeavesNoTrace()
{
    QFETCH(int, command);
    // The same pad drawn without what the command takes out, for comparison.
    Pad want;
    Pad pad;
    for (Pad* p : {&want, &pad}) {
        if (command != 0) p->curve(QStringLiteral("x^2-5"), KindFunctionY, Orange, 4);
        p->curve(QStringLiteral("x"), KindFunctionY, Teal, 2);
    }
    if (command == 0) {
        const int row = pad.curve(QStringLiteral("x^2-5"), KindFunctionY, Orange, 4);
        QVERIFY(pixelsOf(pad.image(), Orange) > 0);
        pad.plots.remove(row);
        QCOMPARE(pixelsOf(pad.image(), Orange), 0);
    } else if (command == 1) {
        pad.plots.hideAxes();
        want.document.replace([&] {
            PadState s = want.document.state();
            s.axesHidden = true;
            s.picture.erase(s.picture.begin());
            return s;
        }());
    } else {
        // The row drawn again goes on top, its old drawing leaves no mark.
        pad.curve(QStringLiteral("x^2-5"), KindFunctionY, Orange, 4);
        want.document.replace([&] {
            PadState s = want.document.state();
            std::swap(s.picture[1], s.picture[2]);
            return s;
        }());
    }
    QCOMPARE(pad.image(), want.image());
    QCOMPARE(pad.plots.count(), want.plots.count());
}

void TestPlotterDocument::redrawAllKeepsRowsAndTheirRecords()
{
    Pad pad;
    pad.curve(QStringLiteral("x "), KindFunctionY, Orange);
    pad.conic(ConicKind::Circle, 0, 0, 2.5, 0, Teal);
    const QImage before = pad.image();
    pad.plots.clearPad(Pad::axes());
    QCOMPARE(pixelsOf(pad.image(), Orange), 0);
    pad.plots.redrawAll(
        Pad::axes(), [](const PlottedEntry& e) { return e.record().Color; }, {}, pad.engine,
        BackgroundTraceSamples);
    QCOMPARE(pad.plots.count(), 2);
    QCOMPARE(pad.plots.entry(0).text(), QStringLiteral("y=x "));
    QCOMPARE(pad.plots.entry(1).text(), QStringLiteral("(x- 0)^2+(y- 0)^2= 2.5^2"));
    QVERIFY(pixelsOf(pad.image(), Orange) > 0);
    QVERIFY(pixelsOf(pad.image(), Teal) > 0);
    // Undo takes back the redraw, then the clearing.
    QVERIFY(pad.document.undo());
    QCOMPARE(pixelsOf(pad.image(), Orange), 0);
    QVERIFY(pad.document.undo());
    QCOMPARE(pad.image(), before);
}

void TestPlotterDocument::redrawAllTracesWithTodaysConstants_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("retraceLimit");
    QTest::addColumn<double>("k");
    // y = x + k (x = y + k, rho = theta + k) traced with k = 1, then k becomes 5 and the
    // list is redrawn.
    QTest::newRow("y=f(x), short trace: traced again") << int(KindFunctionY) << 1e5 << 5.0;
    QTest::newRow("x=f(y), short trace: traced again") << int(KindFunctionX) << 1e5 << 5.0;
    QTest::newRow("polar: always traced again") << int(KindPolar) << 0.0 << 5.0;
    QTest::newRow("long trace: keeps its segments") << int(KindFunctionY) << 0.0 << 1.0;
}

void TestPlotterDocument::redrawAllTracesWithTodaysConstants()
{
    QFETCH(int, kind);
    QFETCH(double, retraceLimit);
    QFETCH(double, k);
    Pad pad;
    pad.engine.addConstant("k", 1);
    pad.curve(kind == KindFunctionX ? QStringLiteral("y+k") : QStringLiteral("x+k"), kind, Orange);
    pad.engine.removeConstant("k");
    pad.engine.addConstant("k", 5);
    pad.plots.redrawAll(
        Pad::axes(), [](const PlottedEntry& e) { return e.record().Color; }, {}, pad.engine,
        retraceLimit);
    const auto& segments = pad.plots.entry(0).segments();
    QVERIFY(!segments.empty());
    const WorldPoint end = segments.back().second;
    if (kind == KindPolar) // rho = theta + k: the sweep starts at theta = 0 on the x axis
        QVERIFY(qAbs(segments.front().first.x - k) < 1e-3);
    else if (kind == KindFunctionX)
        QVERIFY(qAbs(end.x - (end.y + k)) < 1e-3);
    else
        QVERIFY(qAbs(end.y - (end.x + k)) < 1e-3);
}

void TestPlotterDocument::entriesFollowTheView_data()
{
    QTest::addColumn<double>("centreX");
    QTest::addColumn<double>("centreY");
    QTest::addColumn<double>("halfWidth");
    QTest::addColumn<uint>("colour");
    // The view is centred on a point of the curve y = x (orange) or of the circle of
    // radius 2.5 about the origin (teal): the centre pixel shows that colour.
    QTest::newRow("curve, close up") << 7.0 << 7.0 << 0.01 << uint(Orange);
    QTest::newRow("curve, zoomed out") << 5.0 << 5.0 << 400.0 << uint(Orange);
    QTest::newRow("circle, zoomed in") << 2.5 << 0.0 << 0.25 << uint(Teal);
    QTest::newRow("circle, panned") << 0.0 << -2.5 << 10.0 << uint(Teal);
    // x² - y²/4 = 1 (blue) close up at (√5, 4): its dots stay joined.
    QTest::newRow("hyperbola, close up") << std::sqrt(5.0) << 4.0 << 0.05 << uint(HyperbolaBlue);
    QTest::newRow("hyperbola, far out on a branch")
        << std::sqrt(401.0) << 40.0 << 1.0 << uint(HyperbolaBlue);
}

void TestPlotterDocument::entriesFollowTheView()
{
    QFETCH(double, centreX);
    QFETCH(double, centreY);
    QFETCH(double, halfWidth);
    QFETCH(uint, colour);
    Pad pad;
    pad.curve(QStringLiteral("x"), KindFunctionY, Orange);
    pad.conic(ConicKind::Circle, 0, 0, 2.5, 0, Teal);
    pad.conic(ConicKind::Hyperbola, 1, 2, 0, 0, HyperbolaBlue);
    const bool couldUndo = pad.document.canUndo();
    const QImage classic = pad.image();
    pad.document.setView(PlotView(centreX, centreY, halfWidth));
    const auto colourNearCentre = [&](const QImage& image) {
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                if (image.pixelColor(Pixels / 2 + dx, Pixels / 2 + dy) == toQColor(colour))
                    return true;
        return false;
    };
    QVERIFY(colourNearCentre(pad.image()));
    // The view is no undo step, and a picture painted afresh (an export) is the same.
    QCOMPARE(pad.document.canUndo(), couldUndo);
    QCOMPARE(pad.replayed(), pad.image());
    // Back to the classic view, and the picture as it was.
    pad.document.resetView();
    QVERIFY(pad.document.viewIsClassic());
    QCOMPARE(pad.image(), classic);
}

void TestPlotterDocument::wideCurveKeepsWhatTheViewShows()
{
    // sin(x) over -10000..10000 at smoothness 100: two million steps of the sweep, of which
    // the pad shows a thousandth.
    Pad pad;
    PlotRecord record;
    TraceRequest request;
    request.expression = "sin(x)";
    request.rangeMin = -10000;
    request.rangeMax = 10000;
    request.colour = Orange;
    request.area = {Pixels, Pixels};
    TraceOutcome outcome = TraceOutcome::Cancelled;
    pad.plots.put(PlottedEntry::traceCurve(pad.document.newEntryId(), "y=sin(x)", record,
                                           pad.engine, request, &outcome));
    QCOMPARE(outcome, TraceOutcome::Traced);
    QVERIFY(pixelsOf(pad.image(), Orange) > 0);
    // A few segments per pixel column of the window, not millions.
    QVERIFY(pad.plots.entry(0).segments().size() < 4 * Pixels);
    QTemporaryDir dir;
    const QString path = dir.filePath("wide.svg");
    QVERIFY(writePicture(path, pad.document, QSize(800, 800)));
    QVERIFY(QFileInfo(path).size() < 1'000'000);
}

void TestPlotterDocument::rowTextsCompareWithoutSurroundingBlanks_data()
{
    QTest::addColumn<QString>("listed");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("row");
    QTest::newRow("same") << "y=x"
                          << "y=x" << 0;
    QTest::newRow("trailing blank listed") << "y=x "
                                           << "y=x" << 0;
    QTest::newRow("trailing blank typed") << "y=x"
                                          << "y=x  " << 0;
    QTest::newRow("blank inside differs") << "y=x^2"
                                          << "y=x ^2" << -1;
    QTest::newRow("case matters") << "y=X"
                                  << "y=x" << -1;
}

void TestPlotterDocument::rowTextsCompareWithoutSurroundingBlanks()
{
    QFETCH(QString, listed);
    QFETCH(QString, typed);
    QFETCH(int, row);
    Pad pad;
    pad.curve(QStringLiteral("1"), KindFunctionY, Teal);
    PlotRecord record;
    pad.plots.put(
        PlottedEntry::traceCurve(pad.document.newEntryId(), listed, record, pad.engine, {}));
    QCOMPARE(pad.plots.rowOf(typed), row < 0 ? -1 : row + 1);
}
