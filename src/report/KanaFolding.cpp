#include "report/KanaFolding.h"

#include <array>

namespace isobra {

namespace {

// Full-width katakana for the half-width forms U+FF61..U+FF9D, in order.
constexpr std::array<char32_t, 0x3D> kWideKana = {
    U'。', U'「', U'」', U'、', U'・', U'ヲ', U'ァ', U'ィ', U'ゥ', U'ェ', U'ォ', U'ャ', U'ュ', U'ョ', U'ッ', U'ー',
    U'ア', U'イ', U'ウ', U'エ', U'オ', U'カ', U'キ', U'ク', U'ケ', U'コ', U'サ', U'シ', U'ス', U'セ', U'ソ', U'タ',
    U'チ', U'ツ', U'テ', U'ト', U'ナ', U'ニ', U'ヌ', U'ネ', U'ノ', U'ハ', U'ヒ', U'フ', U'ヘ', U'ホ', U'マ', U'ミ',
    U'ム', U'メ', U'モ', U'ヤ', U'ユ', U'ヨ', U'ラ', U'リ', U'ル', U'レ', U'ロ', U'ワ', U'ン'};

bool IsVoicingMark(char32_t c) { return c == 0xFF9E || c == 0x3099 || c == 0x309B; }
bool IsSemiVoicingMark(char32_t c) { return c == 0xFF9F || c == 0x309A || c == 0x309C; }

// Katakana whose voiced form is the next code point (カ ガ, ツ ヅ, ハ バ).
bool HasVoicedForm(char32_t c) {
    return (c >= U'カ' && c <= U'ヂ' && (c - U'カ') % 2 == 0) || c == U'ツ' || c == U'テ' || c == U'ト' ||
           (c >= U'ハ' && c <= U'ホ' && (c - U'ハ') % 3 == 0);
}

// Half-width katakana made full-width and marks joined to the kana before
// them; a mark that joins nothing stays as it is.
std::vector<char32_t> Widen(const std::vector<char32_t>& in) {
    std::vector<char32_t> out;
    for (char32_t c : in) {
        if (c >= 0xFF61 && c <= 0xFF9D) c = kWideKana[c - 0xFF61];
        if (!out.empty() && IsVoicingMark(c)) {
            char32_t& last = out.back();
            if (HasVoicedForm(last)) {
                ++last;
                continue;
            }
            if (last == U'ウ') {
                last = U'ヴ';
                continue;
            }
        }
        if (!out.empty() && IsSemiVoicingMark(c) && out.back() >= U'ハ' && out.back() <= U'ホ' &&
            (out.back() - U'ハ') % 3 == 0) {
            out.back() += 2;
            continue;
        }
        out.push_back(c);
    }
    return out;
}

}  // namespace

std::optional<std::vector<char32_t>> DecodeUtf8(std::string_view text) {
    std::vector<char32_t> out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int extra = 0;
        char32_t c = 0;
        if (lead < 0x80) {
            c = lead;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1;
            c = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2;
            c = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3;
            c = lead & 0x07;
        } else {
            return std::nullopt;
        }
        if (i + static_cast<std::size_t>(extra) >= text.size()) return std::nullopt;
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80) return std::nullopt;
            c = (c << 6) | (next & 0x3F);
        }
        if ((extra == 2 && (c < 0x800 || (c >= 0xD800 && c <= 0xDFFF))) ||
            (extra == 3 && (c < 0x10000 || c > 0x10FFFF)))
            return std::nullopt;
        out.push_back(c);
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

std::string EncodeUtf8(const std::vector<char32_t>& codePoints) {
    std::string out;
    for (char32_t c : codePoints) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::string FoldForMatching(std::string_view utf8) {
    const std::optional<std::vector<char32_t>> decoded = DecodeUtf8(utf8);
    if (!decoded) return std::string(utf8);
    std::vector<char32_t> folded;
    for (char32_t c : Widen(*decoded)) {
        if (c == U' ' || c == U'\t' || c == U'\u3000') continue;
        if (c >= 0xFF01 && c <= 0xFF5E) c = c - 0xFF01 + 0x21;
        if (c == U'\u2212') c = U'-';
        if (c >= U'ァ' && c <= U'ヶ') c -= 0x60;
        folded.push_back(c);
    }
    return EncodeUtf8(folded);
}

std::string WidenKatakana(std::string_view utf8) {
    const std::optional<std::vector<char32_t>> decoded = DecodeUtf8(utf8);
    return decoded ? EncodeUtf8(Widen(*decoded)) : std::string(utf8);
}

}  // namespace isobra
