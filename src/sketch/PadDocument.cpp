// SPDX-License-Identifier: GPL-3.0-or-later
#include "PadDocument.h"

#include <algorithm>

namespace orvane {

namespace {

// Keeps what the pad's own drawing relies on (pen, font, current point) across the
// painting of document operations.
class KeptSurfaceState {
public:
    explicit KeptSurfaceState(Surface& s)
        : s_(s), persistent_(s.isPersistent()), current_(s.currentPoint()), fore_(s.foreColour()),
          width_(s.penWidth()), font_(s.fontSize()), style_(s.drawStyle())
    {
    }
    ~KeptSurfaceState()
    {
        s_.setPersistent(persistent_);
        s_.setCurrentPoint(current_);
        s_.setForeColour(fore_);
        s_.setPenWidth(width_);
        s_.setFontSize(font_);
        s_.setDrawStyle(style_);
    }
    KeptSurfaceState(const KeptSurfaceState&) = delete;
    KeptSurfaceState& operator=(const KeptSurfaceState&) = delete;

private:
    Surface& s_;
    bool persistent_;
    WorldPoint current_;
    Colour fore_;
    int width_;
    double font_;
    DrawStyle style_;
};

} // namespace

PadDocument::PadDocument(Surface* surface) : surface_(surface) {}

void PadDocument::paintOperation(Surface& surface, const PadOperation& op)
{
    surface.setPersistent(true);
    surface.setDrawStyle(DrawStyle::Solid);
    op.paint(surface);
}

void PadDocument::recordUndoStep()
{
    redo_.clear();
    if (openSteps_ > 0) {
        if (stepRecorded_) return;
        stepRecorded_ = true;
    }
    undo_.push_back(state_);
    while (int(undo_.size()) > UndoSteps)
        undo_.pop_front();
}

void PadDocument::append(const std::vector<PadOperationPtr>& ops, std::size_t alreadyPainted)
{
    recordUndoStep();
    for (const PadOperationPtr& op : ops) {
        if (const std::optional<int> size = op->axesSize()) {
            // Axes of a new size set the classic view of that size for what follows them.
            if (*size != state_.axisSize || !view_) {
                view_.reset();
                if (surface_) surface_->setView(PlotView::classic(*size));
            }
            state_.axisSize = *size;
            auto& picture = state_.picture;
            picture.erase(std::remove_if(picture.begin(), picture.end(),
                                         [&](const PadOperationPtr& earlier) {
                                             return earlier->axesSize() == size;
                                         }),
                          picture.end());
        }
        state_.picture.push_back(op);
    }
    paintFrom(ops, alreadyPainted);
    emit stateChanged();
}

void PadDocument::paintFrom(const std::vector<PadOperationPtr>& ops, std::size_t first)
{
    if (!surface_ || first >= ops.size()) return;
    const KeptSurfaceState kept(*surface_);
    const Surface::Batch batch(*surface_);
    for (std::size_t i = first; i < ops.size(); ++i)
        paintOperation(*surface_, *ops[i]);
}

void PadDocument::extend(PadState next, std::size_t firstNew)
{
    recordUndoStep();
    state_ = std::move(next);
    paintFrom(state_.picture, firstNew);
    emit stateChanged();
}

void PadDocument::replace(PadState next)
{
    recordUndoStep();
    restore(std::move(next));
}

void PadDocument::setBackground(Colour colour)
{
    PadState next = state_;
    next.background = colour;
    next.picture.clear();
    replace(std::move(next));
}

void PadDocument::setView(const PlotView& view)
{
    if (view == this->view()) return;
    if (view == PlotView::classic(state_.axisSize))
        view_.reset();
    else
        view_ = view;
    repaint();
    emit viewChanged();
}

void PadDocument::resetView()
{
    const bool changed = view_.has_value();
    view_.reset();
    repaint();
    if (changed) emit viewChanged();
}

void PadDocument::startHistoryHere()
{
    undo_.clear();
    redo_.clear();
    emit stateChanged();
}

bool PadDocument::undo()
{
    if (undo_.empty()) return false;
    redo_.push_back(state_);
    PadState previous = std::move(undo_.back());
    undo_.pop_back();
    restore(std::move(previous));
    emit restored();
    return true;
}

bool PadDocument::redo()
{
    if (redo_.empty()) return false;
    undo_.push_back(state_);
    PadState next = std::move(redo_.back());
    redo_.pop_back();
    restore(std::move(next));
    emit restored();
    return true;
}

void PadDocument::restore(PadState state)
{
    state_ = std::move(state);
    repaint();
    emit stateChanged();
}

void PadDocument::repaint()
{
    if (surface_) replay(*surface_);
}

void PadDocument::replay(Surface& target) const
{
    const KeptSurfaceState kept(target);
    if (target.backColour() != state_.background) target.setBackColour(state_.background);
    target.setPersistent(true);
    target.clear();
    target.setView(view());
    const Surface::Batch batch(target);
    for (const PadOperationPtr& op : state_.picture)
        paintOperation(target, *op);
}

} // namespace orvane
