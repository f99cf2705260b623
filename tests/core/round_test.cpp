#include "quellfin/round.hpp"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace quellfin {
namespace {

constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
constexpr auto kMin = std::numeric_limits<std::int64_t>::min();

TEST(Round, NearestWithHalvesToEven) {
    const struct {
        double x;
        std::int64_t expected;
    } cases[] = {
        {2.5, 2},
        {3.5, 4},
        {26.5, 26},
        {-2.5, -2},
        {-3.5, -4},
        {0.5, 0},
        {1.5, 2},
        {-0.5, 0},
        {2.4, 2},
        {2.6, 3},
        {-2.6, -3},
        {0.49999999999999994, 0},
        {72.5, 72},
        {73.5, 74},
        {1e15, 1000000000000000},
        {4503599627370497.0, 4503599627370497},
        {-0.0, 0},
        {15.87222, 16},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Round(c.x), c.expected) << c.x;
    }
}

TEST(Round, IsDefinedForEveryDouble) {
    EXPECT_EQ(Round(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(Round(std::numeric_limits<double>::infinity()), kMax);
    EXPECT_EQ(Round(-std::numeric_limits<double>::infinity()), kMin);
    EXPECT_EQ(Round(1e300), kMax);
    EXPECT_EQ(Round(-1e300), kMin);
    EXPECT_EQ(Round(9223372036854775808.0), kMax);                // 2^63
    EXPECT_EQ(Round(-9223372036854775808.0), kMin);               // -2^63 fits exactly
    EXPECT_EQ(Round(9223372036854774784.0), 9223372036854774784); // largest double below 2^63
}

TEST(IntegerProduct, FormsTheProductAndSaturates) {
    EXPECT_EQ(RoundTimes(2.5, 100), 200.0);
    EXPECT_EQ(RoundTimes(-4.6683, 100), -500.0);
    EXPECT_EQ(IntegerProduct(kMax, 100), static_cast<double>(kMax));
    EXPECT_EQ(IntegerProduct(kMin, 100), static_cast<double>(kMin));
    EXPECT_EQ(IntegerProduct(kMin, -1), static_cast<double>(kMax));
    EXPECT_EQ(IntegerProduct(-kMax, 1), -static_cast<double>(kMax));
    EXPECT_EQ(IntegerProduct(0, kMin), 0.0);
}

} // namespace
} // namespace quellfin
