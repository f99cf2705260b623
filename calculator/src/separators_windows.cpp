#include "quellfin/separators.hpp"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <iterator>
#include <string>
#include <string_view>
#include <windows.h>

namespace quellfin {

namespace {

// One of the user's regional settings in UTF-8; empty when Windows does not give it.
std::string UserLocaleText(LCTYPE what) {
    wchar_t buffer[16]; // Windows keeps these to three characters and the end
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, what, buffer,
                                       static_cast<int>(std::size(buffer)));
    if (length <= 1) {
        return {};
    }
    const std::wstring_view text(buffer, static_cast<std::size_t>(length - 1)); // without the end
    return Utf8FromUtf16(std::u16string(text.begin(), text.end()));
}

} // namespace

Separators UserSeparators() {
    return SeparatorsFromTexts(UserLocaleText(LOCALE_SDECIMAL), UserLocaleText(LOCALE_STHOUSAND));
}

} // namespace quellfin
