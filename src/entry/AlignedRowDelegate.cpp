#include "entry/AlignedRowDelegate.h"

#include <QApplication>
#include <QFontMetrics>
#include <QListWidgetItem>
#include <QPainter>
#include <QStyle>

#include "widgets/QtText.h"

namespace isobra {

namespace {

QStyle* StyleOf(const QStyleOptionViewItem& option) {
    return option.widget ? option.widget->style() : QApplication::style();
}

// The room the style leaves on either side of an item's text (the margin
// QCommonStyle draws item texts with), so that a table row starts where a
// plain row does.
int TextMargin(const QStyleOptionViewItem& option) {
    return StyleOf(option)->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option.widget) + 1;
}

RowCells RowOf(const QModelIndex& index) { return index.data(AlignedRowDelegate::kCellsRole).value<RowCells>(); }

}  // namespace

void AlignedRowDelegate::SetCells(QListWidgetItem* item, const RowCells& cells) {
    if (item->data(kCellsRole).value<RowCells>() != cells) item->setData(kCellsRole, QVariant::fromValue(cells));
}

std::optional<std::vector<AlignedRowDelegate::Cell>> AlignedRowDelegate::Cells(const RowCells& row,
                                                                               const QFontMetrics& metrics) {
    if (!LinesUpInColumns(row)) return std::nullopt;
    const int full = metrics.horizontalAdvance(QChar(0x3000));
    const int digit = metrics.horizontalAdvance(QLatin1Char('0'));
    std::vector<Cell> cells;
    int x = 0;
    bool afterNumber = false;
    for (const RowCell& c : row) {
        const QString text = ToQ(ColumnText(c));
        const int needed = metrics.horizontalAdvance(text);
        // A text keeps a digit's room from the number before it.
        if (!c.number && afterNumber) x += digit;
        const int width = c.holds == 0 ? needed : c.holds * (c.number ? digit : full);
        // Never cut a text: a row with a text too wide is drawn as it stands.
        if (needed > width) return std::nullopt;
        cells.push_back({x, width, c.number ? Qt::AlignRight : Qt::AlignLeft, text});
        x += width;
        afterNumber = c.number;
    }
    return cells;
}

void AlignedRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const std::optional<std::vector<Cell>> cells = Cells(RowOf(index), QFontMetrics(opt.font));
    if (!cells) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }

    QStyle* style = StyleOf(opt);
    const int margin = TextMargin(opt);
    const QRect textRect =
        style->subElementRect(QStyle::SE_ItemViewItemText, &opt, opt.widget).adjusted(margin, 0, -margin, 0);
    // The style draws the background, the selection and the focus frame; the
    // columns go on top in the colour it would give the text.
    opt.text.clear();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);

    QPalette::ColorGroup group = (opt.state & QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;
    if (group == QPalette::Normal && !(opt.state & QStyle::State_Active)) group = QPalette::Inactive;
    const bool selected = opt.state & QStyle::State_Selected;

    painter->save();
    painter->setFont(opt.font);
    painter->setPen(opt.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    for (const Cell& cell : *cells) {
        const QRect where(textRect.left() + cell.left, textRect.top(), cell.width, textRect.height());
        painter->drawText(where, cell.alignment | Qt::AlignVCenter | Qt::TextSingleLine, cell.text);
    }
    painter->restore();
}

QSize AlignedRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    if (const auto cells = Cells(RowOf(index), QFontMetrics(opt.font))) {
        const Cell& last = cells->back();
        size.setWidth(last.left + last.width + 2 * TextMargin(opt));
    }
    return size;
}

}  // namespace isobra
