#pragma once

#include "quellfin/separators.hpp"

#include <ostream>
#include <span>
#include <string_view>

namespace quellfin {

inline constexpr int kExitUsage = 2;

// The headless report tool: starts as the window does, applies its arguments in order as the
// user's actions, and writes the 37 report lines to `out`. Bad arguments: one line on `err`,
// nothing on `out`, exit status 2. `localeSeparators` stand where no option names a separator.
int RunReportTool(std::span<const std::string_view> args, std::ostream& out, std::ostream& err,
                  Separators localeSeparators);

} // namespace quellfin
