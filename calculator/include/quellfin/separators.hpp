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

// The UTF-8 form of UTF-16 text (as Windows hands it over); an unpaired surrogate becomes U+FFFD.
std::string Utf8FromUtf16(std::u16string_view text);

// The single character that s consists of, or nothing when s is empty, holds more than one
// character, or is not valid UTF-8.
std::optional<char32_t> SingleCharacter(std::string_view s) noexcept;

// The user's separators as this platform reports them: on POSIX systems the LC_NUMERIC locale
// that the environment names (LC_ALL, LC_NUMERIC, LANG), on Windows the user's regional settings.
// Each one that is not exactly one character falls back to "." and ",". Reads the setting anew on
// every call and leaves the program's own locale alone.
Separators UserSeparators();

// Picks separators from locale texts: each one that is not exactly one character falls back to
// its default ("." and ",").
Separators SeparatorsFromTexts(std::string_view decimal, std::string_view thousands) noexcept;

} // namespace quellfin
