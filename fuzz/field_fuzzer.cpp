// Text to number and commit on a single number field, under varied settings and separators.
//
// Input: byte 0 picks the value type, decimals and separators; byte 1 the starting value and
// whether the text is committed (Enter) or taken over (Up/Down/wheel); the rest is the typed text.

#include "quellfin/number_field.hpp"
#include "quellfin/number_text.hpp"
#include "quellfin/round.hpp"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace quellfin;

namespace {

constexpr std::array<Separators, 6> kSeparators{{
    {U'.', U','},
    {U',', U'.'},
    {U'.', U'\u00A0'},
    {U',', U'\u202F'},
    {U'\u066B', U'\u066C'},
    {U',', U','},
}};
constexpr std::array<double, 6> kStart{0, 60, 4, 8.831, 100000, 99999.995};

[[noreturn]] void Fail(const char* what, std::string_view text) {
    std::fprintf(stderr, "%s (text: \"%.*s\")\n", what, static_cast<int>(text.size()), text.data());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const std::uint8_t config = data[0];
    const std::uint8_t mode = data[1];
    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);

    const Separators separators = kSeparators[(config >> 3) % kSeparators.size()];
    const FieldSettings settings{(config & 1) != 0 ? ValueType::Integer : ValueType::Float,
                                 (config >> 1) & 3, 0, 100000, kStart[mode % kStart.size()]};
    NumberField field(settings, separators);
    int changes = 0;
    field.setOnChange([&] { ++changes; });
    const double before = field.value();
    const auto parsed = ParseNumber(text, separators);

    field.setText(text);
    if ((mode & 0x80) == 0) {
        const bool committed = field.commitIfEdited();
        if (committed != (changes == 1)) {
            Fail("a commit must fire exactly one change", text);
        }
        if (field.text() != field.textOf(field.storedNumber())) {
            Fail("after a commit the text must be that of the stored value", text);
        }
        if (committed && field.committedText() != field.text()) {
            Fail("the committed text must be the shown text", text);
        }
        // A text that is no number brings back the previous value, as its text shows it (a
        // value taken over unrounded is rounded to the field's decimals by the commit).
        if (committed && !parsed && !text.empty() &&
            field.value() != ParseNumber(field.textOf(before), separators)) {
            Fail("a text that is no number must leave the value unchanged", text);
        }
        if (committed && text.empty() && field.value() != 0) {
            Fail("an empty text must give the minimum", text);
        }
        if (field.commitIfEdited()) {
            Fail("a second Enter must not commit again", text);
        }
    } else {
        field.takeOver();
    }

    const double value = field.value();
    if (!(value >= 0 && value <= 100000)) {
        Fail("the value left the range", text);
    }
    if (settings.valueType == ValueType::Integer && value != std::floor(value)) {
        Fail("an integer field read a fraction", text);
    }

    // Differential check of the reader against the C library on plain ASCII numbers.
    if (parsed && separators == Separators{U'.', U','} &&
        text.find_first_of(",\xC2\xE2\xD9") == std::string_view::npos) {
        const std::string copy(text);
        const double reference = std::strtod(copy.c_str(), nullptr);
        if (std::fabs(reference) > 1e-300 && *parsed != reference) {
            Fail("the reader disagrees with strtod", text);
        }
    }
    return 0;
}
