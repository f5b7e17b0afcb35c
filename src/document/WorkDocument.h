// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DocumentContent.h"
#include "Engine.h"
#include "PadDocument.h"
#include "PlottedEntry.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

namespace orvane {

// The whole work as one object without widgets: the pad's record (axes, plotted entries,
// hand drawing, with its undo history), the named constants of the engine, the axes'
// colour and the view. The windows show and edit it; the file code, the command line,
// the benchmarks and the tests use it directly.
class WorkDocument : public QObject {
    Q_OBJECT
public:
    WorkDocument(PadDocument& pad, engine::Engine& engine);

    PadDocument& pad() const { return pad_; }
    engine::Engine& engine() const { return engine_; }

    // How new axes are drawn (the settings' axis colour, the tool box's font size).
    void setAxesStyle(Colour colour, double fontSize);
    Colour axesColour() const { return axesColour_; }
    double axesFontSize() const { return axesFontSize_; }

    // Everything the work holds now, as a file keeps it.
    DocumentContent content() const;
    // Makes `content` the work: constants, entries (traced again), picture, axes, view.
    // Nothing changes when it cannot be loaded; the message says why. The history of
    // the work starts afresh.
    QString load(const DocumentContent& content);
    // A function read from a function-graph file, drawn as `defaults` say, in `colour`.
    static DocumentEntry functionEntry(int kind, const QString& expression,
                                       const DocumentDefaults& defaults, Colour colour);
    // Adds the functions of a function-graph file as new rows (a full list takes no
    // more). Returns the message of a refused file, which adds nothing, else empty.
    QString addFunctionGraph(const QString& path, const DocumentDefaults& defaults,
                             const std::function<Colour()>& curveColour);
    // Draws one entry as a new row (a function read from a function-graph file, for
    // instance). False when the list is full.
    bool addEntry(const DocumentEntry& entry);

    // The entry as a file keeps it, and back (traced with `engine`; the auxiliary lines
    // of a conic take their stored colours, else `helpColor`'s).
    static DocumentEntry entryOf(const PlottedEntry& entry);
    static std::shared_ptr<const PlottedEntry> plottedEntry(quint64 id, const DocumentEntry& entry,
                                                            engine::Engine& engine,
                                                            const HelpColorFn& helpColor = {});
    // The list text of an entry: "y=…", "x=…", "p=…" or the conic's.
    static QString rowText(const DocumentEntry& entry);

    // Unsaved changes: set by every change of the pad or the constants, cleared when the
    // work is saved or loaded.
    bool isModified() const { return modified_; }
    void setModified(bool modified);
    // The constants changed (they are not part of the pad's record).
    void constantsChanged() { setModified(true); }
    // The file the work was opened from or saved to; empty for new work.
    const QString& filePath() const { return filePath_; }
    void setFilePath(const QString& path);

    // The colours chosen for auxiliary lines when an entry does not keep its own.
    void setHelpColour(HelpColorFn helpColor) { helpColor_ = std::move(helpColor); }

signals:
    void modifiedChanged(bool modified);
    void filePathChanged(const QString& path);
    // After load: the windows bring their controls to the new work.
    void loaded();

private:
    PadDocument& pad_;
    engine::Engine& engine_;
    Colour axesColour_ = 16711680;
    double axesFontSize_ = 9;
    HelpColorFn helpColor_;
    QString filePath_;
    bool modified_ = false;
    bool loading_ = false;
};

} // namespace orvane
