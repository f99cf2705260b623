#pragma once

#include <cstdint>

namespace quellfin {

// Nearest 64-bit integer, halves going to the even neighbour (2.5 -> 2, 3.5 -> 4).
// Defined for every double: NaN gives 0, values beyond the 64-bit range saturate.
std::int64_t Round(double x) noexcept;

// n * m as a double, the product formed in 64-bit integers and saturated instead of overflowing.
double IntegerProduct(std::int64_t n, std::int64_t m) noexcept;

// Round(x) * factor, formed as an integer and converted back: the "nearest hundred" pattern.
inline double RoundTimes(double x, std::int64_t factor) noexcept {
    return IntegerProduct(Round(x), factor);
}

} // namespace quellfin
