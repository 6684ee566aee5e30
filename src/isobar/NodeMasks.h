#pragma once

#include <array>
#include <cstdint>

#include "isobar/GridAccess.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace isobra {

// A set of nodes as one bit mask per row: bit ix of row iy for node
// (ix, iy). The passes find with a few shifts which nodes can change at all,
// and then work on those alone.
using NodeMasks = std::array<std::uint32_t, NodeTable::kSize>;

// Bits 0..maxX, the nodes of a row in use.
inline std::uint32_t UsedColumns(const GridBounds& b) { return b.maxX < 0 ? 0 : (std::uint32_t{2} << b.maxX) - 1; }

// Bits 1..maxX-1, the interior columns.
inline std::uint32_t InteriorColumns(const GridBounds& b) {
    return b.maxX < 2 ? 0 : ((std::uint32_t{1} << b.maxX) - 2);
}

// The nodes of row iy holding a value other than 0, and those above 0.
struct RowMasks {
    std::uint32_t nonZero = 0;
    std::uint32_t positive = 0;
};
inline RowMasks MasksOfRow(const std::int32_t* g, const GridBounds& b, int iy) {
    const std::int32_t* row = g + NodeIndex(0, iy);
    RowMasks m;
    int ix = 0;
#if defined(__SSE2__)
    // Four nodes a step; the row's last nodes one by one, so that nothing
    // past the table is read.
    const __m128i zero = _mm_setzero_si128();
    for (; ix + 4 <= b.maxX + 1; ix += 4) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + ix));
        const unsigned isZero = static_cast<unsigned>(_mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(v, zero))));
        const unsigned above = static_cast<unsigned>(_mm_movemask_ps(_mm_castsi128_ps(_mm_cmpgt_epi32(v, zero))));
        m.nonZero |= (~isZero & 0xfu) << ix;
        m.positive |= above << ix;
    }
#endif
    for (; ix <= b.maxX; ++ix) {
        m.nonZero |= static_cast<std::uint32_t>(row[ix] != 0) << ix;
        m.positive |= static_cast<std::uint32_t>(row[ix] > 0) << ix;
    }
    return m;
}

// Bit ix set where mask has a bit within 1..reach places above ix (ahead)
// or below it (behind).
inline std::uint32_t AnyAhead(std::uint32_t mask, int reach) {
    std::uint32_t out = 0;
    for (int j = 1; j <= reach; ++j) out |= mask >> j;
    return out;
}
inline std::uint32_t AnyBehind(std::uint32_t mask, int reach) {
    std::uint32_t out = 0;
    for (int j = 1; j <= reach; ++j) out |= mask << j;
    return out;
}

}  // namespace isobra
