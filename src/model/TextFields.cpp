#include "model/TextFields.h"

#include <charconv>
#include <cmath>

#include "model/Rounding.h"
#include "model/ShiftJis.h"

namespace isobra {

namespace {

std::string_view TrimSpaces(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A field as quoted in a message: at most 20 characters.
std::string Quoted(std::string_view text) {
    std::size_t bytes = 0;
    int chars = 0;
    while (bytes < text.size() && chars < 20) {
        ++bytes;
        while (bytes < text.size() && (static_cast<unsigned char>(text[bytes]) & 0xC0) == 0x80) ++bytes;
        ++chars;
    }
    return "（" + std::string(text.substr(0, bytes)) + (bytes < text.size() ? "…）" : "）");
}

// 1-based line of a byte offset, counting CR LF, LF and lone CR as line ends.
int LineOf(std::string_view bytes, std::size_t offset) {
    int line = 1;
    for (std::size_t i = 0; i < offset && i < bytes.size(); ++i) {
        const bool lineEnd = bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n'));
        if (lineEnd) ++line;
    }
    return line;
}

void SplitLine(std::string_view line, int number, std::vector<TextField>& out) {
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = line.find(',', start);
        const std::string_view field = line.substr(start, comma == std::string_view::npos ? line.npos : comma - start);
        out.push_back(TextField{std::string(TrimSpaces(field)), number});
        if (comma == std::string_view::npos) return;
        start = comma + 1;
    }
}

}  // namespace

Result<TextFields> SplitFields(std::string_view bytes) {
    // CP932 trail bytes never take the values of comma, CR or LF, so the
    // decoded text splits exactly where the bytes do.
    std::size_t bad = 0;
    const std::optional<std::string> text = FromShiftJis(bytes, &bad);
    if (!text && !ShiftJisAvailable()) return Result<TextFields>::Fail(std::string(kNoShiftJis) + "。");
    if (!text)
        return Result<TextFields>::Fail(
            std::to_string(LineOf(bytes, bad)) + "行目にShift-JISとして読めない文字があります。", LineOf(bytes, bad));
    TextFields result;
    const std::string_view all = *text;
    std::size_t start = 0;
    while (start < all.size()) {
        std::size_t end = all.find_first_of("\r\n", start);
        const std::string_view line = all.substr(start, end == std::string_view::npos ? all.npos : end - start);
        SplitLine(line, ++result.lineCount, result.fields);
        if (end == std::string_view::npos) {
            result.lastLineEnded = false;
            break;
        }
        start = end + 1;
        if (all[end] == '\r' && start < all.size() && all[start] == '\n') ++start;
    }
    return result;
}

double LeadingNumber(std::string_view text) { return LeadingNumberIfAny(text).value_or(0.0); }

std::optional<double> LeadingNumberIfAny(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const std::size_t start = i;
    bool digits = false;
    while (i < text.size() && IsDigit(text[i])) ++i, digits = true;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) ++i, digits = true;
    }
    if (!digits) return std::nullopt;
    // "0" in front and behind keeps ".5" and "5." in from_chars's grammar.
    const std::string number = "0" + std::string(text.substr(start, i - start)) + (text[i - 1] == '.' ? "0" : "");
    double value = 0.0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec == std::errc::result_out_of_range) value = HUGE_VAL;
    return negative ? -value : value;
}

std::optional<double> ParsePlainNumber(std::string_view text) {
    if (text.empty() || text.front() == '+') return std::nullopt;
    double value = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::string NarrowNumberText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        // U+FF0B..U+FF19 are EF BC 8B..99 and U+3000 is E3 80 80 in UTF-8.
        const auto at = [&](std::size_t k) { return static_cast<unsigned char>(text[i + k]); };
        if (i + 2 < text.size() && at(0) == 0xEF && at(1) == 0xBC && at(2) >= 0x8B && at(2) <= 0x99) {
            const unsigned char c = at(2);
            if (c >= 0x90) {
                out += static_cast<char>('0' + (c - 0x90));
                i += 3;
                continue;
            }
            if (c == 0x8B || c == 0x8D || c == 0x8E) {
                out += c == 0x8B ? '+' : c == 0x8D ? '-' : '.';
                i += 3;
                continue;
            }
        }
        if (i + 2 < text.size() && at(0) == 0xE3 && at(1) == 0x80 && at(2) == 0x80) {
            out += ' ';
            i += 3;
            continue;
        }
        out += text[i++];
    }
    return out;
}

const TextField* FieldCursor::Next(const FieldName& what) {
    if (failed_) return nullptr;
    if (fields_.fields.empty()) {
        Fail(1, "ファイルが空です。");
        return nullptr;
    }
    if (next_ >= fields_.fields.size()) {
        const int last = fields_.lineCount;
        Fail(last, "ファイルが" + std::to_string(last) + "行目で終わっていて、" + what.Text() + "がありません。");
        return nullptr;
    }
    return &fields_.fields[next_++];
}

void FieldCursor::Fail(int line, std::string message) {
    failed_ = true;
    failure_ = Failure{line, std::move(message)};
}

Status FieldCursor::Finish() const {
    if (failed_) return failure_;
    if (!fields_.lastLineEnded) {
        const int last = fields_.lineCount;
        return Status::Fail(
            "最後の行（" + std::to_string(last) + "行目）に改行がありません。途中で切れているかもしれません。", last);
    }
    return {};
}

std::optional<std::string> FieldCursor::Text(const FieldName& what) {
    const TextField* f = Next(what);
    if (!f) return std::nullopt;
    return f->text;
}

std::optional<std::int32_t> FieldCursor::Number(const FieldName& what, std::int64_t limit) {
    const TextField* f = Next(what);
    if (!f) return std::nullopt;
    const double rounded = std::nearbyint(LeadingNumber(f->text));
    if (!(std::fabs(rounded) <= static_cast<double>(limit))) {
        Fail(f->line, std::to_string(f->line) + "行目の" + what.Text() + Quoted(f->text) + "が大きすぎます。");
        return std::nullopt;
    }
    return RoundHalfEven(rounded);
}

std::optional<std::int32_t> FieldCursor::Count(const FieldName& what, int max) {
    const TextField* f = Next(what);
    if (!f) return std::nullopt;
    const double rounded = std::nearbyint(LeadingNumber(f->text));
    if (!(rounded >= 0.0 && rounded <= max)) {
        Fail(f->line, std::to_string(f->line) + "行目の" + what.Text() + Quoted(f->text) + "が0から" +
                          std::to_string(max) + "までの範囲にありません。");
        return std::nullopt;
    }
    return RoundHalfEven(rounded);
}

}  // namespace isobra
