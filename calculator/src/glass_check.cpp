#include "quellfin/glass_check.hpp"

#include "quellfin/plate.hpp"
#include "quellfin/report.hpp"

#include <algorithm>
#include <cmath>
#include <span>

namespace quellfin {

namespace glass {

namespace {

Coefficients Interpolate(std::span<const CoefficientRow> table, double ratio) noexcept {
    if (!(ratio > table.front().ratio)) { // NaN too
        return {table.front().beta, table.front().alpha};
    }
    for (std::size_t i = 1; i < table.size(); ++i) {
        const CoefficientRow& lo = table[i - 1];
        const CoefficientRow& hi = table[i];
        if (ratio <= hi.ratio) {
            const double f = (ratio - lo.ratio) / (hi.ratio - lo.ratio);
            return {lo.beta + f * (hi.beta - lo.beta), lo.alpha + f * (hi.alpha - lo.alpha)};
        }
    }
    return {table.back().beta, table.back().alpha};
}

} // namespace

Coefficients WallCoefficients(double ratio) noexcept {
    return Interpolate(kWallTable, ratio);
}

Coefficients BottomCoefficients(double ratio) noexcept {
    return Interpolate(kBottomTable, ratio);
}

std::optional<double> StockThickness(double required) noexcept {
    for (const double t : kStockThicknesses) {
        if (t >= required) {
            return t;
        }
    }
    return std::nullopt;
}

} // namespace glass

namespace {

// A plate whose stress is beta q b^2 / t^2 and deflection alpha q b^4 / (E t^3), with the
// allowed stress MOR / SF. A plate without load or without area carries nothing.
void Evaluate(PaneCheck& pane, double q, double b, double t) {
    const double load = pane.beta * q * b * b; // stress times t^2
    const double safetyFactor = glass::kModulusOfRupture * t * t / load;
    // No water, no pane, or a film of water a rounding error thick: nothing to carry.
    if (!(q > 0) || !(b > 0) || !(pane.span > 0) || !(load > 0) || !std::isfinite(safetyFactor)) {
        pane.required = 0;
        pane.recommended = glass::StockThickness(0);
        return;
    }
    const double allowed = glass::kModulusOfRupture / glass::kTargetSafetyFactor;
    pane.required = std::sqrt(load / allowed);
    pane.recommended = glass::StockThickness(pane.required);
    pane.safetyFactor = safetyFactor;
    if (t > 0) {
        pane.deflection = pane.alpha * q * b * b * b * b / (glass::kYoungsModulus * t * t * t);
    }
}

PaneCheck Wall(PaneKind kind, double span, double h, double t, TopSupport top) {
    PaneCheck pane;
    pane.pane = kind;
    pane.span = span;
    pane.height = h;
    pane.ratio = h > 0 ? span / h : 0;
    if (top == TopSupport::Rimless && span > 0 && h > 0) {
        const PlateCoefficients c = HydrostaticWall(pane.ratio, TopEdge::Free);
        pane.beta = c.beta;
        pane.alpha = c.alpha;
    } else {
        const glass::Coefficients c = glass::WallCoefficients(pane.ratio);
        pane.beta = c.beta;
        pane.alpha = c.alpha;
    }
    Evaluate(pane, glass::kPressurePerMm * h, h, t);
    return pane;
}

PaneCheck Bottom(const Quantities& q, double h, double t, BottomSupport support) {
    PaneCheck pane;
    pane.pane = PaneKind::Bottom;
    pane.span = std::max(q.bottomlength, q.bottomwidth);
    pane.height = std::min(q.bottomlength, q.bottomwidth);
    pane.ratio = pane.height > 0 ? pane.span / pane.height : 0;
    const glass::Coefficients c = glass::BottomCoefficients(pane.ratio);
    pane.beta = c.beta;
    pane.alpha = c.alpha;
    pane.inVerdict = support == BottomSupport::Edges;
    Evaluate(pane, glass::kPressurePerMm * h, pane.height, t);
    return pane;
}

} // namespace

GlassCheck CheckGlass(const FieldSet& fields, const Quantities& q, GlassOptions options) {
    GlassCheck check;
    check.options = options;
    check.thickness = fields.steklo.value();
    check.waterDepth = q.waterlevel;
    const double h = q.waterlevel;
    const double t = check.thickness;
    check.panes = {Wall(PaneKind::Front, fields.dlina.value() * 10, h, t, options.top),
                   Wall(PaneKind::Side, fields.shirina.value() * 10, h, t, options.top),
                   Bottom(q, h, t, options.bottom)};

    for (const PaneCheck& pane : check.panes) {
        if (!pane.inVerdict || !pane.loaded()) {
            continue;
        }
        check.lowestSafetyFactor =
            std::min(check.lowestSafetyFactor.value_or(*pane.safetyFactor), *pane.safetyFactor);
        check.required = std::max(check.required, pane.required);
    }
    check.recommended = glass::StockThickness(check.required);
    if (!check.lowestSafetyFactor) {
        check.status = GlassStatus::NoWater;
    } else if (*check.lowestSafetyFactor >= glass::kTargetSafetyFactor) {
        check.status = GlassStatus::Ok;
    } else if (*check.lowestSafetyFactor >= glass::kUnsafeBelow) {
        check.status = GlassStatus::Low;
    } else {
        check.status = GlassStatus::Unsafe;
    }

    const double footprint = fields.dlina.value() / 100 * (fields.shirina.value() / 100); // m^2
    if (footprint > 0) {
        check.floorLoad = WeightWithWaterAndSubstrate(fields, q) / footprint;
    }
    return check;
}

} // namespace quellfin
