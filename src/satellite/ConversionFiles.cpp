#include "satellite/ConversionFiles.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

namespace isobra {

namespace {

char FoldAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

std::string ConversionProgressCaption(int line) { return "あと" + std::to_string(line) + " ラインです"; }

std::string ConversionFailureText(const std::string& sourceName, const std::string& reason) {
    return "「" + sourceName + "」を変換できませんでした（" + reason + "）。ＢＭＰファイルは作っていません。";
}

std::string FileNameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool SameNameCaseBlind(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return FoldAscii(x) == FoldAscii(y); });
}

std::optional<std::string> FindCaseBlind(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    if (fs::exists(fs::symlink_status(path, error))) return path;

    const std::size_t slash = path.rfind('/');
    const std::string prefix = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string wanted = path.substr(prefix.size());
    if (wanted.empty()) return std::nullopt;

    std::vector<std::string> matches;
    fs::directory_iterator entries(prefix.empty() ? fs::path(".") : fs::path(prefix), error);
    for (const fs::directory_iterator end; !error && entries != end; entries.increment(error)) {
        std::string name = entries->path().filename().string();
        if (SameNameCaseBlind(name, wanted)) matches.push_back(std::move(name));
    }
    if (matches.empty()) return std::nullopt;
    return prefix + *std::min_element(matches.begin(), matches.end());
}

}  // namespace isobra
