#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace isobra {

// What the file chooser leaves behind for its callers, kept for the whole run.
struct FileChooserState {
    std::string chosenPath;          // the last accepted file; unchanged on cancel
    std::int16_t cancelFlag = 0;     // set by the caller (0, or 1 in the delete loops); -1 after "ｷｬﾝｾﾙ"
    std::array<std::int16_t, 3> optionStates{-1, 0, 0};  // Option1..3: -1 selected, 0 not

    bool Cancelled() const { return cancelFlag == -1; }
};

}  // namespace isobra
