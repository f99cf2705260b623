#include "quellfin/number_text.hpp"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <random>
#include <string>

namespace quellfin {
namespace {

TEST(NumberText, GeneralFormatWithFifteenDigits) {
    const struct {
        double x;
        const char* expected;
    } cases[] = {
        {1e15, "1E15"},
        {999999999999999, "999999999999999"},
        {0.0001, "0.0001"},
        {0.00001, "1E-5"},
        {0.000015, "1.5E-5"},
        {1.0 / 3, "0.333333333333333"},
        {2.0 / 3, "0.666666666666667"},
        {12345678901234.56, "12345678901234.6"},
        {0.1 + 0.2, "0.3"},
        {-0.0, "0"},
        {0.0, "0"},
        {-1234.5, "-1234.5"},
        {39.5, "39.5"},
        {100, "100"},
        {0.0012, "0.0012"},
        {9999999999999999.0, "1E16"}, // carry out of the first digit
        {999999999999999.9, "1E15"},  // rounds up to 10^15 on the 15th digit
        {1.5e300, "1.5E300"},
        {-2e-300, "-2E-300"},
        {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
        {std::numeric_limits<double>::quiet_NaN(), "NAN"},
        {std::numeric_limits<double>::infinity(), "INF"},
        {-std::numeric_limits<double>::infinity(), "-INF"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NumberText(c.x, U'.'), c.expected) << c.expected;
    }
}

// The number text taken literally: 18 significant digits of |x|, 15 kept with the 16th rounding
// half up, trailing zeros dropped. The library takes a shorter road for most numbers.
std::string LiteralNumberText(double x) {
    char buffer[40];
    *std::to_chars(buffer, buffer + sizeof buffer - 1, std::fabs(x), std::chars_format::scientific,
                   17)
         .ptr = '\0';
    std::string digits{buffer[0]};
    digits.append(buffer + 2, buffer + 19);
    int exponent = std::atoi(buffer + 20) + 1;
    digits.resize(16);
    const bool up = digits[15] >= '5';
    digits.resize(15);
    if (up) {
        int i = 14;
        for (; i >= 0 && digits[i] == '9'; --i) {
            digits[i] = '0';
        }
        if (i < 0) {
            digits = "1";
            ++exponent;
        } else {
            ++digits[i];
        }
    }
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    std::string out = x < 0 ? "-" : "";
    const auto n = static_cast<int>(digits.size());
    if (exponent > 15 || exponent < -3) {
        out += digits.substr(0, 1);
        if (n > 1) {
            out += "." + digits.substr(1);
        }
        return out + "E" + std::to_string(exponent - 1);
    }
    if (exponent <= 0) {
        return out + "0." + std::string(-exponent, '0') + digits;
    }
    if (n <= exponent) {
        return out + digits + std::string(exponent - n, '0');
    }
    return out + digits.substr(0, exponent) + "." + digits.substr(exponent);
}

TEST(NumberText, AgreesWithTheLiteralRuleAcrossMagnitudes) {
    std::mt19937_64 random(20261211);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-310, 308);
    for (int i = 0; i < 200000; ++i) {
        double x = mantissa(random) * std::pow(10.0, exponent(random));
        if (i % 3 == 0) { // short decimals, as the calculator mostly prints
            x = std::round(x * 1000) / 1000;
        }
        if (x == 0 || !std::isfinite(x)) {
            continue;
        }
        x = (i % 2 == 0) ? x : -x;
        ASSERT_EQ(NumberText(x, U'.'), LiteralNumberText(x)) << std::hexfloat << x;
    }
}

TEST(NumberText, UsesTheGivenDecimalSeparator) {
    EXPECT_EQ(NumberText(39.5, U','), "39,5");
    EXPECT_EQ(NumberText(1.5e-5, U','), "1,5E-5");
    EXPECT_EQ(NumberText(0.25, U'\u066B'), "0\u066B25"); // Arabic decimal separator, two bytes
    EXPECT_EQ(NumberText(72, U','), "72");
}

TEST(FixedText, CutsEighteenDigitsAndRoundsTiesAwayFromZero) {
    const struct {
        double x;
        int decimals;
        const char* expected;
    } cases[] = {
        {60, 2, "60.00"},
        {4, 1, "4.0"},
        {4.25, 1, "4.3"},
        {-4.25, 1, "-4.3"},
        {0.125, 2, "0.13"},
        {8.831, 2, "8.83"},
        {60.126, 2, "60.13"},
        {0.005, 2, "0.01"},
        {9.995, 2, "9.99"}, // 9.99499999999999922 on 18 digits
        {0.0049, 2, "0.00"},
        {99.996, 2, "100.00"},
        {0.96, 1, "1.0"},
        {0, 2, "0.00"},
        {-0.001, 2, "-0.00"},
        {100000, 2, "100000.00"},
        {0.00001, 1, "0.0"},
        {7.5, 0, "8"},
        {1e20, 1, "100000000000000000000.0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FixedText(c.x, c.decimals, U'.'), c.expected) << c.expected;
    }
    EXPECT_EQ(FixedText(60.5, 2, U','), "60,50");
}

struct ParseCase {
    const char* text;
    Separators separators;
    std::optional<double> expected;
};

TEST(ParseNumber, FollowsTheLocaleSeparators) {
    const Separators point{U'.', U','};
    const Separators comma{U',', U'.'};
    const Separators space{U'.', U'\u00A0'};
    const Separators narrow{U',', U'\u202F'};
    const ParseCase cases[] = {
        {"60.5", comma, 605}, // "." is the thousands separator there
        {"60,5", comma, 60.5},
        {"60,126", comma, 60.126},
        {"60,5", point, 605},
        {"60.5", point, 60.5},
        {"60.5", space, 60.5}, // neither "." nor "," is a separator: both are decimals
        {"60,5", space, 60.5},
        {"1\u00A0000.5", space, 1000.5},
        {"1\u202F000,25", narrow, 1000.25},
        {"  42 \t", point, 42},
        {"\u00A042\u3000", point, 42},
        {"+7", point, 7},
        {"-5", point, -5},
        {".5", point, 0.5},
        {"5.", point, 5},
        {"1e3", point, 1000},
        {"1E+3", point, 1000},
        {"2.5e-1", point, 0.25},
        {"1e-400", point, 0.0}, // underflow reads as zero
        {"1-2", point, std::nullopt},
        {"", point, std::nullopt},
        {".", point, std::nullopt},
        {"-", point, std::nullopt},
        {"e5", point, std::nullopt},
        {"1e", point, std::nullopt},
        {"1e+", point, std::nullopt},
        {"1.2.3", comma, 123}, // thousands separators are simply dropped
        {"1,2,3", comma, std::nullopt},
        {"12abc", point, std::nullopt},
        {"1e400", point, std::nullopt}, // beyond the range of a double
        {"\xFF", point, std::nullopt},
        {"NaN", point, std::nullopt},
        {"inf", point, std::nullopt},
        {"0x10", point, std::nullopt},
        {"١٢", point, std::nullopt}, // only ASCII digits
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseNumber(c.text, c.separators), c.expected) << '"' << c.text << '"';
    }
}

TEST(ParseNumber, ReadsTheTextsOfItsOwnFixedNumbers) {
    const Separators comma{U',', U'.'};
    for (const double x : {0.0, 0.13, 8.83, 60.13, 99999.99, 100000.0}) {
        EXPECT_EQ(ParseNumber(FixedText(x, 2, U','), comma), x) << x;
    }
}

} // namespace
} // namespace quellfin
