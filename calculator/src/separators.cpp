#include "quellfin/separators.hpp"

namespace quellfin {

void AppendUtf8(std::string& out, char32_t c) {
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        c = 0xFFFD;
    }
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

DecodedChar DecodeUtf8(std::string_view s, std::size_t pos) noexcept {
    constexpr DecodedChar kInvalid{0xFFFD, 1};
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(pos);
    if (lead < 0x80) {
        return {lead, 1};
    }
    std::size_t length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, value = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, value = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, value = lead & 0x07, minimum = 0x10000;
    } else {
        return kInvalid;
    }
    if (pos + length > s.size()) {
        return kInvalid;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned char next = byte(pos + i);
        if ((next & 0xC0) != 0x80) {
            return kInvalid;
        }
        value = (value << 6) | (next & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return kInvalid;
    }
    return {value, length};
}

std::string Utf8FromUtf16(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        const bool high = unit >= 0xD800 && unit <= 0xDBFF;
        if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            const char32_t low = text[++i];
            AppendUtf8(out, 0x10000 + ((char32_t{unit} - 0xD800) << 10) + (low - 0xDC00));
        } else {
            AppendUtf8(out, unit); // a lone surrogate comes out as U+FFFD
        }
    }
    return out;
}

std::optional<char32_t> SingleCharacter(std::string_view s) noexcept {
    if (s.empty()) {
        return std::nullopt;
    }
    const DecodedChar decoded = DecodeUtf8(s, 0);
    if (decoded.length != s.size() || (decoded.value == 0xFFFD && s != "\xEF\xBF\xBD")) {
        return std::nullopt;
    }
    return decoded.value;
}

Separators SeparatorsFromTexts(std::string_view decimal, std::string_view thousands) noexcept {
    const Separators defaults;
    return {SingleCharacter(decimal).value_or(defaults.decimal),
            SingleCharacter(thousands).value_or(defaults.thousands)};
}

} // namespace quellfin
