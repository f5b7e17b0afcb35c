// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PadDocument.h"
#include "PlottedEntry.h"

#include <functional>
#include <memory>
#include <optional>

namespace orvane {

// The plotter's commands on the pad document, without any widget: the list of plotted
// entries and the axes. Each command is one undo step; deleting or replacing an entry
// takes its drawing out of the picture, so nothing else on the pad is touched.
class PlotterDocument {
public:
    // How the axes are drawn now: colour, size and the tool box's font size.
    struct Axes {
        Colour colour = 16711680;
        int size = 10;
        double padFontSize = 9;
    };

    explicit PlotterDocument(PadDocument& pad) : pad_(pad) {}
    PadDocument& pad() const { return pad_; }

    int count() const { return int(pad_.state().entries.size()); }
    const PlottedEntry& entry(int row) const;
    // The row holding this text (blanks around either text do not count), -1 when none.
    int rowOf(const QString& text) const;
    // The entry id for an entry of that row: the row's own, or a new one for row -1.
    quint64 idForRow(int row);

    // Draws the entry: it replaces its row (same id; the old drawing goes) or becomes a
    // new row. Returns its row.
    int put(std::shared_ptr<const PlottedEntry> entry);
    void remove(int row);
    // Clears the pad, draws the axes unless they are hidden, and every row again; a row's
    // new colour comes from `colourOf`.
    // Every row drawn afresh; curves traced again with `engine` (see PlottedEntry::redrawn).
    void redrawAll(const Axes& axes, const std::function<Colour(const PlottedEntry&)>& colourOf,
                   const HelpColorFn& helpColor, engine::Engine& engine, double retraceLimit);

    void drawAxes(const Axes& axes);
    void hideAxes();
    void showAxes(const Axes& axes);
    // A new axis size clears the pad and draws the axes at that scale.
    void newAxisSize(const Axes& axes);
    void clearPad(const Axes& axes);
    void clearList();
    void clearAll(const Axes& axes);

private:
    static PadOperationPtr axesOf(const Axes& axes);

    PadDocument& pad_;
};

} // namespace orvane
