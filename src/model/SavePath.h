#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace isobra {

inline constexpr std::string_view kObservationExtension = ".DAT";
inline constexpr std::string_view kIsobarExtension = ".CNT";

// The path a save writes for the chosen path: the file name is cut at its
// first "." and the extension appended ("obs" and "obs.txt" give "obs.DAT",
// "a.b.c" gives "a.DAT"). Dots in the folder part are left alone. A file
// name starting with "." (or no file name at all) gives nullopt: nothing is
// saved.
std::optional<std::string> SavePathWithExtension(std::string_view chosen, std::string_view extension);

}  // namespace isobra
