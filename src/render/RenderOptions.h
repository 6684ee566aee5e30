#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "canvas/RgbImage.h"
#include "report/ReadingPace.h"

namespace isobra {

struct OutputKind;

// One file to write for every input: its kind and, when one map is made,
// the path given for it (with --out-dir the path comes from the input's name).
struct OutputRequest {
    const OutputKind* kind = nullptr;
    std::string path;
};

// Everything the command line asks for. Paths are kept as the system gave
// them, bytes that need not be UTF-8.
struct RenderOptions {
    std::vector<std::string> inputs;
    bool inputsAreIsobarFiles = false;   // --isobars: draw saved grids instead of building them
    bool inputsAreScripts = false;       // --from-script: the observations read from a report's script
    std::string outDir;                  // --out-dir: many maps, DIR/NAME plus each kind's extension
    std::vector<OutputRequest> outputs;  // in the order of OutputKinds()
    double intervalHpa = 2.0;
    std::vector<std::string> layers{"map", "isobars"};
    bool labels = false;                                // --labels: values on the isobars, central pressures
    int jobs = 0;                                       // threads; 0 is one per core
    std::string background;                             // --background IMG: the picture under every map
    std::shared_ptr<const RgbImage> backgroundPicture;  // read from it before the maps are made
    std::string convert;                                // --convert SRC: only this conversion
    std::optional<ReadingPace> pace;                    // --pace: of the spoken report (--wav)

    bool ManyMaps() const { return !outDir.empty(); }
};

struct CommandLine {
    enum class Action { Render, Convert, Help, WrongUse };
    Action action = Action::Render;
    RenderOptions options;
    std::string problem;  // what is wrong, for WrongUse
};

// Reads the tool's arguments (without the program's name). An argument "--"
// ends the options: every argument after it is an input, even one that
// begins with "-".
CommandLine ParseCommandLine(const std::vector<std::string>& args);

// The text of --help, made from the tables of options, outputs and layers.
std::string UsageText();

}  // namespace isobra
