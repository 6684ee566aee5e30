#pragma once

#include <QMetaType>
#include <QStyledItemDelegate>
#include <optional>
#include <vector>

#include "model/EntryRows.h"

class QFontMetrics;
class QListWidgetItem;

Q_DECLARE_METATYPE(isobra::RowCells)

namespace isobra {

// Draws the rows of an entry list as a table. The rows' texts are padded by
// character count, but in the list's font a kanji or kana is twice as wide as
// a digit or a half-width katakana, so drawn as they stand the columns drift
// with every name. Here each column of the row (the cells its item carries,
// CellsOf in EntryRows.h) goes into a column of fixed pixel width: texts
// left-aligned, numbers right-aligned, each as wide as the cell holds. A row
// the core does not line up in columns (LinesUpInColumns), or with a text too
// wide for its pixel column, is drawn as plain text in full, as the list
// would draw it.
//
// Only the drawing changes: the items keep their texts, and selection, focus
// and keys stay the list's.
class AlignedRowDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    // The item data role that holds the row's cells.
    static constexpr int kCellsRole = Qt::UserRole;
    // Gives the item the cells of its row; changed cells redraw it.
    static void SetCells(QListWidgetItem* item, const RowCells& cells);

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // Where each column of a row is drawn, as left edge and width in pixels
    // from the start of the row's text, or nullopt when the row is drawn as
    // plain text.
    struct Cell {
        int left = 0;
        int width = 0;
        Qt::Alignment alignment;
        QString text;
    };
    static std::optional<std::vector<Cell>> Cells(const RowCells& row, const QFontMetrics& metrics);
};

}  // namespace isobra
