#include "entry/AlignedRowDelegate.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>

namespace isobra {

namespace {

// One column of the table. Its width is counted in full-width characters
// (kanji, kana, U+3000) and digits of the list's font; `lead` digits of room
// stand before it. An open column is as wide as its text.
struct Column {
    Qt::Alignment alignment;
    int lead = 0;
    int fullWidth = 0;
    int digits = 0;
    bool open = false;
};

constexpr Qt::Alignment kText = Qt::AlignLeft;
constexpr Qt::Alignment kNumber = Qt::AlignRight;

// Sized for what the columns hold, not for their padding: the built-in
// station names have up to 4 kanji (a name read from a file may be wider than
// the 6 of its column; that row is then drawn as plain text), directions and
// weathers up to 3 kana or kanji, pressures 4 digits after the sign place,
// temperatures down to "-40". Text columns keep about one full-width
// character of room, numbers their sign place. At 12 pixels a full-width
// character the land table is 246 pixels wide, within the 270 or so the
// station list shows beside its scroll bar.
const std::vector<Column> kLandColumns = {
    {kText, 0, 6, 0},    // name
    {kText, 0, 4, 0},    // direction
    {kNumber, 0, 0, 3},  // force
    {kText, 1, 4, 0},    // weather
    {kNumber, 0, 0, 5},  // pressure
    {kNumber, 0, 0, 4},  // temperature
};

const std::vector<Column> kShipColumns = {
    {kNumber, 0, 0, 4},  // latitude
    {kNumber, 0, 0, 4},  // longitude
    {kText, 1, 4, 0},    // direction
    {kNumber, 0, 0, 3},  // force
    {kText, 1, 4, 0},    // weather
    {kNumber, 0, 0, 5},  // pressure
};

const std::vector<Column> kFisheryColumns = {
    {kNumber, 0, 0, 4},      // latitude
    {kNumber, 0, 0, 4},      // longitude
    {kNumber, 0, 0, 5},      // pressure
    {kText, 1, 0, 0, true},  // kind
};

const std::vector<Column>& ColumnsOf(RowKind kind) {
    switch (kind) {
        case RowKind::Land:
            return kLandColumns;
        case RowKind::Ship:
            return kShipColumns;
        case RowKind::Fishery:
            break;
    }
    return kFisheryColumns;
}

QStyle* StyleOf(const QStyleOptionViewItem& option) {
    return option.widget ? option.widget->style() : QApplication::style();
}

// The room the style leaves on either side of an item's text (the margin
// QCommonStyle draws item texts with), so that a table row starts where a
// plain row does.
int TextMargin(const QStyleOptionViewItem& option) {
    return StyleOf(option)->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option.widget) + 1;
}

}  // namespace

AlignedRowDelegate::AlignedRowDelegate(RowKind kind, QObject* parent) : QStyledItemDelegate(parent), kind_(kind) {}

std::optional<std::vector<AlignedRowDelegate::Cell>> AlignedRowDelegate::Cells(const QString& text,
                                                                               const QFontMetrics& metrics) const {
    const std::optional<QStringList> fields = SplitRowFields(kind_, text);
    const std::vector<Column>& columns = ColumnsOf(kind_);
    if (!fields || fields->size() != static_cast<qsizetype>(columns.size())) return std::nullopt;

    const int full = metrics.horizontalAdvance(QChar(0x3000));
    const int digit = metrics.horizontalAdvance(QLatin1Char('0'));
    std::vector<Cell> cells;
    int x = 0;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const Column& c = columns[i];
        const QString& field = fields->at(static_cast<qsizetype>(i));
        const int needed = metrics.horizontalAdvance(field);
        x += c.lead * digit;
        const int width = c.open ? needed : c.fullWidth * full + c.digits * digit;
        // Never cut a text: a row with a field too wide is drawn as it stands.
        if (needed > width) return std::nullopt;
        cells.push_back({x, width, c.alignment, field});
        x += width;
    }
    return cells;
}

void AlignedRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const std::optional<std::vector<Cell>> cells = Cells(opt.text, QFontMetrics(opt.font));
    if (!cells) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }

    QStyle* style = StyleOf(opt);
    const int margin = TextMargin(opt);
    const QRect textRect =
        style->subElementRect(QStyle::SE_ItemViewItemText, &opt, opt.widget).adjusted(margin, 0, -margin, 0);
    // The style draws the background, the selection and the focus frame; the
    // fields go on top in the colour it would give the text.
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
    if (const auto cells = Cells(opt.text, QFontMetrics(opt.font))) {
        const Cell& last = cells->back();
        size.setWidth(last.left + last.width + 2 * TextMargin(opt));
    }
    return size;
}

}  // namespace isobra
