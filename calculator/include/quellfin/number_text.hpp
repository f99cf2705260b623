#pragma once

#include "quellfin/separators.hpp"

#include <optional>
#include <string>
#include <string_view>

namespace quellfin {

// The report's number text: general format with at most 15 significant digits, trailing zeros
// dropped, scientific form ("1E15", "1.5E-5") for magnitudes of 10^15 and more or below 0.0001,
// no thousands separators. NaN is "NAN", infinities "INF" and "-INF".
std::string NumberText(double x, char32_t decimal);
void AppendNumberText(std::string& out, double x, char32_t decimal);

// Fixed notation with exactly `decimals` digits after the separator (none and no separator for 0).
// Ties are taken away from zero on the 18 significant digits of |x|: 4.25 with one decimal is 4.3.
// Non-finite values give the same words as NumberText.
std::string FixedText(double x, int decimals, char32_t decimal);

// Reads a typed number. Blanks and control characters at both ends are ignored, thousands
// separators are dropped (when they differ from the decimal separator), and any "." or "," that is
// neither separator counts as the decimal separator. Accepts an optional sign, digits with an
// optional fraction (one of the two digit groups may be empty), and an optional exponent. Fails on
// anything else and on magnitudes beyond the range of a double; tiny magnitudes read as zero.
std::optional<double> ParseNumber(std::string_view text, const Separators& separators);

} // namespace quellfin
