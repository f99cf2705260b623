#include "quellfin/separators.hpp"

#include <clocale>
#include <locale.h>

namespace quellfin {

Separators UserSeparators() {
    // The numeric locale the environment names, read through a locale object of its own, so the
    // answer does not depend on whether anyone called setlocale() and changes nothing for others.
    const locale_t user = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(0));
    if (user == static_cast<locale_t>(0)) {
        return {}; // a locale the system does not have
    }
    const locale_t previous = uselocale(user);
    const std::lconv* conv = std::localeconv();
    const Separators separators =
        conv == nullptr
            ? Separators{}
            : SeparatorsFromTexts(conv->decimal_point != nullptr ? conv->decimal_point : "",
                                  conv->thousands_sep != nullptr ? conv->thousands_sep : "");
    uselocale(previous);
    freelocale(user);
    return separators;
}

} // namespace quellfin
