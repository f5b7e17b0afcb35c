// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Surface.h"

#include <QObject>

#include <atomic>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

namespace orvane {

// One thing drawn on the pad, in world coordinates, able to draw itself again on any
// surface. It sets every pen property it uses, so that it draws the same pixels
// whatever was drawn before it.
class PadOperation {
public:
    virtual ~PadOperation() = default;
    virtual void paint(Surface& surface) const = 0;
    // The plotted entry this drawing shows; 0 for axes and hand drawing.
    virtual quint64 entryId() const { return 0; }
    // The axis size when this draws the axes: a later drawing of axes of the same size
    // covers every one of its pixels.
    virtual std::optional<int> axesSize() const { return std::nullopt; }
    // A drawing traced for the view it is painted in (a curve): whether painting in this
    // view needs a new trace, and making that trace (on any thread; it stops soon after
    // `cancel` is set).
    virtual bool needsTraceFor(const PlotView&, PixelArea) const { return false; }
    virtual void prepareTrace(const PlotView&, PixelArea, const std::atomic<bool>*) const {}
};
using PadOperationPtr = std::shared_ptr<const PadOperation>;

// What the pad shows and what the plotted-function list holds at one moment.
struct PadState {
    Colour background = 0xFFFFFF;
    int axisSize = 10;
    bool axesHidden = false;
    // Everything drawn since the pad was last cleared, in drawing order.
    std::vector<PadOperationPtr> picture;
    // The rows of the plotted-function list; each row's drawing carries its entry id.
    std::vector<PadOperationPtr> entries;
};

// The record of the pad: the raster image is only a cache painted from it. Every
// change is one undo step (or joins the step that a Step keeps open).
class PadDocument : public QObject {
    Q_OBJECT
public:
    static constexpr int UndoSteps = 200;

    // Paints onto `surface` (may be null: nothing is painted until one is given).
    explicit PadDocument(Surface* surface = nullptr);
    void setSurface(Surface* surface) { surface_ = surface; }
    Surface* surface() const { return surface_; }

    const PadState& state() const { return state_; }

    // Draws `ops` after the picture; those from `alreadyPainted` on are painted now.
    // Axes drawn again replace earlier axes of the same size (same pixels, shorter replay).
    void append(const std::vector<PadOperationPtr>& ops, std::size_t alreadyPainted = 0);
    void append(PadOperationPtr op) { append(std::vector<PadOperationPtr>{std::move(op)}); }
    // A new state; the whole picture is painted again.
    void replace(PadState next);
    // A new state whose picture keeps the present one as its beginning: only the
    // operations from `firstNew` on are painted.
    void extend(PadState next, std::size_t firstNew);
    // A new background colour clears the pad.
    void setBackground(Colour colour);

    // The window of the plane the pad shows: the classic view of the axis size unless it
    // was zoomed or panned. Changing it repaints the pad and is not an undo step; axes of
    // a new size bring the classic view back.
    PlotView view() const { return view_ ? *view_ : PlotView::classic(state_.axisSize); }
    bool viewIsClassic() const { return !view_; }
    void setView(const PlotView& view);
    void resetView();

    // What the pad shows now becomes the start of the history: nothing before it can be
    // undone (the program's start-up drawing, for instance).
    void startHistoryHere();
    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    bool undo();
    bool redo();

    // The whole picture on `target`, cleared first to the background, at the world
    // scale of the axis size. The target's pen, font and current point stay as they were.
    void replay(Surface& target) const;
    // The own surface painted again from the document (after a resize, for instance).
    void repaint();

    quint64 newEntryId() { return ++lastEntryId_; }

    // Everything done while one is alive is a single undo step.
    class Step {
    public:
        explicit Step(PadDocument& document) : document_(document) { ++document_.openSteps_; }
        ~Step()
        {
            if (--document_.openSteps_ == 0) document_.stepRecorded_ = false;
        }
        Step(const Step&) = delete;
        Step& operator=(const Step&) = delete;

    private:
        PadDocument& document_;
    };

    // Paints one operation as a document does: persistence on, solid style first, the
    // surface's own pen, font and current point kept.
    static void paintOperation(Surface& surface, const PadOperation& op);

signals:
    // The view changed (the pad has been painted again in it).
    void viewChanged();
    // Anything changed: the list follows the entries.
    void stateChanged();
    // An undo or redo brought back an earlier state: the axis size, the hiding of the
    // axes and the background shown by the boxes follow it too.
    void restored();

private:
    void recordUndoStep();
    void restore(PadState state);
    void paintFrom(const std::vector<PadOperationPtr>& ops, std::size_t first);

    Surface* surface_;
    PadState state_;
    std::optional<PlotView> view_;
    std::deque<PadState> undo_;
    std::deque<PadState> redo_;
    quint64 lastEntryId_ = 0;
    int openSteps_ = 0;
    bool stepRecorded_ = false;
};

} // namespace orvane
