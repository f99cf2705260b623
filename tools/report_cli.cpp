#include "report_cli.hpp"

#include "quellfin/form_state.hpp"
#include "quellfin/glass_text.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace quellfin {

namespace {

constexpr std::string_view kUsage =
    R"(Usage: quellfin-report [--glass | --json] [--top braced|rimless] [--bottom flat|edges]
                       [--decimal C] [--thousands C] [ACTION...]

Prints the aquarium report for the default tank after applying each ACTION in order,
as a user would in the window:
  NAME=TEXT     type TEXT into a number field and press Enter; NAME is one of
                dlina, shirina, visota, steklo, sloi, zatirka, grunt, voda
  plotnost=N    select entry N (counting from 0) of a list; also rastenia=N, riba=N
  click=1       click the first construction button (walls on the bottom pane)
  click=2       click the second one (bottom pane between the walls)

Options:
  --glass         print the glass check instead of the report: every pane's size, safety
                  factor, required and recommended thickness and deflection, the verdict,
                  the floor load and what the check assumes
  --json          print one JSON object {"report": [the 37 lines], "glass": {...}};
                  numbers in "glass" always use "."
  --top braced|rimless
                  with --glass or --json: braces or a frame hold the walls' top edge
                  (braced, the default: the builders' tables) or the top edge is free
                  (rimless: the walls are computed as plates with a free top edge)
  --bottom flat|edges
                  with --glass or --json: the bottom pane rests on a flat stand with a mat
                  (flat, the default: its figures are information) or only on its edges
                  (edges: the bottom counts in the verdict)
  --decimal C     decimal separator, one character (default: the user's locale, else ".")
  --thousands C   thousands separator, one character (default: the user's locale, else ",")
  --help          show this text

Exit status: 0 when the output was written, 2 for a bad argument (one line on stderr).
)";

struct UsageError {
    std::string message;
};

template <typename Table> auto FindByName(const Table& table, std::string_view name) {
    return std::find_if(table.begin(), table.end(),
                        [&](const auto& entry) { return entry.name == name; });
}

std::optional<int> WholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// One argument as the user's actions: typing into a field is an edit followed by Enter.
using Actions = std::vector<UserAction>;
std::variant<Actions, UsageError> ParseAction(std::string_view arg) {
    const std::size_t equals = arg.find('=');
    if (equals == std::string_view::npos) {
        return UsageError{"unknown argument '" + std::string(arg) + "'"};
    }
    const std::string_view name = arg.substr(0, equals);
    const std::string_view value = arg.substr(equals + 1);
    if (const auto input = FindByName(kInputs, name); input != kInputs.end()) {
        return Actions{EditText{input->id, std::string(value)}, CommitInput{input->id}};
    }
    if (const auto choice = FindByName(kChoices, name); choice != kChoices.end()) {
        const auto index = WholeNumber(value);
        const auto count = static_cast<int>(choice->items.size());
        if (!index || *index < 0 || *index >= count) {
            return UsageError{"'" + std::string(arg) + "': " + std::string(name) +
                              " takes an entry number from 0 to " + std::to_string(count - 1)};
        }
        return Actions{SelectEntry{choice->id, *index}};
    }
    if (name == "click") {
        if (value == "1") {
            return Actions{ClickRadio{RadioId::RadioButton1}};
        }
        if (value == "2") {
            return Actions{ClickRadio{RadioId::RadioButton2}};
        }
        return UsageError{"'" + std::string(arg) + "': click takes 1 or 2"};
    }
    return UsageError{"unknown field in '" + std::string(arg) + "'"};
}

enum class Output { Report, Glass, Json };

// The words of the glass check's choices, on the command line and in the JSON output.
template <typename Value> struct Word {
    std::string_view word;
    Value value;
};
constexpr std::array<Word<TopSupport>, 2> kTopWords{{
    {"braced", TopSupport::Braced},
    {"rimless", TopSupport::Rimless},
}};
constexpr std::array<Word<BottomSupport>, 2> kBottomWords{{
    {"flat", BottomSupport::Flat},
    {"edges", BottomSupport::Edges},
}};

template <typename Value, std::size_t N>
bool Choose(const std::array<Word<Value>, N>& words, std::string_view text, Value& chosen) {
    const auto found = std::find_if(words.begin(), words.end(),
                                    [&](const Word<Value>& w) { return w.word == text; });
    if (found == words.end()) {
        return false;
    }
    chosen = found->value;
    return true;
}

template <typename Value, std::size_t N>
std::string_view WordFor(const std::array<Word<Value>, N>& words, Value value) {
    return std::find_if(words.begin(), words.end(),
                        [&](const Word<Value>& w) { return w.value == value; })
        ->word;
}

// "braced or rimless"
template <typename Value> std::string Alternatives(const std::array<Word<Value>, 2>& words) {
    return std::string(words[0].word) + " or " + std::string(words[1].word);
}

// The check as JSON: figures in millimetres, newtons and kilograms, "." as the decimal point.
nlohmann::ordered_json GlassJson(const GlassCheck& check) {
    using nlohmann::ordered_json;
    const auto orNull = [](const std::optional<double>& x) {
        return x ? ordered_json(*x) : ordered_json(nullptr);
    };
    ordered_json panes = ordered_json::array();
    for (const PaneCheck& p : check.panes) {
        panes.push_back({
            {"pane", PaneKey(p.pane)},
            {"span_mm", p.span},
            {"height_mm", p.height},
            {"ratio", p.ratio},
            {"beta", p.beta},
            {"alpha", p.alpha},
            {"in_verdict", p.inVerdict},
            {"required_mm", p.required},
            {"recommended_mm", orNull(p.recommended)},
            {"safety_factor", orNull(p.safetyFactor)},
            {"deflection_mm", orNull(p.deflection)},
        });
    }
    return {
        {"water_depth_mm", check.waterDepth},
        {"glass_thickness_mm", check.thickness},
        {"safety_factor_target", glass::kTargetSafetyFactor},
        {"top", WordFor(kTopWords, check.options.top)},
        {"bottom_support", WordFor(kBottomWords, check.options.bottom)},
        {"status", StatusKey(check.status)},
        {"lowest_safety_factor", orNull(check.lowestSafetyFactor)},
        {"recommended_mm", orNull(check.recommended)},
        {"floor_load_kg_m2", orNull(check.floorLoad)},
        {"panes", panes},
    };
}

} // namespace

int RunReportTool(std::span<const std::string_view> args, std::ostream& out, std::ostream& err,
                  Separators localeSeparators) {
    Separators separators = localeSeparators;
    Output output = Output::Report;
    GlassOptions glassOptions;
    std::string_view glassOnlyOption; // an option that needs --glass or --json
    Actions actions;
    const auto fail = [&](const std::string& message) {
        err << "quellfin-report: " << message << " (see --help)\n";
        return kExitUsage;
    };

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--help" || arg == "-h") {
            out << kUsage;
            return 0;
        }
        if (arg == "--glass" || arg == "--json") {
            const Output wanted = arg == "--glass" ? Output::Glass : Output::Json;
            if (output != Output::Report && output != wanted) {
                return fail("--glass and --json exclude each other");
            }
            output = wanted;
            continue;
        }
        if (arg == "--decimal" || arg == "--thousands" || arg == "--top" || arg == "--bottom") {
            if (i + 1 >= args.size()) {
                return fail("'" + std::string(arg) + "' needs a value after it");
            }
            const std::string_view text = args[++i];
            if (arg == "--top" || arg == "--bottom") {
                const bool known = arg == "--top" ? Choose(kTopWords, text, glassOptions.top)
                                                  : Choose(kBottomWords, text, glassOptions.bottom);
                if (!known) {
                    const std::string say =
                        arg == "--top" ? Alternatives(kTopWords) : Alternatives(kBottomWords);
                    return fail("'" + std::string(arg) + " " + std::string(text) + "': say " + say);
                }
                glassOnlyOption = arg;
                continue;
            }
            const auto c = SingleCharacter(text);
            if (!c) {
                return fail("'" + std::string(arg) + " " + std::string(text) +
                            "': a separator is exactly one character");
            }
            (arg == "--decimal" ? separators.decimal : separators.thousands) = *c;
            continue;
        }
        if (arg.starts_with("-")) {
            return fail("unknown option '" + std::string(arg) + "'");
        }
        auto parsed = ParseAction(arg);
        if (const auto* error = std::get_if<UsageError>(&parsed)) {
            return fail(error->message);
        }
        for (UserAction& action : std::get<Actions>(parsed)) {
            actions.push_back(std::move(action));
        }
    }
    if (output == Output::Report && !glassOnlyOption.empty()) {
        return fail("'" + std::string(glassOnlyOption) + "' needs --glass or --json");
    }

    FormState form(separators);
    for (const UserAction& action : actions) {
        form.apply(action);
    }
    switch (output) {
    case Output::Report:
        out << ReportText(form.report());
        break;
    case Output::Glass:
        out << GlassText(CheckGlass(form.fields(), form.quantities(), glassOptions),
                         separators.decimal);
        break;
    case Output::Json: {
        const nlohmann::ordered_json json{
            {"report", form.report()},
            {"glass", GlassJson(CheckGlass(form.fields(), form.quantities(), glassOptions))},
        };
        out << json.dump(2) << '\n';
        break;
    }
    }
    out.flush();
    return 0;
}

} // namespace quellfin
