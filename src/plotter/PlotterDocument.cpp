// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlotterDocument.h"

#include <algorithm>

namespace orvane {

namespace {

void removeDrawingOf(std::vector<PadOperationPtr>& picture, quint64 id)
{
    picture.erase(std::remove_if(picture.begin(), picture.end(),
                                 [id](const PadOperationPtr& op) { return op->entryId() == id; }),
                  picture.end());
}

} // namespace

PadOperationPtr PlotterDocument::axesOf(const Axes& axes)
{
    return std::make_shared<AxesDrawing>(axes.colour, axes.size, axes.padFontSize);
}

const PlottedEntry& PlotterDocument::entry(int row) const
{
    return static_cast<const PlottedEntry&>(*pad_.state().entries.at(std::size_t(row)));
}

int PlotterDocument::rowOf(const QString& text) const
{
    const QString wanted = text.trimmed();
    for (int row = 0; row < count(); ++row)
        if (entry(row).text().trimmed() == wanted) return row;
    return -1;
}

quint64 PlotterDocument::idForRow(int row)
{
    return row >= 0 && row < count() ? entry(row).entryId() : pad_.newEntryId();
}

int PlotterDocument::put(std::shared_ptr<const PlottedEntry> entry)
{
    const PadState& state = pad_.state();
    const auto found =
        std::find_if(state.entries.begin(), state.entries.end(), [&](const PadOperationPtr& row) {
            return row->entryId() == entry->entryId();
        });
    if (found == state.entries.end()) {
        // A new row: its drawing goes on top of the picture.
        PadState next = state;
        const std::size_t firstNew = next.picture.size();
        next.entries.push_back(entry);
        next.picture.push_back(entry);
        pad_.extend(std::move(next), firstNew);
        return count() - 1;
    }
    const int row = int(found - state.entries.begin());
    PadState next = state;
    next.entries[std::size_t(row)] = entry;
    removeDrawingOf(next.picture, entry->entryId());
    next.picture.push_back(entry);
    pad_.replace(std::move(next));
    return row;
}

void PlotterDocument::remove(int row)
{
    if (row < 0 || row >= count()) return;
    PadState next = pad_.state();
    const quint64 id = entry(row).entryId();
    next.entries.erase(next.entries.begin() + row);
    removeDrawingOf(next.picture, id);
    pad_.replace(std::move(next));
}

void PlotterDocument::redrawAll(const Axes& axes,
                                const std::function<Colour(const PlottedEntry&)>& colourOf,
                                const HelpColorFn& helpColor, engine::Engine& engine,
                                double retraceLimit)
{
    PadState next = pad_.state();
    next.picture.clear();
    if (!next.axesHidden) next.picture.push_back(axesOf(axes));
    for (PadOperationPtr& row : next.entries) {
        const auto& old = static_cast<const PlottedEntry&>(*row);
        row = old.redrawn(colourOf(old), helpColor, engine, retraceLimit);
        next.picture.push_back(row);
    }
    pad_.replace(std::move(next));
}

void PlotterDocument::drawAxes(const Axes& axes)
{
    pad_.append(axesOf(axes));
}

void PlotterDocument::hideAxes()
{
    PadState next = pad_.state();
    next.axesHidden = true;
    auto& picture = next.picture;
    picture.erase(std::remove_if(picture.begin(), picture.end(),
                                 [](const PadOperationPtr& op) { return bool(op->axesSize()); }),
                  picture.end());
    pad_.replace(std::move(next));
}

void PlotterDocument::showAxes(const Axes& axes)
{
    PadState next = pad_.state();
    next.axesHidden = false;
    const PadDocument::Step step(pad_);
    pad_.replace(std::move(next));
    pad_.append(axesOf(axes));
}

void PlotterDocument::newAxisSize(const Axes& axes)
{
    PadState next = pad_.state();
    next.axisSize = axes.size;
    next.picture = {axesOf(axes)};
    pad_.replace(std::move(next));
}

void PlotterDocument::clearPad(const Axes& axes)
{
    PadState next = pad_.state();
    next.axesHidden = false;
    next.picture = {axesOf(axes)};
    pad_.replace(std::move(next));
}

void PlotterDocument::clearList()
{
    // The pad keeps what it shows: nothing to paint.
    PadState next = pad_.state();
    next.entries.clear();
    const std::size_t painted = next.picture.size();
    pad_.extend(std::move(next), painted);
}

void PlotterDocument::clearAll(const Axes& axes)
{
    PadState next = pad_.state();
    next.entries.clear();
    next.axesHidden = false;
    next.picture = {axesOf(axes)};
    pad_.replace(std::move(next));
}

} // namespace orvane
