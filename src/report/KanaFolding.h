#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace isobra {

// The code points of a UTF-8 text, or none when it is not valid UTF-8
// (overlong forms and surrogates included).
std::optional<std::vector<char32_t>> DecodeUtf8(std::string_view text);
std::string EncodeUtf8(const std::vector<char32_t>& codePoints);

// A text brought to the one form in which two spellings of the same words
// compare equal: full-width letters, digits and signs become ASCII,
// half-width katakana become full-width (with their voicing marks joined),
// katakana become hiragana, the minus sign U+2212 becomes "-", and every
// space (ASCII or ideographic) and tab is dropped. "ﾎﾟﾛﾅｲｽｸ", "ポロナイスク" and
// "ぽろないすく" all fold to "ぽろないすく"; "１０１２" to "1012". The text
// must be valid UTF-8.
std::string FoldForMatching(std::string_view utf8);

// Half-width katakana made full-width, voicing marks joined; nothing else
// changes. For speaking a name written in half-width katakana.
std::string WidenKatakana(std::string_view utf8);

}  // namespace isobra
