// SPDX-License-Identifier: GPL-3.0-or-later
#include "WorkDocument.h"

#include "CurveTracer.h"
#include "FunctionGraphFile.h"
#include "NumberText.h"
#include "PlotterDocument.h"
#include "SketchStrokes.h"

#include <cmath>

namespace orvane {

namespace {

QString fromStd(const std::string& text)
{
    return QString::fromStdString(text);
}

std::int16_t storedParameter(double value)
{
    return NumberText::toInt16(value).value_or(0);
}

// The record the list keeps for a row: what loading a row back into the panel shows.
PlotRecord recordOf(const DocumentEntry& e)
{
    PlotRecord r;
    r.Kind = std::int16_t(e.kind);
    r.Color = e.colour;
    r.Width = std::int16_t(std::min(e.width, 32767));
    r.Smoothness = e.smoothness;
    r.RangeMin = e.from;
    r.RangeMax = e.to;
    if (e.isConic()) {
        r.ParamA = storedParameter(e.conic.a);
        r.ParamB = storedParameter(e.conic.b);
        r.Param1 = storedParameter(e.conic.x);
        r.Param2 = storedParameter(e.conic.y);
        r.Directrix = e.conic.directrices ? 1 : 0;
        r.Asymptotes = e.conic.asymptotes ? 1 : 0;
        r.AlongX = e.conic.alongX ? -1 : 0;
    }
    return r;
}

// The perpendiculars the pad draws from a point to both axes.
bool isPerpendicular(const std::vector<LineStroke::Segment>& segments)
{
    if (segments.size() != 2) return false;
    const WorldPoint p = segments[0].first;
    return segments[1].first == p && segments[0].second == WorldPoint{0, p.y} &&
           segments[1].second == WorldPoint{p.x, 0};
}

SketchItem itemOf(const PadOperation& op, const PadState& state)
{
    SketchItem item;
    if (const auto* axes = dynamic_cast<const AxesDrawing*>(&op)) {
        item.op = SketchItem::Op::Axes;
        item.axisSize = *axes->axesSize();
        item.colour = axes->colour();
        item.size = axes->padFontSize();
    } else if (const auto* entry = dynamic_cast<const PlottedEntry*>(&op)) {
        for (std::size_t row = 0; row < state.entries.size(); ++row)
            if (state.entries[row]->entryId() == entry->entryId()) {
                item.op = SketchItem::Op::Entry;
                item.index = int(row);
                return item;
            }
        item.op = SketchItem::Op::Curve;
        item.entry = WorkDocument::entryOf(*entry);
    } else if (const auto* dot = dynamic_cast<const DotStroke*>(&op)) {
        item.op = SketchItem::Op::Point;
        item.at = dot->at();
        item.colour = dot->colour();
        item.width = dot->width();
    } else if (const auto* line = dynamic_cast<const LineStroke*>(&op)) {
        item.colour = line->colour();
        item.width = line->width();
        item.style = line->style();
        const auto& segments = line->segments();
        if (isPerpendicular(segments)) {
            item.op = SketchItem::Op::Perpendicular;
            item.at = segments[0].first;
        } else {
            item.op = SketchItem::Op::Line;
            if (!segments.empty()) {
                item.at = segments[0].first;
                item.to = segments[0].second;
                item.segments.assign(segments.begin() + 1, segments.end());
            }
        }
    } else if (const auto* circle = dynamic_cast<const CircleStroke*>(&op)) {
        item.op = SketchItem::Op::Circle;
        item.at = circle->centre();
        item.radius = circle->radius();
        item.colour = circle->colour();
        item.width = circle->width();
    } else if (const auto* text = dynamic_cast<const TextStroke*>(&op)) {
        item.op = SketchItem::Op::Text;
        item.at = text->topLeft();
        item.text = text->text();
        item.size = text->fontSize();
        item.colour = text->colour();
    } else if (const auto* eraser = dynamic_cast<const EraserStroke*>(&op)) {
        item.op = SketchItem::Op::Eraser;
        item.colour = eraser->background();
        for (const EraserStroke::Dot& d : eraser->dots())
            item.dots.emplace_back(d.at, d.width);
    }
    return item;
}

} // namespace

WorkDocument::WorkDocument(PadDocument& pad, engine::Engine& engine) : pad_(pad), engine_(engine)
{
    connect(&pad_, &PadDocument::stateChanged, this, [this] {
        if (!loading_) setModified(true);
    });
}

void WorkDocument::setAxesStyle(Colour colour, double fontSize)
{
    axesColour_ = colour;
    axesFontSize_ = fontSize;
}

void WorkDocument::setModified(bool modified)
{
    if (modified_ == modified) return;
    modified_ = modified;
    emit modifiedChanged(modified);
}

void WorkDocument::setFilePath(const QString& path)
{
    if (filePath_ == path) return;
    filePath_ = path;
    emit filePathChanged(path);
}

QString WorkDocument::rowText(const DocumentEntry& entry)
{
    if (!entry.label.isEmpty()) return entry.label;
    switch (entry.kind) {
    case KindFunctionY:
        return QStringLiteral("y=") + entry.expression;
    case KindFunctionX:
        return QStringLiteral("x=") + entry.expression;
    case KindPolar:
        return QStringLiteral("p=") + entry.expression;
    case KindParametric:
        return QStringLiteral("t: ") + parametricText(entry.expression, entry.secondExpression);
    default:
        return conicRowText(entry.conic);
    }
}

DocumentEntry WorkDocument::entryOf(const PlottedEntry& plotted)
{
    DocumentEntry e;
    const PlotRecord& record = plotted.record();
    e.kind = record.Kind;
    e.colour = plotted.colour();
    e.width = plotted.width();
    if (plotted.isConic()) {
        e.conic = plotted.conic();
        e.helpColours = plotted.helpColours();
    } else {
        const TraceRequest& request = plotted.request();
        e.expression = fromStd(request.expression);
        e.secondExpression = fromStd(request.secondExpression);
        e.from = request.rangeMin;
        e.to = request.rangeMax;
        e.smoothness = record.Smoothness;
        if (stepFromSmoothness(e.smoothness) != std::optional<double>(request.step))
            e.step = request.step;
    }
    // A row keeps the text it was first listed with (blanks and all).
    if (rowText(e) != plotted.text()) e.label = plotted.text();
    return e;
}

std::shared_ptr<const PlottedEntry> WorkDocument::plottedEntry(quint64 id, const DocumentEntry& e,
                                                               engine::Engine& engine,
                                                               const HelpColorFn& helpColor)
{
    const PlotRecord record = recordOf(e);
    if (e.isConic()) {
        ConicParameters conic = e.conic;
        conic.kind = ConicKind(e.kind);
        std::size_t next = 0;
        return PlottedEntry::drawConic(id, rowText(e), record, conic, e.colour, e.width,
                                       [&](Colour c) {
                                           if (next < e.helpColours.size())
                                               return e.helpColours[next++];
                                           return helpColor ? helpColor(c) : c;
                                       });
    }
    TraceRequest request;
    request.expression = e.expression.toStdString();
    if (e.kind == KindParametric) request.secondExpression = e.secondExpression.toStdString();
    request.rangeMin = e.from;
    request.rangeMax = e.to;
    request.step = e.step ? *e.step : stepFromSmoothness(e.smoothness).value_or(0.01);
    request.colour = e.colour;
    request.width = e.width;
    return PlottedEntry::traceCurve(id, rowText(e), record, engine, request);
}

DocumentContent WorkDocument::content() const
{
    const PadState& state = pad_.state();
    DocumentContent content;
    content.axes.size = state.axisSize;
    content.axes.hidden = state.axesHidden;
    content.axes.background = state.background;
    content.axes.colour = axesColour_;
    content.axes.fontSize = axesFontSize_;
    // The axes drawn last are the ones the work shows.
    for (const PadOperationPtr& op : state.picture)
        if (const auto* axes = dynamic_cast<const AxesDrawing*>(op.get())) {
            content.axes.colour = axes->colour();
            content.axes.fontSize = axes->padFontSize();
        }

    const std::vector<std::string>& names = engine_.constantNames();
    const std::vector<std::string>& rows = engine_.constantRows();
    for (std::size_t i = 0; i < names.size() && i < rows.size(); ++i) {
        // A row reads "name - value text".
        const QString row = fromStd(rows[i]);
        const qsizetype dash = row.indexOf(QStringLiteral(" - "));
        content.constants.push_back({fromStd(names[i]), dash >= 0 ? row.mid(dash + 3) : QString()});
    }

    for (const PadOperationPtr& op : state.entries)
        content.entries.push_back(entryOf(static_cast<const PlottedEntry&>(*op)));
    content.sketch.push_back({}); // the pad starts from its background
    for (const PadOperationPtr& op : state.picture)
        content.sketch.push_back(itemOf(*op, state));
    if (!pad_.viewIsClassic()) {
        const PlotView view = pad_.view();
        content.view =
            DocumentView{view.centreX(), view.centreY(), view.halfWidth(), view.piLabels()};
    }
    return content;
}

QString WorkDocument::load(const DocumentContent& content)
{
    // The constants first, on a copy: the entries are traced with them, and a refused
    // constant leaves the program's own untouched.
    engine::Engine engine = engine_;
    for (std::size_t listed = engine.constantNames().size(); listed > 0; --listed)
        engine.removeSelectedConstant(0);
    if (!engine.constantNames().empty()) return QStringLiteral("常数表无法清空");
    for (const DocumentConstant& c : content.constants) {
        const engine::Outcome added =
            engine.addUserConstant(c.name.toStdString(), c.value.toStdString());
        if (!added.ok)
            return QStringLiteral("常数“%1”不能添加%2")
                .arg(c.name, added.message.empty() ? QString()
                                                   : QStringLiteral("：") + fromStd(added.message));
    }

    PadState state;
    state.background = content.axes.background;
    state.axisSize = content.axes.size;
    state.axesHidden = content.axes.hidden;
    for (const DocumentEntry& e : content.entries)
        state.entries.push_back(plottedEntry(pad_.newEntryId(), e, engine, helpColor_));
    for (const SketchItem& item : content.sketch) {
        PadOperationPtr op;
        switch (item.op) {
        case SketchItem::Op::Clear:
            state.picture.clear();
            break;
        case SketchItem::Op::Axes:
            op = std::make_shared<AxesDrawing>(item.colour, item.axisSize, item.size);
            break;
        case SketchItem::Op::Entry:
            if (item.index >= 0 && std::size_t(item.index) < state.entries.size())
                op = state.entries[std::size_t(item.index)];
            break;
        case SketchItem::Op::Curve:
            op = plottedEntry(pad_.newEntryId(), item.entry, engine, helpColor_);
            break;
        case SketchItem::Op::Point:
            op = std::make_shared<DotStroke>(item.at, item.colour, item.width);
            break;
        case SketchItem::Op::Line: {
            std::vector<LineStroke::Segment> segments{{item.at, item.to}};
            segments.insert(segments.end(), item.segments.begin(), item.segments.end());
            op = std::make_shared<LineStroke>(std::move(segments), item.colour, item.width,
                                              item.style);
            break;
        }
        case SketchItem::Op::Perpendicular:
            op = std::make_shared<LineStroke>(
                std::vector<LineStroke::Segment>{{item.at, {0, item.at.y}},
                                                 {item.at, {item.at.x, 0}}},
                item.colour, item.width, item.style);
            break;
        case SketchItem::Op::Circle:
            op = std::make_shared<CircleStroke>(item.at, float(item.radius), item.colour,
                                                item.width);
            break;
        case SketchItem::Op::Text:
            op = std::make_shared<TextStroke>(item.at, item.text, item.colour, item.size);
            break;
        case SketchItem::Op::Eraser: {
            auto eraser = std::make_shared<EraserStroke>(item.colour);
            for (const auto& [at, width] : item.dots)
                eraser->addDot(at, width);
            op = eraser;
            break;
        }
        }
        if (op) state.picture.push_back(std::move(op));
    }

    loading_ = true;
    engine_ = std::move(engine);
    axesColour_ = content.axes.colour;
    axesFontSize_ = content.axes.fontSize;
    pad_.replace(std::move(state));
    if (content.view)
        pad_.setView(PlotView(content.view->centreX, content.view->centreY,
                              content.view->halfWidth, content.view->piLabels));
    else
        pad_.resetView();
    pad_.startHistoryHere();
    // Whatever follows an undo (the boxes of the axes and the background) follows this too.
    emit pad_.restored();
    loading_ = false;
    setModified(false);
    emit loaded();
    return QString();
}

bool WorkDocument::addEntry(const DocumentEntry& entry)
{
    PlotterDocument plots(pad_);
    const QString text = rowText(entry);
    const int row = plots.rowOf(text);
    if (row < 0 && plots.count() >= PlotSlots) return false;
    DocumentEntry listed = entry;
    if (row >= 0) listed.label = plots.entry(row).text();
    plots.put(plottedEntry(plots.idForRow(row), listed, engine_, helpColor_));
    return true;
}

} // namespace orvane

namespace orvane {

DocumentEntry WorkDocument::functionEntry(int kind, const QString& expression,
                                          const DocumentDefaults& defaults, Colour colour)
{
    DocumentEntry e;
    e.kind = kind;
    e.expression = expression;
    e.from = defaults.rangeMin;
    e.to = defaults.rangeMax;
    e.smoothness = defaults.smoothness;
    e.colour = colour;
    e.width = std::max(1, defaults.lineWidth);
    return e;
}

QString WorkDocument::addFunctionGraph(const QString& path, const DocumentDefaults& defaults,
                                       const std::function<Colour()>& curveColour)
{
    const FunctionGraphReading reading = readFunctionGraph(path);
    if (!reading.graph) return reading.error;
    const PadDocument::Step step(pad_);
    for (const auto& [kind, expression] : reading.graph->functions) {
        if (kind == PlotKind::Parametric) {
            // "x=…, y=…" over the parameter's default range 0 to 2π.
            const auto parts = splitParametricText(expression);
            if (!parts) continue;
            DocumentEntry e = functionEntry(KindParametric, parts->first, defaults, curveColour());
            e.secondExpression = parts->second;
            e.from = 0;
            e.to = 2 * 3.14159265358979323846;
            if (!addEntry(e)) break;
            continue;
        }
        const int code = kind == PlotKind::Y   ? KindFunctionY
                         : kind == PlotKind::X ? KindFunctionX
                                               : KindPolar;
        if (!addEntry(functionEntry(code, expression, defaults, curveColour()))) break;
    }
    return QString();
}

} // namespace orvane
