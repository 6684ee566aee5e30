#include <gtest/gtest.h>

#include "model/ReportRules.h"
#include "model/TextFields.h"

namespace isobra {
namespace {

TEST(ReportRules, TypedNumbersRoundHalvesToEvenAndSaturate) {
    struct Case {
        const char* typed;
        int value;
    };
    const Case cases[] = {{"12.5", 12},
                          {"13.5", 14},
                          {"-2.5", -2},
                          {"12.51", 13},
                          {"12.49", 12},
                          {"7/2", 7},
                          {"--3", 0},
                          {"", 0},
                          {"123456789012345678901234567890", 999'999'999},
                          {"-123456789012345678901234567890.5", -999'999'999}};
    for (const Case& c : cases) EXPECT_EQ(TypedNumberValue(c.typed), c.value) << c.typed;
}

// What a field shows and holds when it is left, "1013" or "20" having been
// remembered when it was entered.
TEST(ReportRules, LeavingAFieldExpandsShortPressuresAndClamps) {
    struct Case {
        const NumberFieldRules& rules;
        const char* typed;
        const char* shown;
        int value;
    };
    const Case cases[] = {
        {kPressureField, "8", "1008", 1008},
        {kPressureField, "96", "996", 996},
        {kPressureField, "81", "981", 981},
        {kPressureField, "80", "1080", 1080},  // not above 80
        {kPressureField, "05", "1005", 1005},
        {kPressureField, "850", "900", 900},  // three digits stay, then clamp
        {kPressureField, "1234", "1100", 1100},
        {kPressureField, "", "1013", 1013},  // nothing typed keeps the value
        {kPressureField, "99999999999999999999999", "1100", 1100},
        {kTemperatureField, "45", "40", 40},
        {kTemperatureField, "-50", "-40", -40},
        {kTemperatureField, "12.5", "12.5", 12},  // within the range: kept as typed
        {kTemperatureField, "/", "/", 0},
        {kTemperatureField, "8", "8", 8},  // no short forms but the pressure's
        {kLatitudeField, "5", "15", 15},
        {kLatitudeField, "70", "60", 60},
        {kForceField, "15", "12", 12},
    };
    for (const Case& c : cases) {
        const LeftNumber left = LeaveNumberField(c.rules, c.typed, &c.rules == &kPressureField ? "1013" : "20");
        EXPECT_EQ(left.text, c.shown) << c.typed;
        EXPECT_EQ(left.value, c.value) << c.typed;
    }
}

// Full-width digits, sign and point, as an input method types them, read as
// their ASCII forms; other wide characters stay.
TEST(ReportRules, WideDigitsSignAndPointAreNarrowed) {
    struct Case {
        const char* typed;
        const char* narrow;
    };
    const Case cases[] = {
        {"０１２３４５６７８９", "0123456789"},
        {"－１２．５", "-12.5"},
        {"＋３", "+3"},
        {"　４", " 4"},                  // the ideographic space
        {"４ｈＰａ／２", "4ｈＰａ／2"},  // letters and "／" stay
        {"ー５", "ー5"},                 // the long vowel mark is no minus
        {"\xEF\xBC", "\xEF\xBC"},        // a cut character stays as it is
    };
    for (const Case& c : cases) EXPECT_EQ(NarrowNumberText(c.typed), c.narrow) << c.typed;
}

TEST(ReportRules, FewLandPressuresAreOneToNineteen) {
    for (const auto& [count, few] : {std::pair{0, false}, {1, true}, {19, true}, {20, false}, {54, false}})
        EXPECT_EQ(FewLandPressures(count), few) << count;
}

}  // namespace
}  // namespace isobra
