#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

#include "model/PressureGrid.h"

namespace isobra {

// One node's value before and after an edit, in grid units.
struct NodeChange {
    std::int16_t ix = 0, iy = 0;
    std::int32_t before = 0, after = 0;

    bool operator==(const NodeChange&) const = default;
};

// One step the user can undo: a raise or lower of one node, or a smoothing
// of the whole grid (every node it changed).
struct GridEdit {
    enum class Kind { Node, Smoothing };
    Kind kind = Kind::Node;
    std::vector<NodeChange> changes;
};

// The undo and redo history of the hand corrections. It holds only the
// changed nodes, so undoing a step puts back exactly what that step changed
// and nothing else. Whatever replaces or resets the grid must call Clear():
// the history describes one grid only.
class GridHistory {
public:
    static constexpr std::size_t kMaxSteps = 100;

    // A new step; the oldest goes once kMaxSteps are kept, and what was
    // undone can no longer be redone. Nodes the edit left as they were are
    // dropped from it; an edit that changed nothing is not kept.
    void Record(GridEdit edit);
    bool CanUndo() const { return !done_.empty(); }
    bool CanRedo() const { return !undone_.empty(); }
    std::size_t UndoCount() const { return done_.size(); }

    // Puts back the values before the last step (after the last undone step)
    // and returns that step, or null when there is none.
    const GridEdit* Undo(PressureGrid& grid);
    const GridEdit* Redo(PressureGrid& grid);

    // Forgets every step: the grid was replaced or reset.
    void Clear();

    // Called after every change of what can be undone or redone, so that
    // buttons follow it.
    void SetListener(std::function<void()> listener) { listener_ = std::move(listener); }
    // Called by every Clear(), with or without steps to forget: the grid was
    // replaced, so what was read from the old one is out of date.
    void SetClearListener(std::function<void()> listener) { clearListener_ = std::move(listener); }

private:
    // Takes the last step of `from` onto `to` and applies it backwards
    // (undo) or forwards.
    const GridEdit* Move(std::deque<GridEdit>& from, std::deque<GridEdit>& to, PressureGrid& grid, bool undo);
    void Notify() const;

    std::deque<GridEdit> done_;
    std::deque<GridEdit> undone_;
    std::function<void()> listener_;
    std::function<void()> clearListener_;
};

}  // namespace isobra
