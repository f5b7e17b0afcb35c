// SPDX-License-Identifier: GPL-3.0-or-later
#include "RenderCommand.h"

#include "DesktopEnvironment.h"
#include "Engine.h"
#include "FunctionGraphFile.h"
#include "PadDocument.h"
#include "PictureFiles.h"
#include "PlottedEntry.h"
#include "PlotterDocument.h"
#include "ProgramPaths.h"
#include "QtText.h"
#include "Settings.h"
#include "Startup.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace orvane {

namespace {

// The plotter as a function file needs it, without a window: the three expressions,
// the kind chosen, and the settings file's width, colour and smoothness. Each function
// is traced by the plotter's own code into a pad document.
class FilePlotter : public FunctionGraphTarget {
public:
    FilePlotter(PlotterDocument& plots, const PlotterPanel::StartupSettings& settings,
                Environment& environment, engine::Engine& engine)
        : plots_(plots), settings_(settings), environment_(environment), engine_(engine)
    {
    }

    int entryCount() const override { return plots_.count(); }
    QString entryText(int row) const override { return plots_.entry(row).text(); }
    void selectEntry(int) override {}
    std::optional<PlotKind> selectedKind() const override { return kind_; }
    QString expression(PlotKind kind) const override { return expressions_[int(kind)]; }
    void selectKind(PlotKind kind) override { kind_ = kind; }
    void setExpression(PlotKind kind, const QString& text) override
    {
        expressions_[int(kind)] = text;
    }

    void addAndDraw() override
    {
        if (plots_.count() >= PlotSlots) return;
        const QString prefix = kind_ == PlotKind::Y            ? QStringLiteral("y=")
                               : kind_ == PlotKind::X          ? QStringLiteral("x=")
                               : kind_ == PlotKind::Parametric ? QStringLiteral("t: ")
                                                               : QStringLiteral("p=");
        const std::optional<std::pair<QString, QString>> parametric =
            kind_ == PlotKind::Parametric ? splitParametricText(expression(kind_)) : std::nullopt;
        if (kind_ == PlotKind::Parametric && !parametric) return;
        const QString text =
            prefix + (parametric ? parametricText(parametric->first, parametric->second)
                                 : expression(kind_));
        PlotRecord record;
        record.Kind = kind_ == PlotKind::Y            ? KindFunctionY
                      : kind_ == PlotKind::X          ? KindFunctionX
                      : kind_ == PlotKind::Parametric ? KindParametric
                                                      : KindPolar;
        record.Color = settings_.randomCurveColours
                           ? randomCurveColour([this] { return environment_.nextRandom(); })
                           : settings_.lineColour;
        record.Width = std::int16_t(std::max(1, settings_.lineWidth));
        const double smoothness = leadingNumber(settings_.smoothnessText);
        record.Smoothness = stepFromSmoothness(smoothness) ? smoothness : 100;
        record.RangeMin = parametric ? 0 : -10;
        record.RangeMax = parametric ? 2 * 3.14159265358979323846 : 10;

        TraceRequest request;
        request.expression = toStdString(parametric ? parametric->first : expression(kind_));
        if (parametric) request.secondExpression = toStdString(parametric->second);
        request.rangeMin = record.RangeMin;
        request.rangeMax = record.RangeMax;
        request.step = stepFromSmoothness(record.Smoothness).value_or(0.01);
        request.colour = record.Color;
        request.width = record.Width;
        const int row = plots_.rowOf(text);
        plots_.put(PlottedEntry::traceCurve(plots_.idForRow(row),
                                            row >= 0 ? plots_.entry(row).text() : text, record,
                                            engine_, request));
    }

private:
    PlotterDocument& plots_;
    const PlotterPanel::StartupSettings& settings_;
    Environment& environment_;
    engine::Engine& engine_;
    PlotKind kind_ = PlotKind::Y;
    QString expressions_[4];
};

} // namespace

int runRenderCommand(const CommandLine& commandLine, std::ostream& err)
{
    const QString input = QString::fromStdString(commandLine.renderFile);
    const QString output = QString::fromStdString(commandLine.outputImage);
    if (!QFileInfo(input).isFile()) {
        err << "orvane: cannot read " << commandLine.renderFile << '\n';
        return 1;
    }
    const QString suffix = QFileInfo(output).suffix().toLower();
    const QStringList formats = {QStringLiteral("png"), QStringLiteral("bmp"),
                                 QStringLiteral("svg"), QStringLiteral("pdf")};
    if (!formats.contains(suffix)) {
        err << "orvane: --out must end in .png, .bmp, .svg or .pdf\n";
        return 2;
    }

    const QString overridePath =
        commandLine.settingsPath ? QString::fromStdString(*commandLine.settingsPath) : QString();
    const Settings settings(
        resolveSettingsPath(QCoreApplication::applicationDirPath(), overridePath));
    PlotterPanel::StartupSettings plotterSettings = plotterSettingsFrom(settings);
    if (commandLine.axisSize) plotterSettings.size = *commandLine.axisSize;
    engine::Engine engine;
    for (const NamedValue& constant : settings.savedConstants().value_or(defaultConstants()))
        engine.addUserConstant(toStdString(constant.name), toStdString(constant.value));

    PadDocument document;
    PlotterDocument plots(document);
    plots.newAxisSize({plotterSettings.axisColour, plotterSettings.size, 9});
    DesktopEnvironment environment;
    FilePlotter plotter(plots, plotterSettings, environment, engine);
    openFunctionFile(input, plotter);
    if (commandLine.view) {
        const auto& c = *commandLine.view;
        PlotView view;
        if (PlotView::fromRectangle(c[0], c[1], c[2], c[3], view)) document.setView(view);
    }

    const QSize size(commandLine.pixels, commandLine.pixels);
    if (!writePicture(output, document, size, commandLine.scale)) {
        err << "orvane: cannot write " << commandLine.outputImage << '\n';
        return 1;
    }
    return 0;
}

} // namespace orvane
