#include "quellfin/round.hpp"

#include <cmath>
#include <limits>

namespace quellfin {

std::int64_t Round(double x) noexcept {
    using Limits = std::numeric_limits<std::int64_t>;
    if (std::isnan(x)) {
        return 0;
    }
    // 2^63 is exactly representable; anything at or beyond it cannot be converted.
    constexpr double kTwo63 = 9223372036854775808.0;
    if (x >= kTwo63) {
        return Limits::max();
    }
    if (x < -kTwo63) {
        return Limits::min();
    }
    // floor and the difference are exact for every finite double, so no rounding mode matters.
    const double lower = std::floor(x);
    const double fraction = x - lower;
    auto result = static_cast<std::int64_t>(lower);
    if (fraction > 0.5 || (fraction == 0.5 && (result % 2) != 0)) {
        ++result; // cannot overflow: x < 2^63 and fractions only occur below 2^52
    }
    return result;
}

double IntegerProduct(std::int64_t n, std::int64_t m) noexcept {
    using Limits = std::numeric_limits<std::int64_t>;
    if (n == 0 || m == 0) {
        return 0.0;
    }
    const bool negative = (n < 0) != (m < 0);
    const auto magnitude = [](std::int64_t v) {
        return v < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(v)
                     : static_cast<std::uint64_t>(v);
    };
    const std::uint64_t a = magnitude(n);
    const std::uint64_t b = magnitude(m);
    const std::uint64_t limit = static_cast<std::uint64_t>(Limits::max()) + (negative ? 1U : 0U);
    if (a > limit / b) {
        return negative ? static_cast<double>(Limits::min()) : static_cast<double>(Limits::max());
    }
    // Below 2^63 the conversion rounds a magnitude the same way whatever its sign.
    const auto product = static_cast<double>(a * b);
    return negative ? -product : product;
}

} // namespace quellfin
