#include "model/ContinuousDisplay.h"

#include "model/FieldFormat.h"
#include "model/TextFields.h"

namespace isobra {

void ContinuousDisplay::OpenAs(DisplayKind kind) {
    if (kind_ != kind) files_.clear();
    kind_ = kind;
}

int ContinuousDisplay::Register(int selected, std::string path) {
    if (selected >= 0 && selected + 1 < FileCount()) {
        files_[static_cast<std::size_t>(selected)] = std::move(path);
        return selected + 1;
    }
    files_.push_back(std::move(path));
    return FileCount() - 1;
}

int ContinuousDisplay::Append(const std::vector<std::string>& paths, int selected) {
    if (paths.empty()) return selected;
    files_.insert(files_.end(), paths.begin(), paths.end());
    return FileCount() - 1;
}

int ContinuousDisplay::Remove(int selected) {
    if (selected < 0 || selected >= FileCount()) return selected;
    files_.erase(files_.begin() + selected);
    return selected - 1;
}

std::string DisplayTimePrompt(float seconds) {
    return "表示する時間は" + ShortestDecimal(seconds) + "秒ごとです。\r\n何秒間隔で表示しますか？\r\n（0から10）";
}

std::optional<float> DisplayTimeFromAnswer(std::string_view answer) {
    const std::optional<double> number = LeadingNumberIfAny(NarrowNumberText(answer));
    if (!number) return std::nullopt;
    const auto seconds = static_cast<float>(*number);
    if (!(seconds >= 0.0f && seconds <= kMaxDisplaySeconds)) return std::nullopt;
    return seconds == 0.0f ? 0.0f : seconds;  // "-0" is 0, not minus zero
}

}  // namespace isobra
