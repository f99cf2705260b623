#include "quellfin/separators.hpp"

#include <gtest/gtest.h>
#include <string>

namespace quellfin {
namespace {

TEST(Utf8FromUtf16, ConvertsWhatWindowsHandsOver) {
    struct Case {
        std::u16string in;
        std::string out;
    };
    const Case cases[] = {
        {u"", ""},
        {u"dlina=60,5", "dlina=60,5"},
        {u"m\u00E1rmore", "m\xC3\xA1rmore"},                 // two bytes
        {u"1\u202F000\u066B5", "1\u202F000\u066B5"},         // three bytes
        {u"\U0001F41F", "\xF0\x9F\x90\x9F"},                 // a surrogate pair: four bytes
        {std::u16string{u'a', char16_t(0xD83D)}, "a\uFFFD"}, // a high surrogate at the end
        {std::u16string{char16_t(0xDC1F), u'b'}, "\uFFFDb"}, // a low one alone
        {std::u16string{char16_t(0xD83D), char16_t(0xD83D), char16_t(0xDC1F)},
         "\uFFFD\U0001F41F"}, // an unpaired high one before a pair
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Utf8FromUtf16(c.in), c.out) << c.out;
    }
}

TEST(SeparatorsFromTexts, TakesOneCharacterEachAndFallsBackOtherwise) {
    EXPECT_EQ(SeparatorsFromTexts(",", "."), (Separators{U',', U'.'}));
    EXPECT_EQ(SeparatorsFromTexts("\u066B", "\u202F"), (Separators{U'\u066B', U'\u202F'}));
    EXPECT_EQ(SeparatorsFromTexts(".", ""), (Separators{U'.', U','}));      // the C locale
    EXPECT_EQ(SeparatorsFromTexts(",,", "\xA0"), (Separators{U'.', U','})); // two; not UTF-8
    EXPECT_EQ(SeparatorsFromTexts("", "'."), (Separators{U'.', U','}));
}

} // namespace
} // namespace quellfin
