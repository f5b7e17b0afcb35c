// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Conics.h"
#include "CurveTracer.h"
#include "PadDocument.h"
#include "PlotRecord.h"

#include <QString>

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

namespace orvane {

// One row of the plotted-function list as the pad document keeps it: the row text, the
// record it was drawn with, and what it drew. A curve is traced once and kept as its
// segments; a conic keeps its exact parameters and the colours its auxiliary lines got,
// so that it draws the very same pixels whenever the pad is painted again.
class PlottedEntry : public PadOperation {
public:
    using Segment = std::pair<WorldPoint, WorldPoint>;

    // y = f(x), x = f(y) or a polar curve (by record.Kind), traced now with a copy of
    // `engine` for the view and pixels of the request. The entry keeps its parameters and
    // that copy (the constants as they are now), and traces itself again for whatever
    // view it is painted in. A range with more samples than MaxTraceSamples is refused
    // (RangeTooLarge) and the entry draws nothing.
    static std::shared_ptr<const PlottedEntry>
    traceCurve(quint64 id, QString text, const PlotRecord& record, engine::Engine& engine,
               const TraceRequest& request, TraceOutcome* outcome = nullptr);
    // A circle, ellipse or hyperbola; `message` receives what the parameters refuse.
    static std::shared_ptr<const PlottedEntry>
    drawConic(quint64 id, QString text, const PlotRecord& record, const ConicParameters& conic,
              Colour colour, int width, const HelpColorFn& helpColor,
              std::optional<ConicMessage>* message = nullptr);

    // The same row drawn afresh ("全部重画") in `colour`. A curve is traced again with
    // `engine`, so that constants changed since show, unless its sweep has `retraceLimit`
    // samples or more: such a long trace is not run again on the interface thread and the
    // curve keeps the segments it was traced to. Auxiliary lines ask `helpColor` anew.
    std::shared_ptr<const PlottedEntry> redrawn(Colour colour, const HelpColorFn& helpColor,
                                                engine::Engine& engine, double retraceLimit) const;

    const QString& text() const { return text_; }
    const PlotRecord& record() const { return record_; }
    bool isConic() const { return record_.Kind >= KindCircle && record_.Kind <= KindHyperbola; }
    // The segments of the latest trace (nothing for a conic).
    std::vector<Segment> segments() const;
    const TraceRequest& request() const { return request_; }

    // What a curve draws in one view on an area of so many pixels.
    struct Trace {
        PlotView view;
        PixelArea area;
        std::vector<Segment> segments;
        bool fits(const PlotView& v, PixelArea a) const
        {
            return view == v && area.width == a.width && area.height == a.height;
        }
    };
    // The curve traced for a view (any thread; traces of one entry take turns); null when
    // `cancel` stopped it, or for a conic or a refused range.
    std::shared_ptr<const Trace> traceFor(const PlotView& view, PixelArea area,
                                          const std::atomic<bool>* cancel = nullptr) const;
    // Keeps a trace made by traceFor, so that painting in its view needs no new one.
    void adopt(std::shared_ptr<const Trace> trace) const;
    bool hasTraceFor(const PlotView& view, PixelArea area) const;
    // What the entry was drawn with, for saving it: the colour and pen width of the
    // drawing, the sweep of a curve, the parameters and auxiliary colours of a conic.
    Colour colour() const { return colour_; }
    int width() const { return width_; }
    const ConicParameters& conic() const { return conic_; }
    const std::vector<Colour>& helpColours() const { return helpColours_; }

    void paint(Surface& surface) const override;
    quint64 entryId() const override { return id_; }
    bool needsTraceFor(const PlotView& view, PixelArea area) const override
    {
        return !hasTraceFor(view, area);
    }
    void prepareTrace(const PlotView& view, PixelArea area,
                      const std::atomic<bool>* cancel) const override
    {
        adopt(traceFor(view, area, cancel));
    }

private:
    PlottedEntry(quint64 id, QString text, const PlotRecord& record)
        : id_(id), text_(std::move(text)), record_(record)
    {
    }

    quint64 id_;
    QString text_;
    PlotRecord record_;
    Colour colour_ = 0;
    int width_ = 1;
    TraceRequest request_;
    bool refused_ = false;
    // Shared by copies of the entry (a redraw in another colour keeps the constants).
    struct Tracing {
        std::mutex engineMutex;
        engine::Engine engine;
        mutable std::mutex tracesMutex;
        // The latest two traces (the pad's and an export's, say).
        std::shared_ptr<const Trace> traces[2];
    };
    std::shared_ptr<Tracing> tracing_;
    ConicParameters conic_;
    std::vector<Colour> helpColours_;
};

// The list text of a parametric curve after "t: " ("x=cos(t)*3, y=sin(t)*2"), and the two
// expressions read back from it (nothing when it is not of that form).
QString parametricText(const QString& x, const QString& y);
std::optional<std::pair<QString, QString>> splitParametricText(const QString& text);

// A curve colour from three random numbers in [0, 1): red, green, blue, each times 255
// to the nearest integer.
Colour randomCurveColour(const std::function<double()>& nextRandom);

// The coordinate axes drawn in a colour at a size.
class AxesDrawing : public PadOperation {
public:
    AxesDrawing(Colour colour, int size, double padFontSize)
        : colour_(colour), size_(size), padFontSize_(padFontSize)
    {
    }
    void paint(Surface& surface) const override;
    std::optional<int> axesSize() const override { return size_; }
    Colour colour() const { return colour_; }
    double padFontSize() const { return padFontSize_; }

private:
    Colour colour_;
    int size_;
    double padFontSize_;
};

} // namespace orvane
