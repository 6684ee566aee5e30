#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace isobra {

// Column helpers of the text files. Widths count characters, not bytes; a
// text already as wide as its field, or wider, is kept whole.
std::string PadRight(std::string_view text, int width);  // left-aligned
std::string PadLeft(std::string_view text, int width);   // right-aligned

// A number with its sign position: " 3" for 3, "-5" for minus five.
std::string SignedNumber(std::int64_t value);

// The shortest decimal text that reads back as the same double, without an
// exponent: 1012.5, 1012, 0.5, -3.25.
std::string ShortestDecimal(double value);
// The same for a float: 0.1f is "0.1", not the double it widens to.
std::string ShortestDecimal(float value);

// SignedNumber right-aligned in a field of `width` characters.
std::string FieldNumber(std::int64_t value, int width);

}  // namespace isobra
