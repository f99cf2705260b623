// The whole form driven by a sequence of user actions decoded from the input.
//
// After every action: 37 report lines of expected characters, every result within 0..100000, and a
// glass check whose every figure is finite and whose verdict agrees with its safety factors.
// At the end: a fresh form given the same final inputs writes the same report, apart from the
// glass-weight lines, which may legitimately differ by the history of the stored glass weight.

#include "quellfin/form_state.hpp"
#include "quellfin/glass_text.hpp"
#include "quellfin/separators.hpp"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>

using namespace quellfin;

namespace {

constexpr std::array<Separators, 4> kSeparators{
    {{U'.', U','}, {U',', U'.'}, {U',', U'\u202F'}, {U'\u066B', U'\u066C'}}};

// Characters typed into the fields: mostly what numbers are made of.
constexpr std::string_view kTyping = "0123456789012345678901234567890123456789..,,-+eE 5";

class Reader {
public:
    Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    [[nodiscard]] bool empty() const { return pos_ >= size_; }
    std::uint8_t next() { return pos_ < size_ ? data_[pos_++] : 0; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

UserAction Decode(Reader& in) {
    const std::uint8_t op = in.next();
    const auto input = static_cast<InputId>(in.next() % kInputCount);
    switch (op % 8) {
    case 0: {
        std::string text;
        const int length = in.next() % 14;
        for (int i = 0; i < length; ++i) {
            const std::uint8_t b = in.next();
            text += b < 0xF0 ? kTyping[b % kTyping.size()] : static_cast<char>(b);
        }
        return EditText{input, text};
    }
    case 1:
    case 2:
        return CommitInput{input};
    case 3:
        return RevertInput{input};
    case 4:
        return TakeOverInput{input};
    case 5:
        return SelectEntry{static_cast<ChoiceId>(in.next() % kChoiceCount),
                           static_cast<int>(in.next() % 8) - 1};
    case 6:
        return ClickRadio{static_cast<RadioId>(in.next() % 2)};
    default:
        return (op & 0x80) != 0 ? UserAction{DoubleClickRadio{static_cast<RadioId>(in.next() % 2)}}
                                : UserAction{SpaceOnRadio{static_cast<RadioId>(in.next() % 2)}};
    }
}

[[noreturn]] void Fail(const char* what, std::string_view detail = {}) {
    std::fprintf(stderr, "%s: %.*s\n", what, static_cast<int>(detail.size()), detail.data());
    std::abort();
}

bool Expected(char32_t c, char32_t decimal) {
    constexpr std::u32string_view kAccented = U"áãçíé";
    return (c >= 0x20 && c <= 0x7E) || c == decimal ||
           kAccented.find(c) != std::u32string_view::npos;
}

// The checks are left out of the coverage feedback: their branches say nothing about the code
// under test and would only slow the search down.
__attribute__((no_sanitize("coverage"))) void CheckReport(const FormState& form) {
    const Report& report = form.report();
    for (const std::string& line : report) {
        for (std::size_t pos = 0; pos < line.size();) {
            const auto byte = static_cast<unsigned char>(line[pos]);
            if (byte >= 0x20 && byte <= 0x7E) {
                ++pos;
                continue;
            }
            const DecodedChar c = DecodeUtf8(line, pos);
            if (!Expected(c.value, form.separators().decimal)) {
                Fail("unexpected character in the report", line);
            }
            pos += c.length;
        }
        if (line.find("NAN") != std::string::npos || line.find("INF") != std::string::npos) {
            Fail("a number that is none in the report", line);
        }
    }
}

void CheckResults(const FormState& form) {
    for (const ResultDefinition& r : kResults) {
        const double stored = form.fields().result(r.id).storedNumber();
        if (!(stored >= kFieldMin && stored <= kFieldMax)) {
            Fail("a result left its range", r.name);
        }
    }
}

// The braced check after every action; the rimless one, which solves two plates (a hundred times
// the table look-up), once an input, with the bottom counting (rimless walls do not depend on it).
constexpr std::array<GlassOptions, 2> kBracedChecks{{
    {TopSupport::Braced, BottomSupport::Flat},
    {TopSupport::Braced, BottomSupport::Edges},
}};
constexpr std::array<GlassOptions, 1> kRimlessChecks{{{TopSupport::Rimless, BottomSupport::Edges}}};

__attribute__((no_sanitize("coverage"))) void
CheckGlassFigures(const FormState& form, std::span<const GlassOptions> checks) {
    const auto finite = [](const std::optional<double>& x) { return !x || std::isfinite(*x); };
    for (const GlassOptions& options : checks) {
        const GlassCheck check = CheckGlass(form.fields(), form.quantities(), options);
        bool anyLoaded = false;
        for (const PaneCheck& p : check.panes) {
            if (!std::isfinite(p.ratio) || !std::isfinite(p.beta) || !std::isfinite(p.alpha) ||
                !std::isfinite(p.required) || !finite(p.safetyFactor) || !finite(p.deflection)) {
                Fail("a glass figure that is no number", PaneName(p.pane));
            }
            if (p.inVerdict && p.loaded()) {
                anyLoaded = true;
                if (*p.safetyFactor < *check.lowestSafetyFactor) {
                    Fail("a pane below the lowest safety factor", PaneName(p.pane));
                }
            }
        }
        if (anyLoaded == (check.status == GlassStatus::NoWater) || !finite(check.floorLoad)) {
            Fail("the glass verdict disagrees with its panes", StatusKey(check.status));
        }
        const std::string text = GlassText(check, form.separators().decimal);
        if (text.find("NAN") != std::string::npos || text.find("INF") != std::string::npos) {
            Fail("a number that is none in the glass check", text);
        }
    }
}

// Lines 20 and 22 to 24 print the glass weight, whose stored rounding depends on the history.
bool DependsOnGlassHistory(std::size_t index) {
    return index == 19 || (index >= 21 && index <= 23);
}

// The fields as the last recalculation saw them (an input can move afterwards without a run: Up
// within the display tolerance stores without committing).
struct Snapshot {
    std::array<double, kInputCount> inputs{};
    std::array<int, kChoiceCount> choices{};
    bool wallsOnBottom = true;
};

Snapshot Capture(const FormState& form) {
    Snapshot s;
    for (const InputDefinition& d : kInputs) {
        s.inputs[static_cast<std::size_t>(d.id)] = form.fields().input(d.id).storedNumber();
    }
    for (const ChoiceDefinition& d : kChoices) {
        s.choices[static_cast<std::size_t>(d.id)] = form.fields().choice(d.id).itemIndex();
    }
    s.wallsOnBottom = form.fields().RadioButton1Checked;
    return s;
}

void CompareWithFreshForm(const FormState& form, const Snapshot& seen) {
    FormState fresh(form.separators());
    for (const InputDefinition& d : kInputs) {
        NumberField& field = fresh.fields().input(d.id);
        field.store(seen.inputs[static_cast<std::size_t>(d.id)]);
        if (field.storedNumber() != seen.inputs[static_cast<std::size_t>(d.id)]) {
            return; // an input stands unrounded where a single store rounds it: no claim
        }
    }
    for (const ChoiceDefinition& d : kChoices) {
        fresh.select(d.id, seen.choices[static_cast<std::size_t>(d.id)]);
    }
    fresh.fields().RadioButton1Checked = seen.wallsOnBottom;
    fresh.CalcularClick();
    for (std::size_t i = 0; i < kReportLines; ++i) {
        if (!DependsOnGlassHistory(i) && fresh.report()[i] != form.report()[i]) {
            Fail("a fresh form with the same inputs reports otherwise", form.report()[i]);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Reader in(data, size);
    FormState form(kSeparators[in.next() % kSeparators.size()]);
    Snapshot seen = Capture(form);
    bool rewritten = false;
    form.addReportObserver([&] {
        seen = Capture(form);
        rewritten = true;
    });
    CheckReport(form);
    CheckResults(form);
    CheckGlassFigures(form, kBracedChecks);
    for (int actions = 0; !in.empty() && actions < 32; ++actions) {
        form.apply(Decode(in));
        if (rewritten) { // an action that runs nothing leaves the report as it was
            CheckReport(form);
            CheckResults(form);
            CheckGlassFigures(form, kBracedChecks);
            rewritten = false;
        }
    }
    CheckGlassFigures(form, kRimlessChecks);
    CompareWithFreshForm(form, seen);
    return 0;
}
