// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlottedEntry.h"

#include "AxesPainter.h"
#include "NumberText.h"

namespace orvane {

namespace {

// Runs a drawing for its side effects (the colours it asks for), painting nothing.
class DrawingIgnored : public Surface {
protected:
    void paintLine(WorldPoint, WorldPoint, const Pen&) override {}
    void paintPoint(WorldPoint, const Pen&) override {}
    void paintEllipse(WorldPoint, float, float, const Pen&) override {}
    void paintText(WorldPoint, const QString&, double, const Pen&) override {}
    void clearLayer(bool) override {}
};

} // namespace

std::shared_ptr<const PlottedEntry>
PlottedEntry::traceCurve(quint64 id, QString text, const PlotRecord& record, engine::Engine& engine,
                         const TraceRequest& request, TraceOutcome* outcome)
{
    std::shared_ptr<PlottedEntry> entry(new PlottedEntry(id, std::move(text), record));
    entry->request_ = request;
    entry->request_.cancel = nullptr;
    entry->request_.progress = nullptr;
    entry->colour_ = request.colour;
    entry->width_ = request.width;
    entry->tracing_ = std::make_shared<Tracing>();
    entry->tracing_->engine = engine;
    TraceOutcome traced = TraceOutcome::Traced;
    if (record.Kind != KindPolar && traceSamples(request) > MaxTraceSamples) {
        entry->refused_ = true;
        traced = TraceOutcome::RangeTooLarge;
    } else if (auto trace = entry->traceFor(request.view, request.area, request.cancel)) {
        entry->adopt(std::move(trace));
    } else {
        traced = TraceOutcome::Cancelled;
    }
    if (outcome) *outcome = traced;
    return entry;
}

std::shared_ptr<const PlottedEntry::Trace>
PlottedEntry::traceFor(const PlotView& view, PixelArea area, const std::atomic<bool>* cancel) const
{
    if (isConic() || refused_ || !tracing_) return nullptr;
    TraceRequest request = request_;
    request.cancel = cancel;
    SampledCurve sampled;
    {
        const std::lock_guard<std::mutex> lock(tracing_->engineMutex);
        sampled = traceInView(tracing_->engine, record_.Kind, request, view, area);
    }
    if (sampled.cancelled) return nullptr;
    auto trace = std::make_shared<Trace>();
    trace->view = view;
    trace->area = area;
    for (const PlotPath& path : sampled.paths)
        for (std::size_t i = 1; i < path.size(); ++i)
            trace->segments.emplace_back(WorldPoint{float(path[i - 1].x), float(path[i - 1].y)},
                                         WorldPoint{float(path[i].x), float(path[i].y)});
    return trace;
}

void PlottedEntry::adopt(std::shared_ptr<const Trace> trace) const
{
    if (!tracing_ || !trace) return;
    const std::lock_guard<std::mutex> lock(tracing_->tracesMutex);
    tracing_->traces[1] = std::move(tracing_->traces[0]);
    tracing_->traces[0] = std::move(trace);
}

bool PlottedEntry::hasTraceFor(const PlotView& view, PixelArea area) const
{
    if (!tracing_) return true;
    const std::lock_guard<std::mutex> lock(tracing_->tracesMutex);
    for (const auto& trace : tracing_->traces)
        if (trace && trace->fits(view, area)) return true;
    return refused_;
}

std::vector<PlottedEntry::Segment> PlottedEntry::segments() const
{
    if (!tracing_) return {};
    const std::lock_guard<std::mutex> lock(tracing_->tracesMutex);
    return tracing_->traces[0] ? tracing_->traces[0]->segments : std::vector<Segment>{};
}

std::shared_ptr<const PlottedEntry>
PlottedEntry::drawConic(quint64 id, QString text, const PlotRecord& record,
                        const ConicParameters& conic, Colour colour, int width,
                        const HelpColorFn& helpColor, std::optional<ConicMessage>* message)
{
    std::shared_ptr<PlottedEntry> entry(new PlottedEntry(id, std::move(text), record));
    entry->conic_ = conic;
    entry->colour_ = colour;
    entry->width_ = width;
    // The colours of the auxiliary lines are chosen once and kept.
    DrawingIgnored ignored;
    const std::optional<ConicMessage> refused =
        orvane::drawConic(ignored, conic, colour, width, [&](Colour c) {
            const Colour chosen = helpColor ? helpColor(c) : c;
            entry->helpColours_.push_back(chosen);
            return chosen;
        });
    if (message) *message = refused;
    return entry;
}

std::shared_ptr<const PlottedEntry> PlottedEntry::redrawn(Colour colour,
                                                          const HelpColorFn& helpColor,
                                                          engine::Engine& engine,
                                                          double retraceLimit) const
{
    if (isConic()) return drawConic(id_, text_, record_, conic_, colour, width_, helpColor);
    if (record_.Kind == KindPolar || traceSamples(request_) < retraceLimit) {
        PlotRecord record = record_;
        record.Color = colour;
        TraceRequest request = request_;
        request.colour = colour;
        {
            // Traced again where it was last traced.
            const std::lock_guard<std::mutex> lock(tracing_->tracesMutex);
            if (const auto& latest = tracing_->traces[0]) {
                request.view = latest->view;
                request.area = latest->area;
            }
        }
        return traceCurve(id_, text_, record, engine, request);
    }
    // Keeps its constants and its traces.
    auto entry = std::make_shared<PlottedEntry>(*this);
    entry->colour_ = colour;
    entry->record_.Color = colour;
    return entry;
}

void PlottedEntry::paint(Surface& surface) const
{
    if (isConic()) {
        std::size_t next = 0;
        orvane::drawConic(surface, conic_, colour_, width_, [&](Colour c) {
            return next < helpColours_.size() ? helpColours_[next++] : c;
        });
        return;
    }
    if (!tracing_) return;
    const PlotView& view = surface.view();
    const PixelArea area = surface.pixelArea();
    std::shared_ptr<const Trace> trace;
    {
        const std::lock_guard<std::mutex> lock(tracing_->tracesMutex);
        for (const auto& candidate : tracing_->traces)
            if (candidate && candidate->fits(view, area)) trace = candidate;
        // A quick picture from the latest trace while the right one is being made.
        if (!trace && surface.tracePreview()) trace = tracing_->traces[0];
    }
    if (!trace && !refused_) {
        trace = traceFor(view, area);
        adopt(trace);
    }
    if (!trace) return;
    // What the tracer does on the pad: pen and colour, then the segments in one batch.
    surface.setPenWidth(width_);
    surface.setForeColour(colour_);
    const Surface::Batch batch(surface);
    for (const Segment& segment : trace->segments)
        surface.line(segment.first, segment.second);
}

QString parametricText(const QString& x, const QString& y)
{
    return QStringLiteral("x=") + x + QStringLiteral(", y=") + y;
}

std::optional<std::pair<QString, QString>> splitParametricText(const QString& text)
{
    const QString t = text.trimmed();
    // The last ", y=" divides: an expression may hold commas of its own.
    const int divide = t.lastIndexOf(QStringLiteral(", y="));
    if (!t.startsWith(QStringLiteral("x=")) || divide < 2) return std::nullopt;
    return std::pair{t.mid(2, divide - 2), t.mid(divide + 4)};
}

Colour randomCurveColour(const std::function<double()>& nextRandom)
{
    Colour c = 0;
    for (int shift : {0, 8, 16})
        c |= Colour(NumberText::toInt32(nextRandom() * 255).value_or(0)) << shift;
    return c;
}

void AxesDrawing::paint(Surface& surface) const
{
    // The classic view keeps the classic axes, label sizes and all.
    if (surface.view().isClassic(size_))
        AxesPainter::drawAxes(surface, colour_, size_, padFontSize_);
    else
        AxesPainter::drawAxesInView(surface, colour_, surface.view(), padFontSize_);
}

} // namespace orvane
