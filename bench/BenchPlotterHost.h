// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Environment.h"
#include "PadDocument.h"
#include "PadSurface.h"
#include "PlotterHost.h"
#include "SystemDialogs.h"

#include <QMap>
#include <QSize>
#include <QTime>

namespace orvane::bench {

// Dialogs that show nothing and count the messages: every question is answered with
// its first button, every file, colour, input or print dialog is cancelled.
class SilentDialogs : public SystemDialogs {
public:
    int messages = 0;

    MessageAnswer showMessage(QWidget*, const MessageRequest& request) override
    {
        ++messages;
        return request.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }
    std::optional<QString> showSaveDialog(QWidget*, const FileDialogRequest&) override
    {
        return {};
    }
    std::optional<QString> showOpenDialog(QWidget*, const FileDialogRequest&) override
    {
        return {};
    }
    std::optional<Colour> showColourDialog(QWidget*, Colour) override { return {}; }
    std::optional<QString> showInputDialog(QWidget*, const InputRequest&) override { return {}; }
    bool showPrintDialog(QWidget*, QPrinter&) override { return false; }
};

// A fixed outside world: the same "random" number, a fixed time and screen, no shell.
class FixedEnvironment : public Environment {
public:
    double nextRandom() override { return 0.5; }
    QTime currentTime() override { return QTime(12, 0); }
    QSize screenSize() override { return QSize(1280, 1024); }
    QRect availableScreenArea() override { return QRect(0, 0, 1280, 1024); }
    bool openDocument(const QString&) override { return false; }
    bool startFirstProgram(const QStringList&) override { return false; }
    QString desktopFolder() override { return {}; }
    QString applicationsFolder() override { return {}; }
};

// A surface that takes every primitive and paints nothing: what tracing costs
// without the drawing.
class NullSurface : public Surface {
protected:
    void paintLine(WorldPoint, WorldPoint, const Pen&) override {}
    void paintPoint(WorldPoint, const Pen&) override {}
    void paintEllipse(WorldPoint, float, float, const Pen&) override {}
    void paintText(WorldPoint, const QString&, double, const Pen&) override {}
    void clearLayer(bool) override {}
};

// The plotter's surroundings for the benchmarks: settings in memory and a pad, either
// the real one at a given size or one that paints nothing.
class BenchPlotterHost : public WindowlessPlotterHost {
public:
    // drawing false: the pad takes everything and paints nothing.
    BenchPlotterHost(int pixels, bool drawing) : drawing_(drawing)
    {
        pad_.resize(QSize(pixels, pixels));
        document_.setSurface(&pad());
    }

    QString setupValue(const QString& key) override { return setup_.value(key); }
    void setSetupValue(const QString& key, const QString& value) override { setup_[key] = value; }
    Surface& pad() override
    {
        if (drawing_) return pad_;
        return null_;
    }

    PadDocument& document() override { return document_; }
    PadSurface& padSurface() { return pad_; }

private:
    QMap<QString, QString> setup_{{QStringLiteral("LineBold"), QStringLiteral("1")},
                                  {QStringLiteral("Color"), QStringLiteral("16711680")}};
    PadSurface pad_;
    NullSurface null_;
    bool drawing_;
    PadDocument document_;
};

} // namespace orvane::bench
