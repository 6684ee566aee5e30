#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/Result.h"

namespace isobra {

class MapRenderer;
struct OutputRequest;

// One kind of file the tool writes for an input. A new kind is one entry in
// OutputKinds(): the options, --help and the names under --out-dir follow.
struct OutputKind {
    std::string_view option;     // "--png"
    std::string_view extension;  // ".png", also the file name's end under --out-dir
    std::string_view help;
    bool fromIsobarFile;  // may be made when the input is a saved isobar file
    bool picture;         // a picture of the map (a background picture goes under it)
    bool fromGrid;        // made from the pressure grid, which is built only for such kinds
    // The file's bytes for the input the renderer has loaded.
    Result<std::string> (*make)(MapRenderer& renderer);
};

// In the order the files are made and written.
const std::vector<OutputKind>& OutputKinds();
const OutputKind* FindOutputKind(std::string_view option);

// Whether any of the outputs needs the pressure grid.
bool NeedsGrid(const std::vector<OutputRequest>& outputs);

}  // namespace isobra
