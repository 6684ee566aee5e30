#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace isobra {

// The three entry lists, whose rows model/EntryRows.h builds.
enum class RowKind { Land, Ship, Fishery };

// The fields of an entry-list row, without the spaces that pad them:
//   land:    name, direction, force, weather, pressure, temperature
//   ship:    latitude, longitude, direction, force, weather, pressure
//   fishery: latitude, longitude, pressure, kind
// Each layout the rows are written in is tried: the land name padded to 10
// (typed) or 8 (rebuilt), the fishery longitude to 4 (typed, markers) or 5
// (rebuilt). A row that fits none of them gives nullopt and is shown as it
// stands: a bare station name, a value wider than its column (the row has
// grown past every layout), a field with an ASCII space inside.
std::optional<QStringList> SplitRowFields(RowKind kind, const QString& row);

}  // namespace isobra
