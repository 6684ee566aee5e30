#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "isobar/IsobarInterval.h"
#include "model/TextFields.h"

namespace isobra {
namespace {

// Every two-decimal spacing from 0.50 to 10.00: the interval is the double
// product rounded once to float, never the float product.
TEST(IsobarInterval, ComputedInDoubleAndStoredAsFloat) {
    for (int cents = 50; cents <= 1000; ++cents) {
        const double v = cents / 100.0;
        const IsobarInterval spacing = IntervalFromHpa(v, 100);
        EXPECT_EQ(spacing.interval, static_cast<float>(v * 100)) << v;
        EXPECT_EQ(spacing.halfInterval, static_cast<float>((v - v / 2) * 100)) << v;
    }
    EXPECT_EQ(IntervalFromHpa(2.1, 100).interval, 210.0f);
    EXPECT_NE(static_cast<float>(2.1) * 100.0f, 210.0f);  // what single precision would give
}

TEST(IsobarInterval, PlainNumbersOnlyAndTheRangeIncludesItsEnds) {
    struct Case {
        const char* text;
        bool number;
        double value;
    };
    const Case cases[] = {{"4", true, 4},     {"0.5", true, 0.5}, {"10", true, 10},  {"2.1", true, 2.1},
                          {"3abc", false, 0}, {"", false, 0},     {" 3", false, 0},  {"0x3", false, 0},
                          {"inf", false, 0},  {"+3", false, 0},   {"1e1", false, 0}, {"-2", true, -2}};
    for (const Case& c : cases) {
        const auto value = ParsePlainNumber(c.text);
        EXPECT_EQ(value.has_value(), c.number) << c.text;
        if (value) {
            EXPECT_EQ(*value, c.value) << c.text;
        }
    }
    for (const double ok : {0.5, 10.0, 4.0}) EXPECT_TRUE(IsIntervalInRange(ok)) << ok;
    for (const double bad : {0.4, 10.5, 0.0, -1.0, std::nan("")}) EXPECT_FALSE(IsIntervalInRange(bad)) << bad;
}

}  // namespace
}  // namespace isobra
