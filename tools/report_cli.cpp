#include "report_cli.hpp"

#include "quellfin/form_state.hpp"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace quellfin {

namespace {

constexpr std::string_view kUsage =
    R"(Usage: quellfin-report [--decimal C] [--thousands C] [ACTION...]

Prints the aquarium report for the default tank after applying each ACTION in order,
as a user would in the window:
  NAME=TEXT     type TEXT into a number field and press Enter; NAME is one of
                dlina, shirina, visota, steklo, sloi, zatirka, grunt, voda
  plotnost=N    select entry N (counting from 0) of a list; also rastenia=N, riba=N
  click=1       click the first construction button (walls on the bottom pane)
  click=2       click the second one (bottom pane between the walls)

Options:
  --decimal C     decimal separator, one character (default: from LC_NUMERIC, else ".")
  --thousands C   thousands separator, one character (default: from LC_NUMERIC, else ",")
  --help          show this text
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

} // namespace

int RunReportTool(std::span<const std::string_view> args, std::ostream& out, std::ostream& err,
                  Separators localeSeparators) {
    Separators separators = localeSeparators;
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
        if (arg == "--decimal" || arg == "--thousands") {
            if (i + 1 >= args.size()) {
                return fail("'" + std::string(arg) + "' needs a character after it");
            }
            const std::string_view text = args[++i];
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

    FormState form(separators);
    for (const UserAction& action : actions) {
        form.apply(action);
    }
    out << ReportText(form.report());
    out.flush();
    return 0;
}

} // namespace quellfin
