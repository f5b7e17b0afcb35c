#include "RenderCommand.h"

#include "DesktopEnvironment.h"
#include "FunctionGraphFile.h"
#include "PadSurface.h"
#include "PictureExport.h"
#include "PlotterHost.h"
#include "PlotterPanel.h"
#include "ProgramPaths.h"
#include "QuietDialogs.h"
#include "Settings.h"
#include "Startup.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace orvane {

namespace {

// The plotter's host on an offscreen pad: settings are read from the file but never
// written, and there are no other windows to reach.
class RenderHost : public WindowlessPlotterHost {
public:
    RenderHost(const Settings& settings, int pixels) : settings_(settings)
    {
        pad_.resize(QSize(pixels, pixels));
    }
    QString setupValue(const QString& key) override
    {
        const auto override = overrides_.find(key);
        return override != overrides_.end() ? override->second : settings_.GetSetupValue(key);
    }
    void setSetupValue(const QString& key, const QString& value) override
    {
        overrides_[key] = value;
    }
    Surface& pad() override { return pad_; }

    QImage picture() const { return pad_.persistentImage(); }

private:
    const Settings& settings_;
    PadSurface pad_;
    std::map<QString, QString> overrides_;
};

} // namespace

int RunRenderCommand(const CommandLine& commandLine, std::ostream& err)
{
    const QString input = QString::fromStdString(commandLine.renderFile);
    const QString output = QString::fromStdString(commandLine.outputImage);
    if (!QFileInfo(input).isFile()) {
        err << "orvane: cannot read " << commandLine.renderFile << '\n';
        return 1;
    }
    const QString suffix = QFileInfo(output).suffix().toLower();
    if (suffix != QLatin1String("png") && suffix != QLatin1String("bmp")) {
        err << "orvane: --out must end in .png or .bmp\n";
        return 2;
    }

    const QString overridePath =
        commandLine.settingsPath ? QString::fromStdString(*commandLine.settingsPath) : QString();
    const Settings settings(
        ResolveSettingsPath(QCoreApplication::applicationDirPath(), overridePath));
    QuietDialogs dialogs(err);
    DesktopEnvironment environment;
    engine::Engine engine;
    Services services{dialogs, environment, engine};
    RenderHost host(settings, commandLine.pixels);
    PlotterPanel drawer(host, services);

    PlotterPanel::StartupSettings plotterSettings = PlotterSettingsFrom(settings);
    if (commandLine.axisSize) plotterSettings.size = *commandLine.axisSize;
    drawer.applyStartupSettings(plotterSettings);
    for (const NamedValue& constant : settings.SavedConstants().value_or(DefaultConstants()))
        drawer.addSavedConstant(constant.name, constant.value);
    drawer.drawAxes();
    OpenFunctionFile(input, drawer);

    const QImage picture = host.picture();
    const bool written =
        suffix == QLatin1String("bmp") ? WriteBitmap(output, picture) : picture.save(output, "PNG");
    if (!written) {
        err << "orvane: cannot write " << commandLine.outputImage << '\n';
        return 1;
    }
    return 0;
}

} // namespace orvane
