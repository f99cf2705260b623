#pragma once

// The glass check in words, as the window, the printout and the report tool show it: the same
// Portuguese texts and the same table cells everywhere, numbers with the user's decimal separator.

#include "quellfin/glass_check.hpp"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace quellfin {

std::string_view PaneName(PaneKind pane) noexcept; // "Frente/trás"
std::string_view PaneKey(PaneKind pane) noexcept;  // the machine word: "front", "side", "bottom"
// "Vidro adequado", "Fator de segurança baixo", "Vidro inseguro", "Sem água".
std::string_view StatusText(GlassStatus status) noexcept;
// The machine words of a status: "ok", "low", "unsafe", "no water".
std::string_view StatusKey(GlassStatus status) noexcept;
std::string_view TopSupportText(TopSupport top) noexcept;           // "com travessas ou moldura"
std::string_view BottomSupportText(BottomSupport support) noexcept; // "base plana com manta"

// One sentence: the lowest safety factor against the target and the thickness to buy, e.g.
// "Fator de segurança 2,3 (mínimo 3,8): use vidro de 6 mm".
std::string GlassSummary(const GlassCheck& check, char32_t decimal);

// The top edge the check assumes, in one sentence for the field's tooltip.
std::string_view GlassAssumption(const GlassCheck& check) noexcept;

// What the check assumes, and what follows from it, a sentence each.
std::vector<std::string> GlassNotes(const GlassCheck& check, char32_t decimal);

// What was checked, a line each: the glass thickness, the water depth, the top edge and the
// bottom's support.
std::vector<std::string> GlassHeading(const GlassCheck& check, char32_t decimal);

// "Resultado: Fator de segurança baixo. Fator de segurança 2,3 (mínimo 3,8): use vidro de 6 mm"
std::string GlassResult(const GlassCheck& check, char32_t decimal);

// "Carga no piso: 430 kg/m²" (or that there is no footprint).
std::string FloorLoadText(const GlassCheck& check, char32_t decimal);

struct GlassTable {
    static constexpr std::size_t kColumns = 7;
    using Row = std::array<std::string, kColumns>;
    Row header;
    std::array<Row, 3> rows; // front and back, sides, bottom
};
GlassTable MakeGlassTable(const GlassCheck& check, char32_t decimal);

// The whole check as aligned plain text: a heading, the table, the result, the floor load and the
// notes, each line ending in a newline.
std::string GlassText(const GlassCheck& check, char32_t decimal);

// How many characters (code points) a UTF-8 text shows.
std::size_t DisplayWidth(std::string_view text) noexcept;

} // namespace quellfin
