#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace isobra {

// Shown when a 102nd ship or fishery row is entered.
inline constexpr std::string_view kFullListMessage =
    "これ以上は入力できません（入力できるのは101件までです）。入力済みのデータはそのまま残っています。";

// The rows of one entry list as its window shows them, texts in UTF-8. Row k
// shows slot k of its table. Which row is selected is the window's business:
// the operations of the lists take the selected row (-1 for none) and give
// back the row to select next.
class EntryList {
public:
    int RowCount() const { return static_cast<int>(rows_.size()); }
    const std::vector<std::string>& Rows() const { return rows_; }
    // The row's text, "" outside the list.
    const std::string& Row(int row) const;

protected:
    void WriteRow(int row, std::string text);  // replaces the row, or appends it when row == RowCount()

    std::vector<std::string> rows_;
};

}  // namespace isobra
