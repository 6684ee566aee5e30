#include "satellite/ConversionFiles.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "model/FileAccess.h"
#include "model/FileIdentity.h"

namespace isobra {

std::string ConversionProgressCaption(int line) { return "あと" + std::to_string(line) + " ラインです"; }

std::string ConversionFailureText(const std::string& sourceName, const std::string& reason) {
    return "「" + sourceName + "」を変換できませんでした（" + reason + "）。ＢＭＰファイルは作っていません。";
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

Result<std::string> SaveConvertedImage(const std::string& wantedPath, const std::string& image,
                                       const std::vector<std::string>& sources) {
    const std::string output = FindCaseBlind(wantedPath).value_or(wantedPath);
    // "name.BMP" may be a link to a source, or a hard link of one.
    const FileIdentity written = FileIdentity::Of(output);
    for (const std::string& source : sources)
        if (FileIdentity::Of(source) == written)
            return Result<std::string>::Fail(SaveFailureText(FileNameOf(output), "変換元のファイルと同じファイルです"));
    // The picture can be converted again from its sources at any time, so
    // it is not flushed to the disk; it still never stands half-written.
    const Status saved =
        SaveFileAtomically(output, image, FileSystemCalls::System(), StagedFile::Durability::Unflushed);
    if (!saved) return Result<std::string>::Fail(SaveFailureText(FileNameOf(output), saved.message()));
    return output;
}

}  // namespace isobra
