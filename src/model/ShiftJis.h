#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace isobra {

// Conversion between the program's UTF-8 texts and the Japanese Windows
// code page (CP932, Shift-JIS with the Windows extensions) of its files.

// Whether this system can convert to and from CP932 at all: iconv may lack
// the code page, and then every conversion below fails. Readers and writers
// ask this when a conversion fails, to say what is really wrong.
bool ShiftJisAvailable();
// Why, as a reason phrase: "「a.DAT」を保存できませんでした（…）。"
inline constexpr std::string_view kNoShiftJis = "このシステムにはShift-JISの文字コード変換がありません";

// Tests name a code page iconv does not know, to see what a system without
// CP932 does; "" goes back to CP932.
void UseCodePageForTests(const std::string& name);

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
