#include "model/ReportRules.h"

#include <algorithm>

#include "model/ShiftJis.h"

namespace isobra {

namespace {

constexpr long long kSaturation = 999'999'999;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool TakesCharacter(const NumberFieldRules& rules, char32_t c) {
    return c < 32 || (c >= rules.lowestKey && c <= rules.highestKey);
}

int TypedNumberValue(std::string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    const bool negative = i < n && text[i] == '-';
    if (negative) ++i;

    long long whole = 0;
    bool any = false;
    for (; i < n && IsDigit(text[i]); ++i) {
        any = true;
        whole = std::min(whole * 10 + (text[i] - '0'), kSaturation + 1);
    }
    // Only the first fraction digit and whether anything follows it matter
    // for rounding to the nearest whole number with halves to even; doing it
    // on the digits keeps 12.5 exactly a half.
    int firstFraction = -1;
    bool restNonZero = false;
    if (i < n && text[i] == '.') {
        for (++i; i < n && IsDigit(text[i]); ++i) {
            any = true;
            const int d = text[i] - '0';
            if (firstFraction < 0)
                firstFraction = d;
            else if (d != 0)
                restNonZero = true;
        }
    }
    if (!any) return 0;
    const bool up = firstFraction > 5 || (firstFraction == 5 && (restNonZero || whole % 2 == 1));
    if (up) ++whole;
    whole = std::min(whole, kSaturation);
    return static_cast<int>(negative ? -whole : whole);
}

std::string ExpandShortPressure(std::string_view text) {
    const int characters = CharacterCount(text);
    if (characters == 1) return "100" + std::string(text);
    if (characters == 2) return (TypedNumberValue(text) > 80 ? "9" : "10") + std::string(text);
    return std::string(text);
}

LeftNumber LeaveNumberField(const NumberFieldRules& rules, std::string_view typed, std::string_view remembered) {
    LeftNumber left{std::string(typed.empty() ? remembered : typed)};
    if (rules.pressureShortForms) left.text = ExpandShortPressure(left.text);
    left.value = TypedNumberValue(left.text);
    const int clamped = std::clamp(left.value, rules.clampLow, rules.clampHigh);
    if (clamped != left.value) {
        left.value = clamped;
        left.text = std::to_string(clamped);
    }
    return left;
}

bool FewLandPressures(int count) { return count > 0 && count < kFewLandPressures; }

}  // namespace isobra
