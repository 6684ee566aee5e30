#pragma once

#include <string>
#include <string_view>

namespace isobra {

// The rules of the numbers typed into the entry windows, and how many land
// pressures a map wants. Texts are UTF-8.

// How one number field behaves: which characters it takes, where it starts,
// the range its value is clamped to when the field is left and the range of
// its scroll control (top = the larger value, so the up arrow increases it).
struct NumberFieldRules {
    char32_t lowestKey = U'0';
    char32_t highestKey = U'9';
    int startValue = 0;
    int clampLow = 0;
    int clampHigh = 0;
    int scrollTop = 0;
    int scrollBottom = 0;
    bool pressureShortForms = false;  // the broadcast's short pressures, ExpandShortPressure
};

// The scroll controls of latitude and longitude reach past the clamp range
// (to 14 and to 168), as the forms were drawn.
inline constexpr NumberFieldRules kLatitudeField{
    .startValue = 34, .clampLow = 15, .clampHigh = 60, .scrollTop = 60, .scrollBottom = 14};
inline constexpr NumberFieldRules kLongitudeField{
    .startValue = 135, .clampLow = 100, .clampHigh = 160, .scrollTop = 168, .scrollBottom = 100};
inline constexpr NumberFieldRules kForceField{
    .startValue = 0, .clampLow = 0, .clampHigh = 12, .scrollTop = 12, .scrollBottom = 0};
inline constexpr NumberFieldRules kPressureField{.startValue = 1013,
                                                 .clampLow = 900,
                                                 .clampHigh = 1100,
                                                 .scrollTop = 1100,
                                                 .scrollBottom = 900,
                                                 .pressureShortForms = true};
// "-" to "9" in character order takes "-", "." and "/" besides the digits.
inline constexpr NumberFieldRules kTemperatureField{
    .lowestKey = U'-', .startValue = 20, .clampLow = -40, .clampHigh = 40, .scrollTop = 40, .scrollBottom = -40};

// Whether a field takes this character, typed or pasted: control characters
// (backspace, Tab, Return) always, others only within the field's range.
bool TakesCharacter(const NumberFieldRules& rules, char32_t c);

// The value of a number typed into an entry window; every such number is
// read here. The longest leading decimal number ("-", digits, "." and digits)
// rounded to the nearest whole number, halves to even; 0 when the text does
// not begin with a number. Beyond +-999,999,999 the value saturates, so a
// long digit string is clamped like any other out-of-range value.
int TypedNumberValue(std::string_view text);

// The broadcast reads pressures short: "8" -> "1008", "96" -> "996" (two
// digits above 80 are 900s), "80" -> "1080"; 3 or more characters stay.
std::string ExpandShortPressure(std::string_view text);

// A number field as it is left: the remembered text when nothing was typed,
// short pressures expanded, and a value beyond the clamp range replaced, text
// and all, by the nearer end. A value within the range keeps its text as
// typed ("12.5" stays, with the value 12).
struct LeftNumber {
    std::string text;
    int value = 0;
};
LeftNumber LeaveNumberField(const NumberFieldRules& rules, std::string_view typed, std::string_view remembered);

// Isobars drawn from fewer land pressures than this make a map of little
// worth: the user is asked first (in batch, told).
inline constexpr int kFewLandPressures = 20;
// Some land pressures, but fewer than kFewLandPressures. With none at all the
// isobars are not drawn.
bool FewLandPressures(int count);

}  // namespace isobra
