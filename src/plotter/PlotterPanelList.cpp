// SPDX-License-Identifier: GPL-3.0-or-later
// The plotter panel's list of plotted entries: drawing an entry (on a worker thread when
// the trace is long), loading a row back, deleting, redrawing and clearing. The entries
// live in the pad document; the list widget follows it.
#include "PlotterPanel.h"

#include "AxesPage.h"
#include "BackgroundTrace.h"
#include "ConicPage.h"
#include "FlatButton.h"
#include "FunctionPage.h"
#include "GbkText.h"
#include "ProfileFile.h"
#include "ParameterStrip.h"
#include "PlotterHost.h"
#include "QtText.h"
#include "Surface.h"

#include <QCoreApplication>
#include <QListWidget>

namespace orvane {

namespace {

const QString Drawing = QStringLiteral("正在作图，请稍待…");
const QString Done = QStringLiteral("完成100%");
const QString FullList = QStringLiteral("函数不能超过32");

int kindCode(PlotKind kind)
{
    switch (kind) {
    case PlotKind::Y:
        return KindFunctionY;
    case PlotKind::X:
        return KindFunctionX;
    case PlotKind::Parametric:
        return KindParametric;
    case PlotKind::Polar:
        break;
    }
    return KindPolar;
}

bool isConic(int kind)
{
    return kind >= KindCircle && kind <= KindHyperbola;
}

} // namespace

// --- drawing entries -----------------------------------------------------------------

TraceRequest PlotterPanel::traceRequest(const QString& expression, Colour colour, int width) const
{
    TraceRequest request;
    request.expression = toStdString(expression);
    request.rangeMin = leadingNumber(functionPage_->rangeMinText());
    request.rangeMax = leadingNumber(functionPage_->rangeMaxText());
    // A box holding no usable smoothness falls back to the last accepted one.
    std::optional<double> step = stepFromSmoothness(leadingNumber(functionPage_->smoothnessText()));
    if (!step) step = stepFromSmoothness(functionPage_->smoothness());
    request.step = step.value_or(0.01);
    request.colour = colour;
    request.width = width;
    // Traced first for what the pad shows.
    request.view = host_.pad().view();
    request.area = host_.pad().pixelArea();
    return request;
}

PlotRecord PlotterPanel::recordFromPanel(int kind) const
{
    PlotRecord r;
    r.Kind = std::int16_t(kind);
    r.Color = strip_->lineColour();
    r.Width = std::int16_t(strip_->lineWidth());
    conicPage_->storeInto(r);
    r.Smoothness = functionPage_->smoothness();
    const bool parametric = kind == KindParametric;
    r.RangeMax = leadingNumber(parametric ? functionPage_->parameterMaxText()
                                          : functionPage_->rangeMaxText());
    r.RangeMin = leadingNumber(parametric ? functionPage_->parameterMinText()
                                          : functionPage_->rangeMinText());
    return r;
}

void PlotterPanel::putEntry(const QString& text, int kind, Colour colour)
{
    PlotterDocument plotter = plots();
    // A row whose text is listed already is drawn anew in its place; the row keeps its text.
    const int row = plotter.rowOf(text);
    const QString rowText = row >= 0 ? plotter.entry(row).text() : text;
    const quint64 id = plotter.idForRow(row);
    const PlotRecord record = recordFromPanel(kind);
    const int width = lineBoldSetting();
    if (isConic(kind)) {
        std::optional<ConicMessage> message;
        ConicParameters conic = conicPage_->parameters();
        conic.kind = ConicKind(kind);
        auto entry = PlottedEntry::drawConic(
            id, rowText, record, conic, colour, width, [this](Colour c) { return helpColor(c); },
            &message);
        LF_->setCurrentRow(plotter.put(entry));
        showConicMessage(message);
        return;
    }
    const PlotKind plotKind = kind == KindFunctionX    ? PlotKind::X
                              : kind == KindPolar      ? PlotKind::Polar
                              : kind == KindParametric ? PlotKind::Parametric
                                                       : PlotKind::Y;
    TraceRequest request = traceRequest(functionPage_->expression(plotKind), colour, width);
    if (plotKind == PlotKind::Parametric) {
        // x = f(t) and y = g(t) over the range of t.
        request.expression = toStdString(functionPage_->parametricX());
        request.secondExpression = toStdString(functionPage_->parametricY());
        request.rangeMin = record.RangeMin;
        request.rangeMax = record.RangeMax;
    }
    if (kind != KindPolar && traceSamples(request) >= BackgroundTraceSamples &&
        traceSamples(request) <= MaxTraceSamples) {
        traceInBackground(id, rowText, record, request);
        return;
    }
    TraceOutcome outcome = TraceOutcome::Traced;
    auto entry = PlottedEntry::traceCurve(id, rowText, record, services_.engine, request, &outcome);
    // A refused range draws nothing and takes no row.
    if (outcome == TraceOutcome::RangeTooLarge) {
        showRangeTooLarge();
        return;
    }
    LF_->setCurrentRow(plotter.put(entry));
}

void PlotterPanel::showRangeTooLarge()
{
    services_.dialogs.inform(window(),
                             QStringLiteral("作图范围太大，请缩小自变量的范围或降低平滑度。"),
                             MessageIcon::Warning);
}

void PlotterPanel::traceInBackground(quint64 id, const QString& text, const PlotRecord& record,
                                     const TraceRequest& request)
{
    // The worker gets a copy of the engine: the constants as they are now.
    backgroundTrace_ =
        std::make_unique<BackgroundTrace>(services_.engine, id, text, record, request);
    connect(backgroundTrace_.get(), &BackgroundTrace::progress, this, [this](int percent) {
        host_.setProgressText(Drawing + QStringLiteral("  ") + integerText(percent) +
                              QLatin1Char('%'));
    });
    connect(backgroundTrace_.get(), &BackgroundTrace::finished, this, &PlotterPanel::traceDone);
    // Esc anywhere in the program stops it.
    QCoreApplication::instance()->installEventFilter(this);
    connect(backgroundTrace_.get(), &BackgroundTrace::ended, this, [this] {
        QCoreApplication::instance()->removeEventFilter(this);
        if (!backgroundTrace_) return;
        if (backgroundTrace_->isCancelled()) host_.setProgressText(QStringLiteral("作图已取消"));
        backgroundTrace_.release()->deleteLater();
    });
}

void PlotterPanel::traceDone(std::shared_ptr<const PlottedEntry> entry, TraceOutcome outcome)
{
    PlotterDocument plotter = plots();
    // The list may have filled up while the worker traced.
    if (plotter.count() >= PlotSlots && plotter.rowOf(entry->text()) < 0) {
        services_.dialogs.inform(window(), FullList);
        return;
    }
    if (outcome == TraceOutcome::RangeTooLarge) {
        showRangeTooLarge();
        return;
    }
    LF_->setCurrentRow(plotter.put(entry));
    host_.setProgressText(Done);
}

bool PlotterPanel::refusedWhileTracing()
{
    // One trace at a time: a second one is refused out loud, not dropped.
    if (!isTracing()) return false;
    services_.dialogs.inform(window(),
                             QStringLiteral("正在作图，请等它完成（按 Esc 可取消）后再试。"));
    return true;
}

bool PlotterPanel::isTracing() const
{
    return backgroundTrace_ != nullptr;
}

void PlotterPanel::cancelTrace()
{
    if (backgroundTrace_) backgroundTrace_->cancel();
}

void PlotterPanel::showConicMessage(const std::optional<ConicMessage>& message)
{
    if (message) services_.dialogs.inform(window(), message->text, message->icon, message->title);
}

// --- the list ------------------------------------------------------------------------

PlotterDocument PlotterPanel::plots()
{
    return PlotterDocument(host_.document());
}

PlotRecords PlotterPanel::records() const
{
    PlotRecords out;
    const PlotterDocument plotter(host_.document());
    for (int row = 0; row < plotter.count() && row < PlotSlots; ++row)
        out[row] = plotter.entry(row).record();
    return out;
}

void PlotterPanel::followDocument()
{
    const PadState& state = host_.document().state();
    QStringList texts;
    for (const PadOperationPtr& op : state.entries)
        texts << static_cast<const PlottedEntry&>(*op).text();
    QStringList shown;
    for (int i = 0; i < LF_->count(); ++i)
        shown << LF_->item(i)->text();
    if (texts != shown) {
        const int row = LF_->currentRow();
        LF_->clear();
        LF_->addItems(texts);
        if (row >= 0 && row < LF_->count()) LF_->setCurrentRow(row);
    }
}

void PlotterPanel::addAndDraw()
{
    if (refusedWhileTracing()) return;
    const Colour c = pickCurveColor(strip_->lineColour());
    if (LF_->count() >= PlotSlots) {
        services_.dialogs.inform(window(), FullList);
        return;
    }
    host_.pad().setPersistent(true);
    host_.setProgressText(Drawing);
    const PlotKind kind = functionPage_->selectedKind();
    const QString prefix = kind == PlotKind::Y            ? QStringLiteral("y=")
                           : kind == PlotKind::X          ? QStringLiteral("x=")
                           : kind == PlotKind::Parametric ? QStringLiteral("t: ")
                                                          : QStringLiteral("p=");
    putEntry(prefix + functionPage_->expression(kind), kindCode(kind), c);
    if (!isTracing()) host_.setProgressText(Done);
}

void PlotterPanel::conicAdd()
{
    if (refusedWhileTracing()) return;
    const Colour c = pickCurveColor(strip_->lineColour());
    if (LF_->count() >= PlotSlots) {
        services_.dialogs.inform(window(), FullList);
        return;
    }
    if (!conicPage_->parametersStorable()) {
        services_.dialogs.inform(
            window(), QStringLiteral("参数超出范围：请输入 -32768 到 32767 之间的数值。"),
            MessageIcon::Warning);
        return;
    }
    host_.setProgressText(Drawing);
    host_.pad().setPersistent(true);
    const ConicParameters conic = conicPage_->parameters();
    putEntry(conicRowText(conic), int(conic.kind), c);
    host_.setProgressText(Done);
}

void PlotterPanel::loadRow()
{
    const int i = LF_->currentRow();
    const PlotterDocument plotter(host_.document());
    if (i < 0 || i >= plotter.count()) return;
    const PlotRecord record = plotter.entry(i).record();
    const QString expression = plotter.entry(i).text().mid(2);
    auto loadFunction = [&](PlotKind kind) {
        showPanelTab(0);
        functionPage_->selectKind(kind);
        functionPage_->setExpression(kind, expression);
        functionPage_->deleteButton()->setEnabled(true);
        functionPage_->setSmoothnessBar(NumberText::toInt16(record.Smoothness).value_or(100));
        if (kind == PlotKind::Parametric)
            functionPage_->setParameterRange(generalForm(record.RangeMin),
                                             generalForm(record.RangeMax));
        else if (kind != PlotKind::Polar)
            functionPage_->setRange(generalForm(record.RangeMin), generalForm(record.RangeMax));
    };
    switch (record.Kind) {
    case KindFunctionY:
        loadFunction(PlotKind::Y);
        break;
    case KindFunctionX:
        loadFunction(PlotKind::X);
        break;
    case KindPolar:
        loadFunction(PlotKind::Polar);
        break;
    case KindParametric:
        loadFunction(PlotKind::Parametric);
        break;
    default:
        showPanelTab(1);
        conicPage_->deleteButton()->setEnabled(isConic(record.Kind));
        break;
    }
    conicPage_->showRecord(record);
    // The record keeps whole numbers only; the entry has what it was drawn with.
    if (plotter.entry(i).isConic()) conicPage_->showParameters(plotter.entry(i).conic());
    strip_->setLineWidthValue(record.Width);
    strip_->setLineColour(record.Color);
}

void PlotterPanel::removeSelectedRow(FlatButton* deleteButton)
{
    const int row = LF_->currentRow();
    if (row < 0) return;
    // The entry leaves the document; the pad is painted again without it, whatever the
    // boxes hold now.
    plots().remove(row);
    deleteButton->setEnabled(false);
    host_.setProgressText(QStringLiteral("完成删除"));
}

void PlotterPanel::deleteFunction()
{
    if (LF_->currentRow() < 0) return;
    host_.setProgressText(QStringLiteral("开始删除…"));
    removeSelectedRow(functionPage_->deleteButton());
}

void PlotterPanel::deleteConic()
{
    removeSelectedRow(conicPage_->deleteButton());
}

void PlotterPanel::redrawAll()
{
    if (refusedWhileTracing()) return;
    PlotterDocument plotter = plots();
    const int rows = plotter.count();
    // Every row keeps its own colour unless "随机" gives each a new one.
    plotter.redrawAll(
        axesOfSetting(),
        [this](const PlottedEntry& entry) { return pickCurveColor(entry.record().Color); },
        [this](Colour c) { return helpColor(c); }, services_.engine, BackgroundTraceSamples);
    if (rows > 0) {
        LF_->setCurrentRow(rows - 1);
        host_.setProgressText(Done);
    }
}

void PlotterPanel::clearPad()
{
    // A trace still running would land on the cleared pad.
    cancelTrace();
    plots().clearPad(axesPage_->currentAxes());
    axesPage_->followDocument(axisSize(), false);
}

void PlotterPanel::clearList()
{
    cancelTrace();
    plots().clearList();
}

void PlotterPanel::clearAll()
{
    cancelTrace();
    plots().clearAll(axesPage_->currentAxes());
    axesPage_->followDocument(axisSize(), false);
}

void PlotterPanel::rowSelectionChanged()
{
    functionPage_->deleteButton()->setEnabled(false);
    conicPage_->deleteButton()->setEnabled(false);
}

QString PlotterPanel::selectedEntryText() const
{
    const QListWidgetItem* item = LF_->currentItem();
    return item ? item->text() : QString();
}

void PlotterPanel::saveExpressions()
{
    // The settings file keeps 254 bytes of a value: a longer expression is said to be
    // cut now rather than found cut at the next start.
    for (PlotKind kind : {PlotKind::Y, PlotKind::X, PlotKind::Polar}) {
        const QString expression = functionPage_->expression(kind);
        if (GbkText::encode(expression).size() > ProfileFile::MaxValueBytes)
            services_.dialogs.inform(
                window(),
                QStringLiteral("表达式“%1…”超过 254 字节，设置文件只能保存它的前 254 字节。"
                               "完整的表达式请用“保存作图文件”保存。")
                    .arg(expression.left(40)),
                MessageIcon::Warning);
    }
    host_.setInfoValue(QStringLiteral("ExpressionX"), functionPage_->expression(PlotKind::Y));
    host_.setInfoValue(QStringLiteral("ExpressionY"), functionPage_->expression(PlotKind::X));
    host_.setInfoValue(QStringLiteral("ExpressionPolar"),
                       functionPage_->expression(PlotKind::Polar));
}

} // namespace orvane
