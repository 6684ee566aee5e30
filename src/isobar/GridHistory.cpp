#include "isobar/GridHistory.h"

namespace isobra {

namespace {

// Sets each changed node to its value before (undo) or after (redo) the edit;
// the nodes go back in the reverse order so that a node listed twice ends at
// its first value.
void Apply(const GridEdit& edit, PressureGrid& grid, bool undo) {
    if (undo) {
        for (auto it = edit.changes.rbegin(); it != edit.changes.rend(); ++it) grid.at(it->ix, it->iy) = it->before;
    } else {
        for (const NodeChange& c : edit.changes) grid.at(c.ix, c.iy) = c.after;
    }
}

}  // namespace

void GridHistory::Record(GridEdit edit) {
    std::erase_if(edit.changes, [](const NodeChange& c) { return c.before == c.after; });
    if (edit.changes.empty()) return;
    done_.push_back(std::move(edit));
    if (done_.size() > kMaxSteps) done_.pop_front();
    undone_.clear();
    Notify();
}

const GridEdit* GridHistory::Undo(PressureGrid& grid) { return Move(done_, undone_, grid, true); }

const GridEdit* GridHistory::Redo(PressureGrid& grid) { return Move(undone_, done_, grid, false); }

const GridEdit* GridHistory::Move(std::deque<GridEdit>& from, std::deque<GridEdit>& to, PressureGrid& grid, bool undo) {
    if (from.empty()) return nullptr;
    to.push_back(std::move(from.back()));
    from.pop_back();
    Apply(to.back(), grid, undo);
    Notify();
    return &to.back();
}

void GridHistory::Clear() {
    const bool had = CanUndo() || CanRedo();
    done_.clear();
    undone_.clear();
    if (had) Notify();
    if (clearListener_) clearListener_();
}

void GridHistory::Notify() const {
    if (listener_) listener_();
}

}  // namespace isobra
