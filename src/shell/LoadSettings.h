// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlotKind.h"

#include <QString>

namespace orvane {

class Settings;

// What the start-up settings step needs of the windows; the main window implements it.
class StartupHooks {
public:
    virtual ~StartupHooks() = default;

    // First run only: the desktop and menu shortcut offer.
    virtual void offerShortcuts() = 0;
    // Top edge of the coordinate status box, in twips.
    virtual void placeStatusBox(double topTwips) = 0;
    // The tip of the day, when enabled.
    virtual void showTip() = 0;
    // Apply the stored values to the plotter and the tool box (tab, size, smoothness,
    // colours, line width, axes), after the defaults have been written.
    virtual void applySettingsToWindows() = 0;
    // The last expression of one kind, into its box.
    virtual void setExpression(PlotKind kind, const QString& text) = 0;
    // Captions of the plotter's buttons and tabs (between the expressions and the
    // constants, as the start-up has always done it).
    virtual void setPlotterLabels() = 0;
    // One saved (or default) constant into the constant table, with the engine's
    // message when it is refused.
    virtual void addUserConstant(const QString& name, const QString& value) = 0;
};

// The start-up pass over the settings file: writes the defaults of the keys that are
// empty, in the file's fixed order, and calls the hooks at their places.
void loadSettings(const Settings& settings, int screenHeightTwips, StartupHooks& hooks);

} // namespace orvane
