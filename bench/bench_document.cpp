// SPDX-License-Identifier: GPL-3.0-or-later
// The document: opening and drawing a full lesson (33 entries, 2,000 sketch operations),
// the autosave of it (the part that blocks the window), and the memory 200 undo steps
// of it take.
#include "DocumentFormat.h"
#include "PictureFiles.h"
#include "PlotterDocument.h"
#include "SketchStrokes.h"
#include "WorkDocument.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include <malloc.h>

using namespace orvane;

namespace {

constexpr int PadPixels = 800;

// 30 curves of the three kinds and one conic of each kind; 2,000 strokes of every kind.
QByteArray fullLesson()
{
    PadDocument pad;
    engine::Engine engine;
    WorkDocument work(pad, engine);
    PlotterDocument(pad).newAxisSize({16711680, 10, 9});
    const char* expressions[] = {"sin(x)", "x^2/4", "cos(2*x)+1", "1/x", "sqr(abs(x))"};
    for (int i = 0; i < 30; ++i) {
        const int kind = i % 3 == 0 ? KindFunctionY : i % 3 == 1 ? KindFunctionX : KindPolar;
        QString expression = QString::fromLatin1(expressions[i % 5]);
        expression += QStringLiteral("+%1").arg(i);
        DocumentEntry e = WorkDocument::functionEntry(kind, expression, {}, Colour(i * 0x050403));
        e.smoothness = 100;
        work.addEntry(e);
    }
    for (int kind : {KindCircle, KindEllipse, KindHyperbola}) {
        DocumentEntry e;
        e.kind = kind;
        e.conic = {ConicKind(kind), 3, 2, 1, 0.5f, true, true, true};
        work.addEntry(e);
    }
    for (int i = 0; i < 2000; ++i) {
        const float x = float(i % 40) / 2 - 10, y = float(i / 40) / 2.5f - 10;
        switch (i % 6) {
        case 0:
            pad.append(std::make_shared<DotStroke>(WorldPoint{x, y}, 0xFF, 3));
            break;
        case 1:
            pad.append(std::make_shared<LineStroke>(
                std::vector<LineStroke::Segment>{{{x, y}, {x + 1, y + 2}}}, 0xFF00, 1,
                DrawStyle::Solid));
            break;
        case 2:
            pad.append(std::make_shared<LineStroke>(
                std::vector<LineStroke::Segment>{{{x, y}, {0, y}}, {{x, y}, {x, 0}}}, 0x808080, 1,
                DrawStyle::DashDot));
            break;
        case 3:
            pad.append(std::make_shared<CircleStroke>(WorldPoint{x, y}, 0.5f, 0xFF0000, 1));
            break;
        case 4:
            pad.append(std::make_shared<TextStroke>(WorldPoint{x, y}, QStringLiteral("点A"), 0, 9));
            break;
        default: {
            auto eraser = std::make_shared<EraserStroke>(0xFFFFFF);
            for (int d = 0; d < 5; ++d)
                eraser->addDot({x + float(d) / 10, y}, 8);
            pad.append(eraser);
        }
        }
    }
    return DocumentFormat::write(work.content());
}

const QByteArray& lesson()
{
    static const QByteArray bytes = fullLesson();
    return bytes;
}

void BM_OpenAndDraw(benchmark::State& state)
{
    for (auto _ : state) {
        PadDocument pad;
        engine::Engine engine;
        WorkDocument work(pad, engine);
        const auto read = DocumentFormat::read(lesson(), {});
        work.load(*read.content);
        benchmark::DoNotOptimize(pictureImage(pad, QSize(PadPixels, PadPixels)));
    }
    state.counters["bytes"] = double(lesson().size());
}
BENCHMARK(BM_OpenAndDraw)->Unit(benchmark::kMillisecond);

// What the window waits for: the work taken as plain values. The writing runs on the
// autosave's worker thread (BM_AutosaveWrite).
void BM_AutosaveBlocks(benchmark::State& state)
{
    PadDocument pad;
    engine::Engine engine;
    WorkDocument work(pad, engine);
    work.load(*DocumentFormat::read(lesson(), {}).content);
    for (auto _ : state)
        benchmark::DoNotOptimize(work.content());
}
BENCHMARK(BM_AutosaveBlocks)->Unit(benchmark::kMillisecond);

void BM_AutosaveWrite(benchmark::State& state)
{
    PadDocument pad;
    engine::Engine engine;
    WorkDocument work(pad, engine);
    work.load(*DocumentFormat::read(lesson(), {}).content);
    const DocumentContent content = work.content();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("autosave.ovd"));
    for (auto _ : state)
        benchmark::DoNotOptimize(DocumentFormat::writeFile(path, DocumentFormat::write(content)));
}
BENCHMARK(BM_AutosaveWrite)->Unit(benchmark::kMillisecond);

double heapMegabytes()
{
    return double(mallinfo2().uordblks) / (1 << 20);
}

// 200 strokes drawn on the full lesson, each an undo step that keeps a whole state
// (the drawings themselves are shared between the states).
void BM_UndoMemory(benchmark::State& state)
{
    for (auto _ : state) {
        const double before = heapMegabytes();
        auto pad = std::make_unique<PadDocument>();
        engine::Engine engine;
        WorkDocument work(*pad, engine);
        work.load(*DocumentFormat::read(lesson(), {}).content);
        const double loaded = heapMegabytes();
        for (int i = 0; i < PadDocument::UndoSteps; ++i)
            pad->append(std::make_shared<DotStroke>(WorldPoint{float(i) / 20, 1}, 0, 2));
        state.counters["undo_MB"] = heapMegabytes() - loaded;
        state.counters["lesson_MB"] = loaded - before;
    }
}
BENCHMARK(BM_UndoMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv); // text is drawn with the platform's fonts
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
