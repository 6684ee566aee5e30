#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace isobra {

// Conversion between the program's UTF-8 texts and the Japanese Windows
// code page (CP932, Shift-JIS with the Windows extensions) of its files.

// nullopt when the text holds a character CP932 cannot write (or is not
// valid UTF-8).
std::optional<std::string> ToShiftJis(std::string_view utf8);

// nullopt when the bytes are not valid CP932; *errorOffset then tells where
// the first bad byte sits.
std::optional<std::string> FromShiftJis(std::string_view bytes, std::size_t* errorOffset = nullptr);

// Characters (code points) of a UTF-8 text: the unit file columns are
// counted in, so "ﾎﾟﾛﾅｲｽｸ" and "石垣島" count 7 and 3.
int CharacterCount(std::string_view utf8);

}  // namespace isobra
