// SPDX-License-Identifier: GPL-3.0-or-later
#include "RenderCommand.h"

#include "DesktopEnvironment.h"
#include "DocumentFormat.h"
#include "Engine.h"
#include "PadDocument.h"
#include "PictureFiles.h"
#include "PlottedEntry.h"
#include "PlotView.h"
#include "PlotterDocument.h"
#include "ProgramPaths.h"
#include "QtText.h"
#include "Settings.h"
#include "Startup.h"
#include "WorkDocument.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace orvane {

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
    const PlotterPanel::StartupSettings plotterSettings = plotterSettingsFrom(settings);
    DocumentDefaults defaults = documentDefaultsFrom(plotterSettings);
    if (commandLine.axisSize) defaults.axes.size = *commandLine.axisSize;
    engine::Engine engine;
    for (const NamedValue& constant : settings.savedConstants().value_or(defaultConstants()))
        engine.addUserConstant(toStdString(constant.name), toStdString(constant.value));

    PadDocument pad;
    WorkDocument work(pad, engine);
    work.setAxesStyle(defaults.axes.colour, defaults.axes.fontSize);
    QString error;
    if (QFileInfo(input).suffix().compare(QLatin1String("ovd"), Qt::CaseInsensitive) == 0) {
        const DocumentFormat::ReadResult read = DocumentFormat::readFile(input, defaults);
        error = read.content ? work.load(*read.content) : read.error;
    } else {
        PlotterDocument(pad).newAxisSize({defaults.axes.colour, defaults.axes.size, 9});
        DesktopEnvironment environment;
        error = work.addFunctionGraph(input, defaults, [&] {
            return plotterSettings.randomCurveColours
                       ? randomCurveColour([&] { return environment.nextRandom(); })
                       : plotterSettings.lineColour;
        });
    }
    if (!error.isEmpty()) {
        err << "orvane: " << error.toStdString() << '\n';
        return 1;
    }

    if (commandLine.view) {
        const auto& c = *commandLine.view;
        PlotView view;
        if (PlotView::fromRectangle(c[0], c[1], c[2], c[3], view)) pad.setView(view);
    }

    const QSize size(commandLine.pixels, commandLine.pixels);
    if (!writePicture(output, pad, size, commandLine.scale)) {
        err << "orvane: cannot write " << commandLine.outputImage << '\n';
        return 1;
    }
    return 0;
}

} // namespace orvane
