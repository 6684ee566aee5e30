#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/EntryRows.h"

namespace isobra {

// Shown when a 102nd ship or fishery row is entered.
inline constexpr std::string_view kFullListMessage =
    "これ以上は入力できません（入力できるのは101件までです）。入力済みのデータはそのまま残っています。";

// The rows of one entry list as its window shows them. Row k shows slot k of
// its table. Which row is selected is the window's business: the operations
// of the lists take the selected row (-1 for none) and give back the row to
// select next.
class EntryList {
public:
    virtual int RowCount() const = 0;
    // The row's columns; none outside the list.
    virtual RowCells Cells(int row) const = 0;
    // The row's text; "" outside the list.
    std::string Text(int row) const { return RowText(Cells(row)); }

protected:
    ~EntryList() = default;
};

// An entry list of rows of one kind (EntryRows.h).
template <class Row>
class RowList : public EntryList {
public:
    int RowCount() const override { return static_cast<int>(rows_.size()); }
    RowCells Cells(int row) const override {
        return row >= 0 && row < RowCount() ? CellsOf(rows_[static_cast<std::size_t>(row)]) : RowCells{};
    }
    const std::vector<Row>& Rows() const { return rows_; }

protected:
    // Replaces the row, or appends it when row == RowCount().
    void WriteRow(int row, Row written) {
        if (row >= RowCount())
            rows_.push_back(std::move(written));
        else
            rows_[static_cast<std::size_t>(row)] = std::move(written);
    }

    std::vector<Row> rows_;
};

}  // namespace isobra
