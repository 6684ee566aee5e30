#include "model/SavePath.h"

#include "model/FileAccess.h"

namespace isobra {

std::optional<std::string> SavePathWithExtension(std::string_view chosen, std::string_view extension) {
    const std::string name = FileNameOf(chosen);
    if (name.empty() || name.front() == '.') return std::nullopt;
    std::string out(chosen.substr(0, chosen.size() - name.size()));
    out += name.substr(0, name.find('.'));
    out += extension;
    return out;
}

std::optional<SaveChoice> SavePathForKinds(std::string_view chosen, const std::vector<std::string_view>& extensions,
                                           std::size_t preferred) {
    if (extensions.empty()) return std::nullopt;
    std::size_t kind = preferred < extensions.size() ? preferred : 0;
    const std::string name = FileNameOf(chosen);
    for (std::size_t i = 0; i < extensions.size(); ++i) {
        const std::string_view extension = extensions[i];
        if (name.size() > extension.size() &&
            SameNameCaseBlind(std::string_view(name).substr(name.size() - extension.size()), extension)) {
            kind = i;
            break;
        }
    }
    auto path = SavePathWithExtension(chosen, extensions[kind]);
    if (!path) return std::nullopt;
    return SaveChoice{std::move(*path), kind};
}

}  // namespace isobra
