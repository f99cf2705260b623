#include "quellfin/number_text.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <system_error>

namespace quellfin {

namespace {

constexpr int kSignificant = 18;

// |x| as 0.d1 d2 ... dn x 10^exponent, with d1 != 0. x must be finite and non-zero.
struct Decimal {
    std::array<char, kSignificant> digits;
    std::size_t count;
    int exponent;
};

// The 18 significant digits of |x|, correctly rounded.
constexpr int kExact = kSignificant - 1;
// The shortest digits that read back as |x| (at most 17).
constexpr int kShortest = -1;

Decimal Decompose(double x, int precision) {
    std::array<char, 40> buffer{};
    char* const end = buffer.data() + buffer.size();
    const auto result =
        precision == kShortest
            ? std::to_chars(buffer.data(), end, std::fabs(x), std::chars_format::scientific)
            : std::to_chars(buffer.data(), end, std::fabs(x), std::chars_format::scientific,
                            precision);
    // "d[.ddd]e[+-]xx"
    Decimal decimal{};
    const char* p = buffer.data();
    decimal.digits[decimal.count++] = *p++;
    if (*p == '.') {
        for (++p; *p != 'e'; ++p) {
            decimal.digits[decimal.count++] = *p;
        }
    }
    int exponent = 0;
    for (const char* e = p + 2; e < result.ptr; ++e) {
        exponent = exponent * 10 + (*e - '0');
    }
    decimal.exponent = (p[1] == '-' ? -exponent : exponent) + 1;
    return decimal;
}

// Adds one to the last digit of digits[0, count), carrying leftwards. Returns true when the carry
// runs out of the first digit (all were nines; they are now zeros).
bool Increment(char* digits, std::size_t count) {
    for (std::size_t i = count; i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return false;
        }
        digits[i] = '0';
    }
    return true;
}

bool AppendNonFinite(std::string& out, double x) {
    if (std::isnan(x)) {
        out += "NAN";
        return true;
    }
    if (std::isinf(x)) {
        out += x < 0 ? "-INF" : "INF";
        return true;
    }
    return false;
}

bool IsBlank(char32_t c) {
    return c <= 0x20 || (c >= 0x7F && c <= 0xA0) || c == 0x1680 || (c >= 0x2000 && c <= 0x200B) ||
           c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000 || c == 0xFEFF;
}

// The sign of the decimal exponent of a syntactically valid number text in C form: true when the
// number's magnitude is below one (used to tell underflow from overflow).
bool BelowOne(std::string_view ascii) {
    std::size_t i = 0;
    if (i < ascii.size() && (ascii[i] == '+' || ascii[i] == '-')) {
        ++i;
    }
    long position = 0; // decimal exponent of the first significant digit, plus one
    bool seenPoint = false;
    bool seenDigit = false;
    long integerDigits = 0;
    long leadingFractionZeros = 0;
    for (; i < ascii.size() && ascii[i] != 'e' && ascii[i] != 'E'; ++i) {
        const char c = ascii[i];
        if (c == '.') {
            seenPoint = true;
        } else if (!seenDigit && c == '0') {
            if (seenPoint) {
                ++leadingFractionZeros;
            }
        } else {
            if (!seenPoint) {
                ++integerDigits;
            }
            seenDigit = true;
        }
    }
    position = seenDigit && integerDigits == 0 ? -leadingFractionZeros : integerDigits;
    long exponent = 0;
    if (i < ascii.size()) {
        ++i;
        const bool negative = i < ascii.size() && ascii[i] == '-';
        if (i < ascii.size() && (ascii[i] == '+' || ascii[i] == '-')) {
            ++i;
        }
        for (; i < ascii.size(); ++i) {
            exponent = std::min(exponent * 10 + (ascii[i] - '0'), 1'000'000'000L);
        }
        exponent = negative ? -exponent : exponent;
    }
    return position + exponent <= 0;
}

} // namespace

void AppendNumberText(std::string& out, double x, char32_t decimal) {
    if (x == 0) {
        out += '0';
        return;
    }
    if (AppendNonFinite(out, x)) {
        return;
    }
    // Whole numbers below 10^15 are written with all their digits.
    if (constexpr double kWhole = 1e15; std::fabs(x) < kWhole && x == std::trunc(x)) {
        char buffer[20];
        const auto result =
            std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(x));
        out.append(buffer, result.ptr);
        return;
    }
    constexpr std::size_t kKept = 15;
    // When the shortest digits that identify x number 15 or fewer, they are also what rounding the
    // 18 significant digits of x to 15 gives: x lies within half a unit in the last place of them,
    // which is less than 0.12 units of their 15th digit, so digits 16 to 18 can neither reach 5 nor
    // leave a borrow that survives the rounding. Only longer numbers, and subnormal ones (whose
    // last place is coarser), need the exact digits.
    const bool normal = std::fabs(x) >= std::numeric_limits<double>::min();
    Decimal d = Decompose(x, kShortest);
    if (!normal || d.count > kKept) {
        d = Decompose(x, kExact);
        d.count = kKept;
        if (d.digits[kKept] >= '5' && Increment(d.digits.data(), kKept)) {
            d.digits[0] = '1';
            d.count = 1;
            ++d.exponent;
        }
    }
    const auto& digits = d.digits;
    std::size_t count = d.count;
    while (count > 1 && digits[count - 1] == '0') {
        --count;
    }
    if (x < 0) {
        out += '-';
    }
    const int e = d.exponent;
    const auto digitsFrom = [&](std::size_t from) {
        out.append(digits.data() + from, count - from);
    };
    if (e > 15 || e < -3) {
        out += digits[0];
        if (count > 1) {
            AppendUtf8(out, decimal);
            digitsFrom(1);
        }
        out += 'E';
        char buffer[8];
        const auto r = std::to_chars(buffer, buffer + sizeof buffer, e - 1);
        out.append(buffer, r.ptr);
    } else if (e <= 0) {
        out += '0';
        AppendUtf8(out, decimal);
        out.append(static_cast<std::size_t>(-e), '0');
        digitsFrom(0);
    } else {
        const auto integerDigits = static_cast<std::size_t>(e);
        if (count <= integerDigits) {
            digitsFrom(0);
            out.append(integerDigits - count, '0');
        } else {
            out.append(digits.data(), integerDigits);
            AppendUtf8(out, decimal);
            digitsFrom(integerDigits);
        }
    }
}

std::string NumberText(double x, char32_t decimal) {
    std::string out;
    AppendNumberText(out, x, decimal);
    return out;
}

std::string FixedText(double x, int decimals, char32_t decimal) {
    std::string out;
    if (AppendNonFinite(out, x)) {
        return out;
    }
    decimals = std::max(decimals, 0);
    const auto places = static_cast<std::size_t>(decimals);
    // digits: the decimal expansion starting at the units digit (or at the first significant one
    // when |x| >= 1), with `whole` digits before the separator.
    std::string digits;
    std::size_t whole = 0;
    if (x == 0) {
        digits.assign(1 + places, '0');
        whole = 1;
    } else {
        const Decimal d = Decompose(x, kExact);
        if (d.exponent <= 0) {
            digits.assign(static_cast<std::size_t>(-d.exponent), '0');
        }
        digits.append(d.digits.data(), d.digits.size());
        whole = static_cast<std::size_t>(std::max(d.exponent, 0));
        if (digits.size() < whole + places + 1) {
            digits.resize(whole + places + 1, '0');
        }
        const bool roundUp = digits[whole + places] >= '5';
        digits.resize(whole + places);
        if (roundUp && Increment(digits.data(), digits.size())) {
            digits.insert(digits.begin(), '1');
            ++whole;
        }
        if (whole == 0) {
            digits.insert(digits.begin(), '0');
            whole = 1;
        }
    }
    if (x < 0) {
        out += '-';
    }
    out.append(digits, 0, whole);
    if (places > 0) {
        AppendUtf8(out, decimal);
        out.append(digits, whole, places);
    }
    return out;
}

std::optional<double> ParseNumber(std::string_view text, const Separators& separators) {
    // Trim blanks and control characters at both ends, working on whole characters.
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end) {
        const DecodedChar c = DecodeUtf8(text, begin);
        if (!IsBlank(c.value)) {
            break;
        }
        begin += c.length;
    }
    // Find the last non-blank character by decoding forwards (UTF-8 is not safely decoded back).
    std::size_t lastEnd = begin;
    for (std::size_t pos = begin; pos < end;) {
        const DecodedChar c = DecodeUtf8(text, pos);
        pos += c.length;
        if (!IsBlank(c.value)) {
            lastEnd = pos;
        }
    }
    end = lastEnd;

    // Map to the C form: '.' as the separator, ASCII only, checking the grammar as we go.
    std::string ascii;
    ascii.reserve(end - begin);
    enum class Stage { Sign, Mantissa, ExponentSign, ExponentDigits } stage = Stage::Sign;
    bool mantissaDigit = false;
    bool point = false;
    bool exponentDigit = false;
    const bool dropThousands = separators.thousands != separators.decimal;
    for (std::size_t pos = begin; pos < end;) {
        const DecodedChar decoded = DecodeUtf8(text, pos);
        pos += decoded.length;
        char32_t c = decoded.value;
        if (dropThousands && c == separators.thousands) {
            continue;
        }
        if ((c == U'.' || c == U',') && c != separators.thousands) {
            c = separators.decimal;
        }
        const bool isDecimal = c == separators.decimal;
        switch (stage) {
        case Stage::Sign:
            stage = Stage::Mantissa;
            if (c == U'+' || c == U'-') {
                ascii += static_cast<char>(c);
                continue;
            }
            [[fallthrough]];
        case Stage::Mantissa:
            if (c >= U'0' && c <= U'9') {
                mantissaDigit = true;
                ascii += static_cast<char>(c);
            } else if (isDecimal && !point) {
                point = true;
                ascii += '.';
            } else if ((c == U'e' || c == U'E') && mantissaDigit) {
                stage = Stage::ExponentSign;
                ascii += 'e';
            } else {
                return std::nullopt;
            }
            break;
        case Stage::ExponentSign:
            stage = Stage::ExponentDigits;
            if (c == U'+' || c == U'-') {
                ascii += static_cast<char>(c);
                continue;
            }
            [[fallthrough]];
        case Stage::ExponentDigits:
            if (c < U'0' || c > U'9') {
                return std::nullopt;
            }
            exponentDigit = true;
            ascii += static_cast<char>(c);
            break;
        }
    }
    if (!mantissaDigit || (stage >= Stage::ExponentSign && !exponentDigit)) {
        return std::nullopt;
    }
    // from_chars takes no leading '+'.
    std::string_view number = ascii;
    const bool plus = !number.empty() && number.front() == '+';
    if (plus) {
        number.remove_prefix(1);
    }
    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (!BelowOne(number)) {
            return std::nullopt;
        }
        return number.front() == '-' ? -0.0 : 0.0;
    }
    if (result.ec != std::errc{} || result.ptr != number.data() + number.size()) {
        return std::nullopt;
    }
    return value;
}

} // namespace quellfin
