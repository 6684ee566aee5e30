#pragma once

// What the fuzz targets share: reading the input as a file of the program,
// drawing the way the window draws (without texts), a folder of the run's
// own for the targets that go through real files, and failing loudly when
// an invariant breaks, so that libFuzzer keeps the input.

#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>

#include "canvas/PixelCanvas.h"
#include "state/AppState.h"
#include "state/IsobarLayer.h"
#include "state/MapLayers.h"

namespace isobra::fuzz {

inline std::string_view Bytes(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Stops the run with the broken invariant; libFuzzer saves the input.
inline void Require(bool holds, const char* what, const std::string& detail = {}) {
    if (holds) return;
    std::fprintf(stderr, "invariant broken: %s\n%s\n", what, detail.c_str());
    std::abort();
}

// `size` bytes of `pattern` over and over (zeros when it is empty) into
// `out`, copied in doubling blocks: a byte at a time would cost more than
// what is fuzzed. `out` keeps its room from input to input, so a large one
// is not mapped afresh each time.
inline void RepeatInto(std::string& out, std::string_view pattern, std::size_t size) {
    out.resize(size);
    if (pattern.empty()) {
        std::memset(out.data(), 0, size);
        return;
    }
    std::size_t filled = std::min(pattern.size(), size);
    std::memcpy(out.data(), pattern.data(), filled);
    while (filled < size) {
        const std::size_t more = std::min(filled, size - filled);
        std::memcpy(out.data() + filled, out.data(), more);
        filled += more;
    }
}

inline std::string Repeat(std::string_view pattern, std::size_t size) {
    std::string out;
    RepeatInto(out, pattern, size);
    return out;
}

// Every layer that reads the observations or the pressure field, drawn once
// into a canvas kept from input to input (a fresh one would cost more than
// the drawing). The values on the isobars have a target of their own,
// LabelledMapFuzz.
inline void DrawEverything(const AppState& state) {
    static PixelCanvas canvas;
    DrawIsobarLayer(canvas, state);
    DrawSymbolLayer(canvas, state);
    DrawWindLayer(canvas, state);
    DrawFrontLayer(canvas, state);
}

// A folder of the run's own, in memory where the system offers it, removed
// when the run ends.
class RunFolder {
public:
    explicit RunFolder(const char* tag) {
        namespace fs = std::filesystem;
        const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::string pattern = (base / (std::string("isobra-") + tag + "-XXXXXX")).string();
        if (!::mkdtemp(pattern.data())) std::abort();
        path_ = pattern;
    }
    ~RunFolder() {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }
    RunFolder(const RunFolder&) = delete;
    RunFolder& operator=(const RunFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string PathOf(const std::string& name) const { return path_ + "/" + name; }
    // Everything in it goes.
    void Empty() const {
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(path_, error))
            std::filesystem::remove_all(entry.path(), error);
    }
    // Whether a temporary file of a save is still lying there.
    bool HoldsTemporaryFiles() const {
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(path_, error))
            if (entry.path().filename().string().starts_with(".isobra-")) return true;
        return false;
    }

private:
    std::string path_;
};

// Writes a file whole, or leaves it when it cannot.
inline void WriteFile(const std::string& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return;
    (void)!::write(fd, bytes.data(), bytes.size());
    ::close(fd);
}

}  // namespace isobra::fuzz
