#pragma once

#include <string>

namespace isobra {

// `raw` as a zlib stream (what PNG's IDAT and PDF's FlateDecode take), packed
// by libdeflate at its fastest level: about a third of zlib's time, and
// smaller. The compressor holds large tables: each thread makes one and
// keeps it.
std::string Deflate(const std::string& raw);

}  // namespace isobra
