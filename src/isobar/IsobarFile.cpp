#include "isobar/IsobarFile.h"

#include <algorithm>

#include "model/FieldFormat.h"
#include "model/FileAccess.h"
#include "model/PlotKinds.h"
#include "model/ShiftJis.h"
#include "model/TextFields.h"

namespace isobra {

namespace {

// Grid values and item positions alike.
constexpr std::int64_t kValueLimit = kGridValueLimit;

std::string NumberField(std::int64_t v) { return SignedNumber(v) + " "; }

bool Readable(std::int64_t v) { return v >= -kValueLimit && v <= kValueLimit; }

// Why a value cannot be saved: the reader would refuse it.
std::string OutOfRange(const std::string& what, std::int64_t v) {
    return what + "（" + std::to_string(v) + "）が等圧線データに書ける範囲（±" + std::to_string(kValueLimit) +
           "）を超えています";
}

}  // namespace

std::vector<IsobarFileItem> IsobarFileItems(const PlotTable& table) {
    std::vector<IsobarFileItem> items;
    for (int k = table.FirstFisherySlot(); k <= table.LastSlot(); ++k) {
        const PlotSlot& p = table.slot(k);
        if (IsCentreKind(p.kind) || IsFrontKind(p.kind)) items.push_back({p.kind, p.x, p.y});
    }
    return items;
}

Result<std::string> WriteIsobarFile(const PressureField& field) {
    if (!ShiftJisAvailable()) return Result<std::string>::Fail(std::string(kNoShiftJis));
    const GridSettings& s = field.grid;
    std::string text;
    for (int iy = 0; iy <= s.gridMaxY; ++iy) {
        for (int ix = 0; ix <= s.gridMaxX; ++ix) {
            const std::int32_t v = field.pressureGrid.at(ix, iy);
            if (!Readable(v))
                return Result<std::string>::Fail(
                    OutOfRange("格子点（" + std::to_string(ix) + ", " + std::to_string(iy) + "）の気圧", v));
            text += NumberField(v);
            text += ix < s.gridMaxX ? "," : "\r\n";
        }
    }
    const std::vector<IsobarFileItem> items = IsobarFileItems(field.plotTable);
    text += NumberField(static_cast<std::int64_t>(items.size())) + "\r\n";
    std::string bytes = text;  // digits, spaces, commas and line ends: the same in CP932
    for (const IsobarFileItem& item : items) {
        const std::optional<std::string> kind = ToShiftJis(item.kind);
        if (!kind || item.kind.find_first_of(",\r\n") != std::string::npos)
            return Result<std::string>::Fail("種類「" + item.kind +
                                             "」にShift-JISで書けない文字かコンマか改行があります");
        if (!Readable(item.x) || !Readable(item.y))
            return Result<std::string>::Fail(OutOfRange(item.kind + "の位置", Readable(item.x) ? item.y : item.x));
        bytes += *kind + "," + NumberField(item.x) + "," + NumberField(item.y) + "\r\n";
    }
    if (bytes.size() > kLargestDataFile) return Result<std::string>::Fail(std::string(kTooLargeToReadBack));
    return bytes;
}

Result<IsobarFileData> ParseIsobarFile(std::string_view bytes, const GridSettings& s, int stationCount) {
    if (stationCount < 0 || stationCount > kSlotCount - 1)
        return Result<IsobarFileData>::Fail("地点が" + std::to_string(stationCount) +
                                            "か所あり、等圧線データの高気圧・低気圧・前線を置く場所がありません。");
    const Result<TextFields> split = SplitFields(bytes);
    if (!split) return split.failure();
    FieldCursor in(*split);
    IsobarFileData data;
    for (int iy = 0; iy <= s.gridMaxY && !in.failed(); ++iy) {
        for (int ix = 0; ix <= s.gridMaxX && !in.failed(); ++ix) {
            auto what = [ix, iy] { return "格子点（" + std::to_string(ix) + ", " + std::to_string(iy) + "）の気圧"; };
            data.grid.push_back(in.Number(what, kValueLimit).value_or(0));
        }
    }
    const int count = in.Count("高気圧・低気圧・前線の数", kSlotCount - 1 - stationCount).value_or(0);
    for (int k = 0; k < count && !in.failed(); ++k) {
        auto of = [k](const char* what) { return [k, what] { return std::to_string(k + 1) + "件目の" + what; }; };
        IsobarFileItem item;
        item.kind = in.Text(of("種類")).value_or("");
        item.x = in.Number(of("x座標"), kValueLimit).value_or(0);
        item.y = in.Number(of("y座標"), kValueLimit).value_or(0);
        data.items.push_back(std::move(item));
    }
    if (Status done = in.Finish(); !done) return done.failure();
    return data;
}

Status ApplyIsobarFile(const IsobarFileData& data, int stationCount, PressureField& field) {
    const GridSettings& s = field.grid;
    const int n = stationCount;
    const int f = static_cast<int>(data.items.size());
    const std::size_t nodes = static_cast<std::size_t>(s.gridMaxX + 1) * static_cast<std::size_t>(s.gridMaxY + 1);
    if (data.grid.size() != nodes || n < 0 || n + f > kSlotCount - 1)
        return Status::Fail("等圧線データが地図の格子に合いません。");
    std::size_t at = 0;
    for (int iy = 0; iy <= s.gridMaxY; ++iy)
        for (int ix = 0; ix <= s.gridMaxX; ++ix) field.pressureGrid.at(ix, iy) = data.grid.at(at++);

    PlotTable& table = field.plotTable;
    for (int k = 0; k < f; ++k) {
        PlotSlot& slot = table.slot(n + 1 + k);
        const IsobarFileItem& item = data.items[static_cast<std::size_t>(k)];
        slot.kind = item.kind;
        slot.x = item.x;
        slot.y = item.y;
        slot.pressure = 0;  // the file keeps no pressures: whatever the slot held belongs to another item
    }
    table.stationCount = n;
    table.shipCount = 0;
    table.fisheryCount = f;
    table.lastPlotIndex = n + f;
    return {};
}

}  // namespace isobra
