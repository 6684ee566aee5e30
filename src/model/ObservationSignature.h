#pragma once

#include <string>
#include <string_view>

namespace isobra {

// An observation file is known by its first bytes, the land title
// "各地の天気," in Shift-JIS, whatever its name: the rule of the file type
// the desktop learns (packaging/isobra-mime.xml).
bool HasObservationTitle(std::string_view head);

// Whether a regular file begins with that title. Pipes and devices are not
// read, and a file that cannot be read is not one.
bool StartsLikeObservationFile(const std::string& path);

}  // namespace isobra
