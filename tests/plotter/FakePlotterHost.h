// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PadDocument.h"
#include "PlotterHost.h"
#include "RecordingSurface.h"

#include <QMap>
#include <QStringList>

namespace orvane {

// The plotter's surroundings for tests: settings in memory, a recording pad.
class FakePlotterHost : public PlotterHost {
public:
    QString setupValue(const QString& key) override { return setup.value(key); }
    void setSetupValue(const QString& key, const QString& value) override
    {
        setup[key] = value;
        setupWrites << key + QLatin1Char('=') + value;
    }
    void setInfoValue(const QString& key, const QString& value) override { info[key] = value; }
    void addConstantEntry(const QString& name, const QString& value, int position) override
    {
        constantEntries << QStringLiteral("add %1=%2@%3").arg(name, value).arg(position);
    }
    void removeConstantEntry(int position) override
    {
        constantEntries << QStringLiteral("remove @%1").arg(position);
    }
    Surface& pad() override { return surface; }
    PadDocument& document() override { return padDocument; }
    double padFontSize() override { return 9; }
    void setProgressText(const QString& text) override { progress << text; }
    void setToolBoxLineWidthText(const QString& text) override { toolBoxLineWidth = text; }
    void setToolBoxPenColour(Colour colour) override { toolBoxPenColour = colour; }
    void setTextInputColour(Colour colour) override { textInputColour = colour; }
    void openToolWindow(ToolWindow window) override { openedTools << int(window); }
    void showCopyMenu(QPoint) override { ++copyMenus; }

    RecordingSurface surface;
    PadDocument padDocument{&surface};
    QMap<QString, QString> setup{{QStringLiteral("LineBold"), QStringLiteral("1")},
                                 {QStringLiteral("Color"), QStringLiteral("16711680")}};
    QStringList setupWrites;
    QMap<QString, QString> info;
    QStringList constantEntries;
    QStringList progress;
    QString toolBoxLineWidth;
    Colour toolBoxPenColour = 0;
    Colour textInputColour = 0;
    QList<int> openedTools;
    int copyMenus = 0;
};

} // namespace orvane
