// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlottedEntry.h"

#include "AxesPainter.h"
#include "NumberText.h"

namespace orvane {

namespace {

// Takes the segments a tracer draws, painting nothing.
class SegmentRecorder : public Surface {
public:
    std::vector<PlottedEntry::Segment> segments;

protected:
    void paintLine(WorldPoint from, WorldPoint to, const Pen&) override
    {
        segments.emplace_back(from, to);
    }
    void paintPoint(WorldPoint, const Pen&) override {}
    void paintEllipse(WorldPoint, float, float, const Pen&) override {}
    void paintText(WorldPoint, const QString&, double, const Pen&) override {}
    void clearLayer(bool) override {}
};

TraceOutcome traceInto(Surface& surface, engine::Engine& engine, int kind,
                       const TraceRequest& request)
{
    switch (kind) {
    case KindFunctionX:
        return drawFunctionX(surface, engine, request);
    case KindPolar:
        return drawPolar(surface, engine, request);
    default:
        return drawFunctionY(surface, engine, request);
    }
}

} // namespace

std::shared_ptr<const PlottedEntry>
PlottedEntry::traceCurve(quint64 id, QString text, const PlotRecord& record, engine::Engine& engine,
                         const TraceRequest& request, TraceOutcome* outcome)
{
    std::shared_ptr<PlottedEntry> entry(new PlottedEntry(id, std::move(text), record));
    entry->request_ = request;
    entry->colour_ = request.colour;
    entry->width_ = request.width;
    SegmentRecorder recorder;
    const TraceOutcome traced = traceInto(recorder, engine, record.Kind, request);
    if (outcome) *outcome = traced;
    entry->segments_ = std::make_shared<const std::vector<Segment>>(std::move(recorder.segments));
    return entry;
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
    entry->segments_ = std::make_shared<const std::vector<Segment>>();
    // The colours of the auxiliary lines are chosen once and kept.
    SegmentRecorder ignored;
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
        return traceCurve(id_, text_, record, engine, request);
    }
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
    // What the tracer does on the pad: pen and colour, then the segments in one batch.
    surface.setPenWidth(width_);
    surface.setForeColour(colour_);
    const Surface::Batch batch(surface);
    for (const Segment& segment : *segments_)
        surface.line(segment.first, segment.second);
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
    AxesPainter::drawAxes(surface, colour_, size_, padFontSize_);
}

} // namespace orvane
