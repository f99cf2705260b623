#pragma once

// Will the glass hold? Every pane checked as a plate under its water load (plate theory after
// Roark, edges simply supported), with the thickness to buy. Units: N, mm, MPa.

#include "quellfin/calculation.hpp"
#include "quellfin/fields.hpp"

#include <array>
#include <optional>

namespace quellfin {

namespace glass {

inline constexpr double kModulusOfRupture = 19.2;  // MPa, annealed float glass
inline constexpr double kTargetSafetyFactor = 3.8; // braced or rimmed top edge
inline constexpr double kUnsafeBelow = 2.0;        // below this the tank is unsafe
inline constexpr double kRimlessAdvice = 6.0;      // the usual advice for rimless tanks
inline constexpr double kYoungsModulus = 69000;    // MPa
inline constexpr double kPressurePerMm = 1e-5;     // N/mm^2 per mm of water (rho g rounded up)

// The usual float-glass thicknesses, mm.
inline constexpr std::array<double, 10> kStockThicknesses{3, 4, 5, 6, 8, 10, 12, 15, 19, 25};

struct CoefficientRow {
    double ratio;
    double beta;  // stress:     sigma = beta q b^2 / t^2
    double alpha; // deflection: y = alpha q b^4 / (E t^3)
};

// A wall under the triangular water load, by span / water depth; b is the water depth.
inline constexpr std::array<CoefficientRow, 7> kWallTable{{
    {0.5, 0.085, 0.003},
    {0.666, 0.1156, 0.0085},
    {1.0, 0.16, 0.022},
    {1.5, 0.26, 0.042},
    {2.0, 0.32, 0.056},
    {2.5, 0.35, 0.063},
    {3.0, 0.37, 0.067},
}};

// A plate under a uniform load, by long side / short side; b is the short side.
inline constexpr std::array<CoefficientRow, 9> kBottomTable{{
    {1.0, 0.2874, 0.0444},
    {1.2, 0.3762, 0.0616},
    {1.4, 0.4530, 0.0770},
    {1.6, 0.5172, 0.0906},
    {1.8, 0.5688, 0.1017},
    {2.0, 0.6102, 0.1110},
    {3.0, 0.7134, 0.1335},
    {4.0, 0.7410, 0.1400},
    {5.0, 0.7476, 0.1417},
}};

// Linear between columns, the ratio held to the table's ends.
struct Coefficients {
    double beta;
    double alpha;
};
Coefficients WallCoefficients(double ratio) noexcept;
Coefficients BottomCoefficients(double ratio) noexcept;

// The thinnest stock thickness of at least `required` mm; none above the thickest.
std::optional<double> StockThickness(double required) noexcept;

} // namespace glass

enum class PaneKind { Front, Side, Bottom };
enum class GlassStatus { Ok, Low, Unsafe, NoWater };
// Braces or a frame hold the walls' top edge (the builders' tables), or the top edge is free
// (rimless: the walls are computed as plates with a free top edge).
enum class TopSupport { Braced, Rimless };
enum class BottomSupport { Flat, Edges }; // a flat stand with a mat, or a frame under the edges

struct GlassOptions {
    TopSupport top = TopSupport::Braced;
    BottomSupport bottom = BottomSupport::Flat;
};

struct PaneCheck {
    PaneKind pane = PaneKind::Front;
    double span = 0;   // mm; the bottom's long side
    double height = 0; // mm, the water depth; the bottom's short side
    double ratio = 0;  // span / height, before the table holds it to its ends
    double beta = 0;
    double alpha = 0;
    double required = 0;                // mm of glass the pane needs; 0 without load
    std::optional<double> recommended;  // stock thickness to buy; none above the thickest
    std::optional<double> safetyFactor; // at the entered thickness; none without load
    std::optional<double> deflection;   // mm at the entered thickness; none without load or glass
    bool inVerdict = true;              // the bottom counts only when it rests on its edges

    [[nodiscard]] bool loaded() const noexcept { return safetyFactor.has_value(); }
};

struct GlassCheck {
    GlassOptions options;
    double thickness = 0;  // mm, as entered
    double waterDepth = 0; // mm above the bottom pane; no load when 0 or less
    std::array<PaneCheck, 3> panes{};
    GlassStatus status = GlassStatus::NoWater;
    std::optional<double> lowestSafetyFactor; // over the loaded panes in the verdict
    double required = 0;                      // the most any pane in the verdict needs
    std::optional<double> recommended;        // stock for `required`; none above the thickest
    std::optional<double> floorLoad;          // kg/m^2, none without a footprint

    [[nodiscard]] const PaneCheck& pane(PaneKind kind) const noexcept {
        return panes[static_cast<std::size_t>(kind)];
    }
};

// The check of one run: its water level, pane sizes and weight, and the glass thickness entered.
// Braced walls and the bottom take their coefficients from the tables; rimless walls from the
// thin-plate solution with a free top edge, at their own ratio. Every number is finite for any
// input the fields allow.
GlassCheck CheckGlass(const FieldSet& fields, const Quantities& q, GlassOptions options = {});

} // namespace quellfin
