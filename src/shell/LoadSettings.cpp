// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoadSettings.h"

#include "NumberText.h"
#include "QtText.h"
#include "Settings.h"

namespace orvane {

namespace {

struct Default {
    const char* key;
    const char* value;
};

// Defaulted together: when one of them is empty, all five are written.
constexpr Default GroupDefaults[] = {
    {"Size", "10"}, {"Color", "16711680"}, {"LineBold", "1"}, {"PingHuaDu", "10"}, {"ShowTip", "1"},
};

struct ExpressionDefault {
    PlotKind kind;
    const char* key;
    const char* value;
};

constexpr ExpressionDefault ExpressionDefaults[] = {
    {PlotKind::Y, "ExpressionX", "x^2+sin(x)+1/x"},
    {PlotKind::X, "ExpressionY", "y^2/16"},
    {PlotKind::Polar, "ExpressionPolar", "4/(2-2*cos(x))"},
};

QString text(const char* s)
{
    return QString::fromLatin1(s);
}

void defaultSetupValue(const Settings& settings, const char* key, const char* value)
{
    if (settings.getSetupValue(text(key)).isEmpty()) settings.setSetupValue(text(key), text(value));
}

void offerShortcutsOnFirstRun(const Settings& settings, StartupHooks& hooks)
{
    if (!settings.getSetupValue(QStringLiteral("CreatShortCut")).isEmpty()) return;
    // Marked as made before asking, so that No is final for the automatic offer.
    settings.setSetupValue(QStringLiteral("Orvane"), QStringLiteral("3.0 Final"));
    settings.setSetupValue(QStringLiteral("CreatShortCut"), QStringLiteral("OK"));
    hooks.offerShortcuts();
}

void placeStatusBox(const Settings& settings, int screenHeightTwips, StartupHooks& hooks)
{
    const QString stored = settings.getSetupValue(QStringLiteral("StateBoxTop"));
    if (!stored.isEmpty()) {
        hooks.placeStatusBox(leadingNumber(stored));
        return;
    }
    // Stored as a single-precision number of twips.
    const float top = float(screenHeightTwips) - 1400.0f;
    settings.setSetupValue(QStringLiteral("StateBoxTop"), generalForm(double(top)));
    hooks.placeStatusBox(double(screenHeightTwips) - 1600.0);
}

void applyGroupRule(const Settings& settings)
{
    bool anyEmpty = false;
    for (const Default& d : GroupDefaults)
        anyEmpty = anyEmpty || settings.getSetupValue(text(d.key)).isEmpty();
    if (!anyEmpty) return;
    for (const Default& d : GroupDefaults)
        settings.setSetupValue(text(d.key), text(d.value));
}

void loadExpressions(const Settings& settings, StartupHooks& hooks)
{
    for (const ExpressionDefault& d : ExpressionDefaults) {
        QString expression = settings.getInfoValue(text(d.key));
        if (expression.isEmpty()) {
            expression = text(d.value);
            hooks.setExpression(d.kind, expression);
            settings.setInfoValue(text(d.key), expression);
        } else {
            hooks.setExpression(d.kind, expression);
        }
    }
}

void loadConstants(const Settings& settings, StartupHooks& hooks)
{
    if (const std::optional<QList<NamedValue>> saved = settings.savedConstants()) {
        for (const NamedValue& constant : *saved)
            hooks.addUserConstant(constant.name, constant.value);
        return;
    }
    int position = 0;
    for (const NamedValue& constant : defaultConstants()) {
        hooks.addUserConstant(constant.name, constant.value);
        settings.addConstantEntry(constant.name, constant.value, ++position);
    }
}

} // namespace

void loadSettings(const Settings& settings, int screenHeightTwips, StartupHooks& hooks)
{
    offerShortcutsOnFirstRun(settings, hooks);
    placeStatusBox(settings, screenHeightTwips, hooks);
    defaultSetupValue(settings, "Tab", "0");
    applyGroupRule(settings);
    defaultSetupValue(settings, "Tips", "0");
    if (settings.getSetupValue(QStringLiteral("ShowTip")) == QLatin1String("1")) hooks.showTip();
    defaultSetupValue(settings, "LineColor", "16711680");
    defaultSetupValue(settings, "ColorSelfMain", "0");
    defaultSetupValue(settings, "ColorSelfHelp", "1");
    hooks.applySettingsToWindows();
    loadExpressions(settings, hooks);
    hooks.setPlotterLabels();
    loadConstants(settings, hooks);
}

} // namespace orvane
