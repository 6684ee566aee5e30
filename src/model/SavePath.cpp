#include "model/SavePath.h"

namespace isobra {

std::optional<std::string> SavePathWithExtension(std::string_view chosen, std::string_view extension) {
    const std::size_t slash = chosen.rfind('/');
    const std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
    const std::string_view name = chosen.substr(nameStart);
    if (name.empty() || name.front() == '.') return std::nullopt;
    const std::size_t dot = name.find('.');
    std::string out(chosen.substr(0, nameStart));
    out += name.substr(0, dot);
    out += extension;
    return out;
}

}  // namespace isobra
