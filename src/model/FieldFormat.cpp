#include "model/FieldFormat.h"

#include <charconv>

#include "model/ShiftJis.h"

namespace isobra {

std::string PadRight(std::string_view text, int width) {
    std::string out(text);
    const int missing = width - CharacterCount(text);
    if (missing > 0) out.append(static_cast<std::size_t>(missing), ' ');
    return out;
}

std::string PadLeft(std::string_view text, int width) {
    const int missing = width - CharacterCount(text);
    std::string out;
    if (missing > 0) out.assign(static_cast<std::size_t>(missing), ' ');
    out += text;
    return out;
}

std::string SignedNumber(std::int64_t value) { return value < 0 ? std::to_string(value) : " " + std::to_string(value); }

namespace {

template <class Number>
std::string ShortestFixed(Number value) {
    // 309 digits before the point and 17 after are the most a double needs.
    char text[400];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    if (ec != std::errc()) return {};
    return std::string(text, end);
}

}  // namespace

std::string ShortestDecimal(double value) { return ShortestFixed(value); }

std::string ShortestDecimal(float value) { return ShortestFixed(value); }

std::string FieldNumber(std::int64_t value, int width) { return PadLeft(SignedNumber(value), width); }

}  // namespace isobra
