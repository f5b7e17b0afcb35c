// SPDX-License-Identifier: GPL-3.0-or-later
// Tracing and drawing on the real pad: one default curve, and "全部重画" of a full list
// driven through the real plotter panel.
#include "BenchPlotterHost.h"
#include "RatioReporter.h"
#include "Workloads.h"

#include "Colours.h"
#include "ConicPage.h"
#include "CurveTracer.h"
#include "Engine.h"
#include "FunctionPage.h"
#include "PlotRecord.h"
#include "PlotterPanel.h"
#include "SketchStrokes.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include <cmath>
#include <memory>
#include <vector>

using namespace orvane;
using namespace orvane::bench;

namespace {

constexpr int PadPixels = 800;
constexpr const char* DefaultCurve =
    "2*cos((20000000-19999999)/2*x)*cos((20000000+19999999)/2*x+pi)";

TraceRequest defaultCurve()
{
    TraceRequest request;
    request.expression = DefaultCurve;
    request.rangeMin = -10;
    request.rangeMax = 10;
    request.step = stepFromSmoothness(100).value_or(0.01);
    request.colour = 16711680;
    request.width = 1;
    return request;
}

// The sweep as first written: the text handed to the engine twice per step (its
// program looked up in the engine's cache each time), no shared step ends; drawn as one
// batch, as the tracer draws.
void textSweep(Surface& surface, engine::Engine& engine, const TraceRequest& request)
{
    const Surface::Batch batch(surface);
    surface.setPenWidth(request.width);
    surface.setForeColour(request.colour);
    const double h = request.step;
    double t = request.rangeMin;
    while (t <= request.rangeMax) {
        t = roundToThousandths(t);
        const double v1 = engine.evaluateAtX(request.expression, t);
        const double t2 = t + h;
        const double v2 = engine.evaluateAtX(request.expression, t2);
        if (v1 != ErrorValue && v2 != ErrorValue) {
            const double jump = (v2 - v1) * (v2 - v1);
            if (std::isfinite(jump) && jump <= 100)
                surface.line({float(t), float(v1)}, {float(t2), float(v2)});
        }
        t = roundToThousandths(t + h);
    }
}

// Remembers the segments of a trace, to draw them again without tracing.
class SegmentRecorder : public NullSurface {
public:
    std::vector<std::pair<WorldPoint, WorldPoint>> segments;

protected:
    void paintLine(WorldPoint from, WorldPoint to, const Pen&) override
    {
        segments.push_back({from, to});
    }
};

PadSurface& freshPad(std::unique_ptr<BenchPlotterHost>& host)
{
    host = std::make_unique<BenchPlotterHost>(PadPixels, true);
    PadSurface& pad = host->padSurface();
    pad.setScale(-10, 10, 10, -10);
    pad.setPersistent(true);
    return pad;
}

void registerOneCurve()
{
    addPeer("one_curve", "traced and drawn", [](benchmark::State& state) {
        engine::Engine engine = engineWithDefaults();
        std::unique_ptr<BenchPlotterHost> host;
        PadSurface& pad = freshPad(host);
        const TraceRequest request = defaultCurve();
        for (auto _ : state)
            drawFunctionY(pad, engine, request);
        perUnit(state, 1);
    });
    addPeer("one_curve", "traced and drawn, text at every point", [](benchmark::State& state) {
        engine::Engine engine = engineWithDefaults();
        std::unique_ptr<BenchPlotterHost> host;
        PadSurface& pad = freshPad(host);
        const TraceRequest request = defaultCurve();
        for (auto _ : state)
            textSweep(pad, engine, request);
        perUnit(state, 1);
    });
    addPeer("one_curve", "traced adaptively for the view and drawn", [](benchmark::State& state) {
        engine::Engine engine = engineWithDefaults();
        std::unique_ptr<BenchPlotterHost> host;
        PadSurface& pad = freshPad(host);
        const TraceRequest request = defaultCurve();
        for (auto _ : state) {
            const SampledCurve curve =
                traceInView(engine, KindFunctionY, request, PlotView::classic(10), pad.pixelArea());
            const Surface::Batch batch(pad);
            pad.setPenWidth(request.width);
            pad.setForeColour(request.colour);
            for (const PlotPath& path : curve.paths)
                for (std::size_t i = 1; i < path.size(); ++i)
                    pad.line({float(path[i - 1].x), float(path[i - 1].y)},
                             {float(path[i].x), float(path[i].y)});
            state.counters["evaluations"] = double(curve.evaluations);
        }
        perUnit(state, 1);
    });
    addPeer("one_curve", "traced only (nothing painted)", [](benchmark::State& state) {
        engine::Engine engine = engineWithDefaults();
        NullSurface surface;
        const TraceRequest request = defaultCurve();
        for (auto _ : state)
            drawFunctionY(surface, engine, request);
        perUnit(state, 1);
    });
    addPeer("one_curve", "drawn only (same segments)", [](benchmark::State& state) {
        engine::Engine engine = engineWithDefaults();
        SegmentRecorder recorder;
        drawFunctionY(recorder, engine, defaultCurve());
        std::unique_ptr<BenchPlotterHost> host;
        PadSurface& pad = freshPad(host);
        for (auto _ : state) {
            const Surface::Batch batch(pad);
            for (const auto& [from, to] : recorder.segments)
                pad.line(from, to);
        }
        perUnit(state, 1);
        state.counters["segments"] = double(recorder.segments.size());
    });
}

// The entries of a full list: y = f(x), x = f(y), polar curves and conics.
struct Entry {
    PlotKind kind;
    const char* expression;
};

const std::vector<Entry>& functionEntries()
{
    static const std::vector<Entry> entries = {
        {PlotKind::Y, DefaultCurve},
        {PlotKind::Y, "x^2+sin(x)+1/x"},
        {PlotKind::Y, "sin(x)"},
        {PlotKind::Y, "cos(x)"},
        {PlotKind::Y, "tan(x)"},
        {PlotKind::Y, "x^3/10-x"},
        {PlotKind::Y, "sqr(abs(x))"},
        {PlotKind::Y, "exp(x/5)"},
        {PlotKind::Y, "log(abs(x)+1)"},
        {PlotKind::Y, "1/x"},
        {PlotKind::Y, "abs(x)-3"},
        {PlotKind::Y, "int(x)"},
        {PlotKind::Y, "sin(2*x)+cos(3*x)"},
        {PlotKind::Y, "x/2+1"},
        {PlotKind::Y, "-(x^2)/4+5"},
        {PlotKind::Y, "atn(x)*2"},
        {PlotKind::X, "0.5*(y^2)*cos(y)"},
        {PlotKind::X, "y^2/4"},
        {PlotKind::X, "sin(y)*3"},
        {PlotKind::Polar, "4/(3-2*cos(x))"},
        {PlotKind::Polar, "2*sin(3*x)"},
        {PlotKind::Polar, "x/2"},
        {PlotKind::Polar, "3*cos(2*x)"},
        {PlotKind::Polar, "1+cos(x)"},
        {PlotKind::Polar, "2"},
        {PlotKind::Polar, "sin(x)*cos(x)*6"},
    };
    return entries;
}

struct Conic {
    ConicKind kind;
    const char* a;
    const char* b;
    const char* first;
    const char* second;
    bool alongX;
};

const std::vector<Conic>& conicEntries()
{
    static const std::vector<Conic> entries = {
        {ConicKind::Circle, "0", "0", "5", "", true},
        {ConicKind::Circle, "2", "1", "3", "", true},
        {ConicKind::Ellipse, "5", "3", "0", "0", true},
        {ConicKind::Ellipse, "4", "2", "1", "-1", true},
        {ConicKind::Hyperbola, "3", "3", "0", "0", true},
        {ConicKind::Hyperbola, "2", "3", "0", "0", false},
    };
    return entries;
}

// The 33rd row: the list is then full; "全部重画" draws all 33.
const Conic LastConic = {ConicKind::Hyperbola, "1", "1", "2", "2", true};

// A plotter panel whose list holds 32 entries (or, with `full`, 33), all drawn once.
struct FullList {
    FullList(bool drawing, bool full)
        : host(PadPixels, drawing),
          engine(engineWithDefaults()), services{dialogs, environment, engine},
          drawer(host, services)
    {
        drawer.setPlotterLabels(1);
        drawer.applyStartupSettings({});
        drawer.drawAxes();
        FunctionPage* page = drawer.functionPage();
        for (const Entry& e : functionEntries()) {
            page->selectKind(e.kind);
            page->setExpression(e.kind, QString::fromUtf8(e.expression));
            drawer.addAndDraw();
        }
        for (const Conic& c : conicEntries())
            addConic(c);
        if (full) addConic(LastConic);
    }

    void addConic(const Conic& c)
    {
        auto* conics = drawer.findChild<ConicPage*>();
        conics->selectConicKind(c.kind);
        setBox(conics, "TXA", c.a);
        setBox(conics, "TXB", c.b);
        setBox(conics, "TX1", c.first);
        setBox(conics, "TX2", c.second);
        if (c.kind == ConicKind::Hyperbola)
            conics->findChild<QRadioButton*>(c.alongX ? "OQX" : "OQY")->click();
        drawer.conicAdd();
    }

    static void setBox(QWidget* page, const char* name, const char* text)
    {
        page->findChild<QLineEdit*>(QLatin1String(name))->setText(QString::fromUtf8(text));
    }

    BenchPlotterHost host;
    FixedEnvironment environment;
    SilentDialogs dialogs;
    engine::Engine engine;
    Services services;
    PlotterPanel drawer;
};

void redrawAll(benchmark::State& state, bool drawing, bool full)
{
    FullList list(drawing, full);
    const int rows = full ? PlotSlots : PlotSlots - 1;
    if (list.drawer.list()->count() != rows || list.dialogs.messages != 0) {
        state.SkipWithError("the list was not filled as planned");
        return;
    }
    for (auto _ : state)
        list.drawer.redrawAll();
    perUnit(state, 1);
    state.counters["messages"] = double(list.dialogs.messages) / double(state.iterations());
}

// Hand drawing of every kind, spread over the pad: lines, perpendiculars, circles,
// points, texts and eraser strokes in turn.
void addSketchStrokes(PadDocument& document, PadSurface& pad, int count)
{
    for (int i = 0; i < count; ++i) {
        const float x = float(i % 19) - 9;
        const float y = float((i * 7) % 19) - 9;
        const Colour colour = Colour(0x102030 * (i % 7));
        switch (i % 6) {
        case 0:
            document.append(
                std::make_shared<LineStroke>(std::vector<LineStroke::Segment>{{{x, y}, {y, x}}},
                                             colour, 1 + i % 3, DrawStyle::Solid));
            break;
        case 1:
            document.append(std::make_shared<LineStroke>(
                std::vector<LineStroke::Segment>{{{x, y}, {0, y}}, {{x, y}, {x, 0}}}, colour, 1,
                DrawStyle::DashDot));
            break;
        case 2:
            document.append(std::make_shared<CircleStroke>(WorldPoint{x, y}, 1.5f, colour, 2));
            break;
        case 3:
            document.append(std::make_shared<DotStroke>(WorldPoint{x, y}, colour, 5));
            break;
        case 4:
            document.append(std::make_shared<TextStroke>(WorldPoint{x, y}, QStringLiteral("顶点 A"),
                                                         colour, 9));
            break;
        default: {
            auto eraser = std::make_shared<EraserStroke>(White);
            pad.setPersistent(true);
            for (int k = 0; k < 8; ++k)
                eraser->extend(pad, {x + k * 0.1f, y}, 10);
            document.append({PadOperationPtr(eraser)}, 1);
            break;
        }
        }
    }
}

// The pad window resized: a new raster of the other size, painted from the document.
void repaintAfterResize(benchmark::State& state, int strokes)
{
    FullList list(true, true);
    PadDocument& document = list.host.document();
    PadSurface& pad = list.host.padSurface();
    addSketchStrokes(document, pad, strokes);
    if (list.drawer.list()->count() != PlotSlots) {
        state.SkipWithError("the list was not filled as planned");
        return;
    }
    bool smaller = false;
    for (auto _ : state) {
        smaller = !smaller;
        pad.resize(
            QSize(smaller ? PadPixels - 10 : PadPixels, smaller ? PadPixels - 10 : PadPixels));
        document.repaint();
    }
    perUnit(state, 1);
    state.counters["operations"] = double(document.state().picture.size());
}

// One step of zoom or pan on the pad with a full list: every curve traced again for the
// new window (on the interface thread, the slowest way) and the whole pad painted. Each
// step goes to a window not seen before, so no trace is reused.
void viewStep(benchmark::State& state, bool zoom, bool preview = false)
{
    FullList list(true, true);
    PadDocument& document = list.host.document();
    // As the real pad does: paint at once from the traces there are (the traces for the
    // new window are made on worker threads).
    list.host.padSurface().setTracePreview(preview);
    if (list.drawer.list()->count() != PlotSlots) {
        state.SkipWithError("the list was not filled as planned");
        return;
    }
    double step = 0;
    for (auto _ : state) {
        step += 1;
        const double wobble = 1e-4 * std::fmod(step, 1000);
        document.setView(zoom ? PlotView(1, 1, (std::fmod(step, 2) ? 8 : 10) * (1 + wobble))
                              : PlotView(wobble + std::fmod(step, 2), 1, 10));
    }
    perUnit(state, 1);
}

void registerRedrawAll()
{
    addPeer("view_step", "zoom step, 33 rows traced again and painted",
            [](benchmark::State& state) { viewStep(state, true); });
    addPeer("view_step", "pan step, 33 rows traced again and painted",
            [](benchmark::State& state) { viewStep(state, false); });
    addPeer("view_step", "zoom step as the pad takes it, painted from the traces it has",
            [](benchmark::State& state) { viewStep(state, true, true); });
    addPeer("view_step", "33 rows painted again after a resize",
            [](benchmark::State& state) { repaintAfterResize(state, 0); });
    addPeer("redraw_all", "全部重画 of 33 rows on the pad",
            [](benchmark::State& state) { redrawAll(state, true, true); });
    addPeer("redraw_all", "全部重画 of 32 entries on the pad",
            [](benchmark::State& state) { redrawAll(state, true, false); });
    addPeer("redraw_all", "全部重画 of 32 entries, nothing painted",
            [](benchmark::State& state) { redrawAll(state, false, false); });
    addPeer("repaint", "33 rows and 500 sketch strokes after a resize",
            [](benchmark::State& state) { repaintAfterResize(state, 500); });
    addPeer("repaint", "33 rows alone after a resize",
            [](benchmark::State& state) { repaintAfterResize(state, 0); });
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    registerOneCurve();
    registerRedrawAll();
    return runWithRatios(
        argc, argv,
        {{"one_curve",
          "One default curve (designer's y = f(x)), smoothness 100, x from -10 to 10, "
          "800x800 pad",
          "traced and drawn"},
         {"redraw_all",
          "全部重画 of a full list: 33 rows (26 functions of three kinds, 7 conics) at "
          "smoothness 100, 800x800 pad",
          "全部重画 of 33 rows on the pad"},
         {"view_step",
          "One zoom or pan step with a full list (33 rows), 800x800 pad, the curves traced "
          "again for the new window on the interface thread",
          "33 rows painted again after a resize"},
         {"repaint",
          "The pad painted again from its document after a resize (33 rows, 500 strokes of "
          "hand drawing: lines, perpendiculars, circles, points, texts, eraser strokes)",
          "33 rows and 500 sketch strokes after a resize"}});
}
