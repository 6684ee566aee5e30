#include "model/SavePath.h"

#include <algorithm>
#include <cctype>

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

namespace {

bool EndsWithIgnoringCase(std::string_view text, std::string_view end) {
    if (end.size() > text.size()) return false;
    return std::equal(end.begin(), end.end(), text.end() - static_cast<std::ptrdiff_t>(end.size()), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    });
}

}  // namespace

std::optional<SaveChoice> SavePathForKinds(std::string_view chosen, const std::vector<std::string_view>& extensions,
                                           std::size_t preferred) {
    if (extensions.empty()) return std::nullopt;
    std::size_t kind = preferred < extensions.size() ? preferred : 0;
    const std::string_view name =
        chosen.substr(chosen.rfind('/') == std::string_view::npos ? 0 : chosen.rfind('/') + 1);
    for (std::size_t i = 0; i < extensions.size(); ++i) {
        if (name.size() > extensions[i].size() && EndsWithIgnoringCase(name, extensions[i])) {
            kind = i;
            break;
        }
    }
    auto path = SavePathWithExtension(chosen, extensions[kind]);
    if (!path) return std::nullopt;
    return SaveChoice{std::move(*path), kind};
}

}  // namespace isobra
