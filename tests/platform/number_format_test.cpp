#include "platform/number_format.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

namespace {

struct FixedCase {
    double value;
    const char* text;
};

class Fixed6Test : public ::testing::TestWithParam<FixedCase> {};

TEST_P(Fixed6Test, FormatsLikeTheGameToolsExpect) {
    EXPECT_EQ(vexlume::FormatFixed6(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Fixed6Test,
    ::testing::Values(
        FixedCase{0.0, "0.000000"}, FixedCase{-0.0, "-0.000000"}, FixedCase{0.5, "0.500000"},
        FixedCase{-3.25, "-3.250000"}, FixedCase{1.0, "1.000000"}, FixedCase{79.0, "79.000000"},
        // Exact binary ties round away from zero, not to even.
        FixedCase{0.0078125, "0.007813"}, FixedCase{-0.0078125, "-0.007813"},
        FixedCase{0.0234375, "0.023438"}, FixedCase{0.0000005 * 3, "0.000002"},
        // Rounded to 17 digits first: this double lies just below the tie,
        // but its 17-digit form is the tie itself.
        FixedCase{1.95e-05, "0.000020"},
        // Carries through every digit.
        FixedCase{9.9999996, "10.000000"}, FixedCase{0.9999996, "1.000000"},
        FixedCase{-999999.9999996, "-1000000.000000"},
        // Beyond 17 significant digits only zeros follow.
        FixedCase{double{1e30f}, "1000000015047466200000000000000.000000"},
        FixedCase{18446744073709551616.0, "18446744073709552000.000000"},
        FixedCase{double{FLT_MAX}, "340282346638528860000000000000000000000.000000"},
        FixedCase{double{123456789.0f}, "123456792.000000"},
        // Tiny values, and negative ones that round to zero keep their sign.
        FixedCase{1e-7, "0.000000"}, FixedCase{-1e-7, "-0.000000"},
        // 5e-7 is stored just below the tie; 5.0000001e-7 lies above it.
        FixedCase{5e-7, "0.000000"}, FixedCase{5.0000001e-7, "0.000001"},
        FixedCase{double{5e-7f}, "0.000000"},
        FixedCase{4.9e-324, "0.000000"}, FixedCase{-4.9e-324, "-0.000000"},
        // The frequency of a life of 0.001 after rounding to float.
        FixedCase{1.0 / double{0.001f}, "999.999953"},
        FixedCase{std::numeric_limits<double>::infinity(), "inf"},
        FixedCase{-std::numeric_limits<double>::infinity(), "-inf"},
        FixedCase{std::numeric_limits<double>::quiet_NaN(), "nan"},
        FixedCase{-std::numeric_limits<double>::quiet_NaN(), "-nan"}));

TEST(FormatInt, PlainDecimal) {
    EXPECT_EQ(vexlume::FormatInt(0), "0");
    EXPECT_EQ(vexlume::FormatInt(10), "10");
    EXPECT_EQ(vexlume::FormatInt(-2147483648LL), "-2147483648");
}

TEST(FormatFixed6, AppendsWithoutTouchingWhatIsThere) {
    std::string text = "rotate ";
    vexlume::AppendFixed6(text, 90.0);
    EXPECT_EQ(text, "rotate 90.000000");
}

}  // namespace

namespace {

// The quick integer conversion and the general one agree everywhere: on
// random floats and doubles of every size, on float differences and on
// reciprocals, the values the writers print.
TEST(FormatFixed6, QuickAndGeneralConversionsAgree) {
    std::uint64_t state = 88172645463325252ull;
    auto next = [&] {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    };
    auto check = [](double v) {
        std::string quick, general;
        vexlume::AppendFixed6(quick, v);
        vexlume::AppendFixed6Exhaustive(general, v);
        ASSERT_EQ(quick, general) << std::hexfloat << v;
    };
    for (int i = 0; i < 300000; ++i) {
        const std::uint64_t bits = next();
        const int exponent = static_cast<int>(bits % 80) - 20;
        const double mantissa = static_cast<double>(bits >> 11) / 9007199254740992.0;
        const double v = std::ldexp(mantissa + 0.5, exponent) * ((bits & 1) ? -1 : 1);
        check(v);
        check(static_cast<float>(v));
        check(double{static_cast<float>(v)} - static_cast<float>(v * 0.37));
        if (v != 0) check(1.0 / double{static_cast<float>(v)});
        // Values on and around the six-decimal ties.
        const double tie = (static_cast<double>(bits % 2000000000) + 0.5) / 1e6;
        check(tie);
        check(std::nextafter(tie, 0.0));
        check(std::nextafter(tie, 1e300));
    }
}

}  // namespace
