#include "render/RenderMessages.h"

namespace isobra {

std::string ToolMessage(const std::string& file, int line, const std::string& text) {
    std::string out = "isobra-render: ";
    if (!file.empty()) out += file + (line > 0 ? ":" + std::to_string(line) : std::string()) + ": ";
    return out + text;
}

}  // namespace isobra
