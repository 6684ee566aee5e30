#include "entry/RowFields.h"

#include <QList>
#include <vector>

#include "model/EntryRows.h"

namespace isobra {

namespace {

// Text: left-aligned, spaces on the right. Number: right-aligned, spaces on
// the left. Space: the one space before the weather or the kind. Tail: the
// unpadded rest of the row.
enum class Fill { Text, Number, Space, Tail };

struct Piece {
    Fill fill;
    int width = 0;  // characters; Tail takes what is left
};

using Layout = std::vector<Piece>;

// The widths EntryRows.cpp pads to.
Layout LandLayout(int nameWidth) {
    return {{Fill::Text, nameWidth}, {Fill::Text, 6},   {Fill::Number, 3}, {Fill::Space, 1},
            {Fill::Text, 6},         {Fill::Number, 5}, {Fill::Number, 3}};
}

Layout ShipLayout() {
    return {{Fill::Number, 4}, {Fill::Number, 4}, {Fill::Text, 6},  {Fill::Number, 3},
            {Fill::Space, 1},  {Fill::Text, 6},   {Fill::Number, 5}};
}

Layout FisheryLayout(int longitudeWidth) {
    return {{Fill::Number, 4}, {Fill::Number, longitudeWidth}, {Fill::Number, 5}, {Fill::Space, 1}, {Fill::Tail}};
}

// In the order they are tried. A typed land row is 34 characters and a
// rebuilt one 32, so only a rebuilt row grown by exactly two characters could
// pass for a typed one. The space rules of Cut turn nearly all of those away;
// a rebuilt row with a 10-character name gets through and splits correctly.
std::vector<Layout> Layouts(RowKind kind) {
    switch (kind) {
        case RowKind::Land:
            return {LandLayout(kTypedNameWidth), LandLayout(kRebuiltNameWidth)};
        case RowKind::Ship:
            return {ShipLayout()};
        case RowKind::Fishery:
            return {FisheryLayout(kTypedLongitudeWidth), FisheryLayout(kRebuiltLongitudeWidth)};
    }
    return {};
}

// Counted in code points, as the rows are padded.
std::optional<QStringList> Cut(const QList<uint>& chars, const Layout& layout) {
    qsizetype fixed = 0;
    bool tail = false;
    for (const Piece& p : layout) {
        fixed += p.width;
        tail = tail || p.fill == Fill::Tail;
    }
    if (tail ? chars.size() < fixed : chars.size() != fixed) return std::nullopt;

    QStringList fields;
    qsizetype at = 0;
    for (const Piece& p : layout) {
        const qsizetype width = p.fill == Fill::Tail ? chars.size() - at : p.width;
        QString piece = QString::fromUcs4(reinterpret_cast<const char32_t*>(chars.constData() + at), width);
        at += width;
        switch (p.fill) {
            case Fill::Space:
                if (piece != QLatin1String(" ")) return std::nullopt;
                continue;
            case Fill::Tail:
                fields << piece;
                continue;
            case Fill::Text:
                while (piece.endsWith(u' ')) piece.chop(1);
                break;
            case Fill::Number:
                while (piece.startsWith(u' ')) piece.remove(0, 1);
                break;
        }
        // A space left inside means the piece runs across the padding of a
        // neighbour: the row is not in this layout.
        if (piece.contains(u' ')) return std::nullopt;
        fields << piece;
    }
    return fields;
}

}  // namespace

std::optional<QStringList> SplitRowFields(RowKind kind, const QString& row) {
    const QList<uint> chars = row.toUcs4();
    for (const Layout& layout : Layouts(kind)) {
        if (auto fields = Cut(chars, layout)) return fields;
    }
    return std::nullopt;
}

}  // namespace isobra
