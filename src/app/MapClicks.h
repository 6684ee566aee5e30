#pragma once

#include <Qt>
#include <functional>

#include "state/MouseMode.h"

namespace isobra {

// Where a press on the map goes by the mouse mode: to the correction ("+",
// "-", "?"), to the cross-section ("V", "H"), or nowhere.
class MapClicks {
public:
    // A press at canvas pixels (x, y), which may be fractional.
    using Handler = std::function<void(Qt::MouseButton, Qt::KeyboardModifiers, float x, float y)>;

    explicit MapClicks(const MouseMode& mode) : mode_(mode) {}

    void SetCorrectionHandler(Handler h) { correction_ = std::move(h); }
    void SetCrossSectionHandler(Handler h) { crossSection_ = std::move(h); }

    void Press(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, float x, float y) const {
        if (IsCorrectionMode(mode_)) {
            if (correction_) correction_(button, modifiers, x, y);
        } else if (IsCrossSectionMode(mode_)) {
            if (crossSection_) crossSection_(button, modifiers, x, y);
        }
        // No mode: a press does nothing.
    }

private:
    const MouseMode& mode_;
    Handler correction_;
    Handler crossSection_;
};

}  // namespace isobra
