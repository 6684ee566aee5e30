#pragma once

#include <array>
#include <string>

namespace isobra {

// What the file chooser leaves behind for its callers, kept for the whole run.
struct FileChooserState {
    std::string chosenPath;  // the last accepted file; unchanged on cancel
    bool cancelled = false;  // cleared by the caller before showing; set by "ｷｬﾝｾﾙ", Escape or the close box
    // The three image-source options ("bmpﾌｧｲﾙ", "べたﾌｧｲﾙ", "ｳｪｻﾞｰｾﾝｻ") as
    // they stood when the chooser last closed.
    std::array<bool, 3> options{true, false, false};
    // Where a request offered several patterns: the one picked when the
    // chooser closed, counted from 0.
    int chosenPattern = 0;

    // 0..2: the option that was selected.
    int SelectedOption() const {
        for (int i = 0; i < 3; ++i)
            if (options[static_cast<std::size_t>(i)]) return i;
        return 0;
    }
};

}  // namespace isobra
