#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quellfin {

// The user's regional separators, one Unicode character each.
struct Separators {
    char32_t decimal = U'.';
    char32_t thousands = U',';

    friend bool operator==(const Separators&, const Separators&) = default;
};

// Appends the UTF-8 encoding of c (U+FFFD for a value that is no Unicode scalar).
void AppendUtf8(std::string& out, char32_t c);

// The code point that starts s at byte `pos`, and how many bytes it takes. Malformed bytes decode
// one at a time as U+FFFD, so every byte is consumed exactly once.
struct DecodedChar {
    char32_t value;
    std::size_t length;
};
DecodedChar DecodeUtf8(std::string_view s, std::size_t pos) noexcept;

// The single character that s consists of, or nothing when s is empty, holds more than one
// character, or is not valid UTF-8.
std::optional<char32_t> SingleCharacter(std::string_view s) noexcept;

// Separators taken from the C library's current LC_NUMERIC locale (texts in UTF-8); "." and ","
// where the locale gives none, or more than one character.
Separators SeparatorsFromCLocale();

// Picks separators from locale texts: each one that is not exactly one character falls back to
// its default ("." and ",").
Separators SeparatorsFromTexts(std::string_view decimal, std::string_view thousands) noexcept;

} // namespace quellfin
