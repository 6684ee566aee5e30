#pragma once

#include <QStyledItemDelegate>
#include <optional>
#include <vector>

#include "entry/RowFields.h"

class QFontMetrics;

namespace isobra {

// Draws the rows of an entry list as a table. The rows are padded by
// character count, but in the list's font a kanji or kana is twice as wide as
// a digit or a half-width katakana, so drawn as they stand the columns drift
// with every name. Here each field of the row (RowFields.h) goes into a column
// of fixed pixel width: texts left-aligned in columns measured in full-width
// characters, numbers right-aligned in columns measured in digits. A row that
// does not split, or has a field too wide for its column, is drawn as plain
// text in full, as the list would draw it.
//
// Only the drawing changes: the items keep their texts, and selection, focus
// and keys stay the list's.
class AlignedRowDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit AlignedRowDelegate(RowKind kind, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // Where each field of `text` is drawn, as left edge and width in pixels
    // from the start of the row's text, or nullopt when the row is drawn as
    // plain text.
    struct Cell {
        int left = 0;
        int width = 0;
        Qt::Alignment alignment;
        QString text;
    };
    std::optional<std::vector<Cell>> Cells(const QString& text, const QFontMetrics& metrics) const;

private:
    RowKind kind_;
};

}  // namespace isobra
