#include "widgets/Deflate.h"

#include <libdeflate.h>

#include <memory>
#include <new>

namespace isobra {

std::string Deflate(const std::string& raw) {
    struct Free {
        void operator()(libdeflate_compressor* c) const { libdeflate_free_compressor(c); }
    };
    thread_local const std::unique_ptr<libdeflate_compressor, Free> compressor(libdeflate_alloc_compressor(1));
    if (!compressor) throw std::bad_alloc();
    std::string out(libdeflate_zlib_compress_bound(compressor.get(), raw.size()), '\0');
    out.resize(libdeflate_zlib_compress(compressor.get(), raw.data(), raw.size(), out.data(), out.size()));
    return out;
}

}  // namespace isobra
