#include "quellfin/glass_text.hpp"

#include "quellfin/number_text.hpp"
#include "quellfin/round.hpp"

#include <algorithm>
#include <cmath>

namespace quellfin {

namespace {

constexpr std::string_view kNone = "—";

// What the user reads, and the word the JSON output uses, in the order of the enumeration.
struct Words {
    std::string_view text;
    std::string_view key;
};
constexpr std::array<Words, 3> kPaneWords{{
    {"Frente/trás", "front"},
    {"Laterais", "side"},
    {"Fundo", "bottom"},
}};
constexpr std::array<Words, 4> kStatusWords{{
    {"Vidro adequado", "ok"},
    {"Fator de segurança baixo", "low"},
    {"Vidro inseguro", "unsafe"},
    {"Sem água", "no water"},
}};

// Fixed decimals for the sizes a tank has; whole numbers in the general format beyond that.
std::string Shown(double x, int decimals, char32_t decimal) {
    if (std::fabs(x) < 1e6) {
        return FixedText(x, decimals, decimal);
    }
    return NumberText(static_cast<double>(Round(x)), decimal);
}

std::string Millimetres(double x, char32_t decimal) {
    return NumberText(x, decimal);
}

std::string Thickness(const std::optional<double>& stock, char32_t decimal) {
    if (!stock) {
        return "acima de " + Millimetres(glass::kStockThicknesses.back(), decimal);
    }
    return Millimetres(*stock, decimal);
}

} // namespace

std::string_view PaneName(PaneKind pane) noexcept {
    return kPaneWords[static_cast<std::size_t>(pane)].text;
}

std::string_view PaneKey(PaneKind pane) noexcept {
    return kPaneWords[static_cast<std::size_t>(pane)].key;
}

std::string_view StatusText(GlassStatus status) noexcept {
    return kStatusWords[static_cast<std::size_t>(status)].text;
}

std::string_view StatusKey(GlassStatus status) noexcept {
    return kStatusWords[static_cast<std::size_t>(status)].key;
}

std::string_view TopSupportText(TopSupport top) noexcept {
    return top == TopSupport::Braced ? "com travessas ou moldura" : "sem travessas (rimless)";
}

std::string_view BottomSupportText(BottomSupport support) noexcept {
    return support == BottomSupport::Flat ? "base plana com manta" : "só nas bordas";
}

std::string GlassSummary(const GlassCheck& check, char32_t decimal) {
    if (!check.lowestSafetyFactor) {
        return "Sem água: o vidro não está sob carga";
    }
    std::string text = "Fator de segurança " + Shown(*check.lowestSafetyFactor, 1, decimal) +
                       " (mínimo " + FixedText(glass::kTargetSafetyFactor, 1, decimal) + "): ";
    if (!check.recommended) {
        return text + "nem vidro de " + Millimetres(glass::kStockThicknesses.back(), decimal) +
               " mm basta; use travessas ou vidro laminado";
    }
    const std::string stock = "vidro de " + Millimetres(*check.recommended, decimal) + " mm";
    if (check.status == GlassStatus::Ok) {
        return text + "vidro adequado; basta " + stock;
    }
    return text + "use " + stock;
}

std::string_view GlassAssumption(const GlassCheck& check) noexcept {
    return check.options.top == TopSupport::Braced
               ? "Cálculo para topo com travessas ou moldura."
               : "Cálculo para aquário sem travessas (rimless): borda de cima livre.";
}

std::vector<std::string> GlassNotes(const GlassCheck& check, char32_t decimal) {
    std::vector<std::string> notes;
    if (check.options.top == TopSupport::Braced) {
        notes.emplace_back("Topo com travessas ou moldura: as quatro bordas de cada parede estão "
                           "apoiadas.");
        notes.push_back("Aquários sem travessas (rimless) precisam de muito mais: o conselho usual "
                        "é fator de segurança " +
                        NumberText(glass::kRimlessAdvice, decimal) +
                        " ou mais; escolha \"sem travessas\" para calcular.");
    } else {
        notes.emplace_back("Topo sem travessas (rimless): a borda de cima de cada parede é livre; "
                           "as paredes são calculadas como placas (teoria de placas finas, série "
                           "de Lévy) com o mesmo fator de segurança mínimo.");
    }
    if (check.options.bottom == BottomSupport::Flat) {
        notes.emplace_back("Fundo sobre base plana com manta: ele não se curva, e seus números são "
                           "só informativos.");
    } else {
        notes.emplace_back("Fundo apoiado só nas bordas: ele entra no resultado.");
    }
    notes.push_back("Vidro float comum (recozido): módulo de ruptura " +
                    NumberText(glass::kModulusOfRupture, decimal) +
                    " MPa, módulo de elasticidade " + NumberText(glass::kYoungsModulus, decimal) +
                    " MPa.");
    return notes;
}

std::vector<std::string> GlassHeading(const GlassCheck& check, char32_t decimal) {
    return {
        "Espessura do vidro: " + NumberText(check.thickness, decimal) + " mm",
        "Profundidade da água: " + NumberText(std::max(check.waterDepth, 0.0), decimal) + " mm",
        "Topo do aquário: " + std::string(TopSupportText(check.options.top)),
        "Apoio do fundo: " + std::string(BottomSupportText(check.options.bottom)),
    };
}

std::string GlassResult(const GlassCheck& check, char32_t decimal) {
    return "Resultado: " + std::string(StatusText(check.status)) + ". " +
           GlassSummary(check, decimal);
}

std::string FloorLoadText(const GlassCheck& check, char32_t decimal) {
    if (!check.floorLoad) {
        return "Carga no piso: " + std::string(kNone) + " (sem área de apoio)";
    }
    return "Carga no piso: " + NumberText(static_cast<double>(Round(*check.floorLoad)), decimal) +
           " kg/m²";
}

GlassTable MakeGlassTable(const GlassCheck& check, char32_t decimal) {
    GlassTable table;
    table.header = {"Vidro",           "Tamanho (mm)",     "Razão",      "Fator de segurança",
                    "Necessário (mm)", "Recomendado (mm)", "Flecha (mm)"};
    for (std::size_t i = 0; i < check.panes.size(); ++i) {
        const PaneCheck& p = check.panes[i];
        GlassTable::Row& row = table.rows[i];
        row[0] = PaneName(p.pane);
        if (!p.inVerdict) {
            row[0] += " (informativo)";
        }
        row[1] =
            Millimetres(p.span, decimal) + " x " + Millimetres(std::max(p.height, 0.0), decimal);
        if (!p.loaded()) {
            row[2] = kNone;
            row[3] = "sem água";
            row[4] = row[5] = row[6] = kNone;
            continue;
        }
        row[2] = FixedText(p.ratio, 2, decimal);
        row[3] = Shown(*p.safetyFactor, 1, decimal);
        row[4] = Shown(p.required, 1, decimal);
        row[5] = Thickness(p.recommended, decimal);
        row[6] = p.deflection ? Shown(*p.deflection, 2, decimal) : std::string(kNone);
    }
    return table;
}

std::size_t DisplayWidth(std::string_view text) noexcept {
    std::size_t width = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += DecodeUtf8(text, pos).length) {
        ++width;
    }
    return width;
}

std::string GlassText(const GlassCheck& check, char32_t decimal) {
    std::string out = "VERIFICAÇÃO DO VIDRO\n";
    for (const std::string& line : GlassHeading(check, decimal)) {
        out += line + '\n';
    }
    out += '\n';

    const GlassTable table = MakeGlassTable(check, decimal);
    std::array<std::size_t, GlassTable::kColumns> widths{};
    const auto measure = [&](const GlassTable::Row& row) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            widths[c] = std::max(widths[c], DisplayWidth(row[c]));
        }
    };
    measure(table.header);
    for (const auto& row : table.rows) {
        measure(row);
    }
    const auto write = [&](const GlassTable::Row& row) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            const std::string padding(widths[c] - DisplayWidth(row[c]), ' ');
            if (c == 0) { // names to the left, figures to the right
                line += row[c] + padding;
            } else {
                line += "  " + padding + row[c];
            }
        }
        while (!line.empty() && line.back() == ' ') {
            line.pop_back();
        }
        out += line + '\n';
    };
    write(table.header);
    for (const auto& row : table.rows) {
        write(row);
    }

    out += '\n' + GlassResult(check, decimal) + '\n';
    out += FloorLoadText(check, decimal) + "\n\nNotas:\n";
    for (const std::string& note : GlassNotes(check, decimal)) {
        out += "- " + note + '\n';
    }
    return out;
}

} // namespace quellfin
