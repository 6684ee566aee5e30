#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace isobra {

// What the show shows: isobar files or pictures. None until the window was
// first opened.
enum class DisplayKind : int { None = 0, Isobars = -1, Images = 1 };

inline constexpr float kMaxDisplaySeconds = 10.0f;

// The registered files of the show, in display order, with their kind and the
// time each one stays on screen. Texts are UTF-8. Which row is selected is
// the window's business: the operations take the selected row (-1 for none)
// and give back the row to select next.
class ContinuousDisplay {
public:
    DisplayKind kind() const { return kind_; }
    // The menu command of a kind: another kind than before empties the list;
    // the same kind keeps it.
    void OpenAs(DisplayKind kind);

    const std::vector<std::string>& Files() const { return files_; }
    int FileCount() const { return static_cast<int>(files_.size()); }

    // One file chosen by "表示ﾌｧｲﾙの登録": it replaces the selected entry when
    // another entry follows it and is appended otherwise (also when nothing
    // is selected); the entry after the selected one is selected next, or
    // the appended one.
    int Register(int selected, std::string path);
    // Files dragged onto the list: appended in the order given; the last of
    // them is selected next.
    int Append(const std::vector<std::string>& paths, int selected);
    // "削　除": removes the selected entry (files on disk are not touched) and
    // selects the one before it, none after the first. Nothing happens
    // without a selection.
    int Remove(int selected);

    // Seconds each file stays on screen, 0..10.
    float displayTime() const { return displayTime_; }
    void SetDisplayTime(float seconds) { displayTime_ = seconds; }

private:
    DisplayKind kind_ = DisplayKind::None;
    std::vector<std::string> files_;
    float displayTime_ = 1.0f;
};

// The three lines of the "時間設定" input box, joined by CR LF, naming the
// current time in its shortest decimal form ("1", "0.5", "2.3").
std::string DisplayTimePrompt(float seconds);

// An answer of the "時間設定" box read by the leading-number rule, full-width
// digits counting as digits ("3秒" is 3, "２．５" is 2.5): the display time
// when it lies in 0..10. Out of range, or without any leading number at all
// ("abc"), none.
std::optional<float> DisplayTimeFromAnswer(std::string_view answer);

}  // namespace isobra
