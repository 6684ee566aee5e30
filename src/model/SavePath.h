#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace isobra {

inline constexpr std::string_view kObservationExtension = ".DAT";
inline constexpr std::string_view kIsobarExtension = ".CNT";

// The path a save writes for the chosen path: the file name is cut at its
// first "." and the extension appended ("obs" and "obs.txt" give "obs.DAT",
// "a.b.c" gives "a.DAT"). Dots in the folder part are left alone. A file
// name starting with "." (or no file name at all) gives nullopt: nothing is
// saved.
std::optional<std::string> SavePathWithExtension(std::string_view chosen, std::string_view extension);

// A save that offers several kinds of file, one extension each: the kind is
// the one whose extension ends the chosen name (ignoring case: "map.SVG" is
// the ".svg" kind), else `preferred` (the kind the user picked from the list,
// the first when none); the path is then made as above with that kind's
// extension ("chart.2024.svg" gives "chart.svg", "map" gives "map.png").
struct SaveChoice {
    std::string path;
    std::size_t kind = 0;
};
std::optional<SaveChoice> SavePathForKinds(std::string_view chosen, const std::vector<std::string_view>& extensions,
                                           std::size_t preferred);

}  // namespace isobra
