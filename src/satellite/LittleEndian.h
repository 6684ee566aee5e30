#pragma once

#include <bit>
#include <cstddef>
#include <cstring>

namespace isobra {

// Stores an unsigned number as its sizeof bytes, the lowest first, whatever
// the machine's own byte order.
template <typename Unsigned, typename Byte>
void StoreLittleEndian(Unsigned value, Byte* bytes) {
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(bytes, &value, sizeof value);
    } else {
        for (std::size_t k = 0; k < sizeof value; ++k) bytes[k] = static_cast<Byte>(value >> (8 * k));
    }
}

}  // namespace isobra
