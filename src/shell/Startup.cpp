// SPDX-License-Identifier: GPL-3.0-or-later
#include "Startup.h"

#include "CoordinateBox.h"
#include "FunctionGraphFile.h"
#include "LoadSettings.h"
#include "MainWindow.h"
#include "PlotterPanel.h"
#include "QtText.h"
#include "Settings.h"
#include "ShellWindows.h"
#include "SketchPad.h"
#include "ToolBox.h"
#include "WindowArrangement.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace orvane {

namespace {

QString valueOr(const Settings& s, const char* key, const char* fallback)
{
    const QString value = s.getSetupValue(QLatin1String(key));
    return value.isEmpty() ? QLatin1String(fallback) : value;
}

// Applies the settings file to the windows at the places the start-up sequence asks.
class StartupWindows : public StartupHooks {
public:
    StartupWindows(MainWindow& w, const StartupOptions& options) : w_(w), options_(options) {}

    // The question and the tip come from startProgram once the window is complete, so
    // that neither covers a half-built one.
    void offerShortcuts() override { shortcutsWanted_ = options_.offerShortcutsOnFirstRun; }
    bool shortcutsWanted() const { return shortcutsWanted_; }

    void placeStatusBox(double topTwips) override
    {
        // Kept within what an int holds; the layout brings it onto the screen.
        const double pixels = std::clamp(topTwips / TwipsPerPixel, -1e6, 1e6);
        w_.setStoredStatusTop(int(pixels));
    }

    void showTip() override { tipWanted_ = true; }
    bool tipWanted() const { return tipWanted_; }

    void applySettingsToWindows() override
    {
        const Settings& s = w_.settings();
        PlotterPanel& drawer = *w_.drawer();
        drawer.showPanelTab(s.getSetupInt16(QStringLiteral("Tab")));
        drawer.applyStartupSettings(plotterSettingsFrom(s));
        drawer.drawAxes();
    }

    void setExpression(PlotKind kind, const QString& text) override
    {
        w_.drawer()->setExpression(kind, text);
    }

    void setPlotterLabels() override { w_.drawer()->setPlotterLabels(1); }

    void addUserConstant(const QString& name, const QString& value) override
    {
        w_.drawer()->addSavedConstant(name, value);
    }

private:
    MainWindow& w_;
    const StartupOptions& options_;
    bool shortcutsWanted_ = false;
    bool tipWanted_ = false;
};

} // namespace

PlotterPanel::StartupSettings plotterSettingsFrom(const Settings& s)
{
    PlotterPanel::StartupSettings settings;
    settings.size = Settings::toInt16Value(valueOr(s, "Size", "10"));
    settings.smoothnessText = valueOr(s, "PingHuaDu", "10");
    settings.randomCurveColours = Settings::toInt16Value(valueOr(s, "ColorSelfMain", "0")) != 0;
    settings.randomHelpColours = Settings::toInt16Value(valueOr(s, "ColorSelfHelp", "1")) != 0;
    settings.axisColour = Colour(Settings::toInt32Value(valueOr(s, "Color", "16711680")));
    settings.lineWidth = Settings::toInt16Value(valueOr(s, "LineBold", "1"));
    settings.lineColour = Colour(Settings::toInt32Value(valueOr(s, "LineColor", "16711680")));
    return settings;
}

DocumentDefaults documentDefaultsFrom(const PlotterPanel::StartupSettings& s)
{
    DocumentDefaults d;
    d.axes.size = s.size;
    d.axes.colour = s.axisColour;
    d.lineColour = s.lineColour;
    d.lineWidth = std::max(1, s.lineWidth);
    const double smoothness = leadingNumber(s.smoothnessText);
    d.smoothness = stepFromSmoothness(smoothness) ? smoothness : 100;
    return d;
}

void startProgram(MainWindow& w, const QString& functionFile, const StartupOptions& options)
{
    Environment& environment = w.services().environment;
    const QRect available = environment.availableScreenArea();
    // On the screen the area belongs to, even when the window exists already.
    if (QScreen* screen = QGuiApplication::screenAt(available.center())) w.setScreen(screen);
    w.setGeometry(available);
    w.showMaximized();
    // Let the window system size the maximized window before its work area is measured.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    w.arrangeWindows(environment.screenSize());

    // Laid out before the settings are read, and again once the status box's place is
    // known.
    w.layoutWindows();
    StartupWindows hooks(w, options);
    loadSettings(w.settings(), (available.bottom() + 1) * TwipsPerPixel, hooks);
    w.layoutWindows();

    // Undo goes back as far as the picture the program opened with, never to a pad
    // without its axes.
    w.document().startHistoryHere();
    w.work().setModified(false);
    // Work left by a copy that did not end cleanly, then the file of the command line
    // (a document opens as it was saved; a function file joins the list).
    w.documentCommands().offerRecovery();
    if (!functionFile.isEmpty()) {
        const bool recovered = w.work().isModified();
        w.documentCommands().openPath(functionFile);
        w.document().startHistoryHere();
        if (!recovered) w.work().setModified(false);
    }

    if (!hooks.shortcutsWanted() && !hooks.tipWanted()) return;
    // The window paints its final state first; the question and the tip come over it.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (hooks.shortcutsWanted()) offerShortcuts(w.services(), &w, w.helpFilePath());
    if (hooks.tipWanted()) showTipWindow(w.services(), w.settings(), &w);
}

} // namespace orvane
