#include "model/EntryList.h"

namespace isobra {

const std::string& EntryList::Row(int row) const {
    static const std::string kNone;
    return row >= 0 && row < RowCount() ? rows_[static_cast<std::size_t>(row)] : kNone;
}

void EntryList::WriteRow(int row, std::string text) {
    if (row >= RowCount())
        rows_.push_back(std::move(text));
    else
        rows_[static_cast<std::size_t>(row)] = std::move(text);
}

}  // namespace isobra
