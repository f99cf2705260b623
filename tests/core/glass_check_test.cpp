#include "quellfin/form_state.hpp"
#include "quellfin/glass_check.hpp"
#include "quellfin/glass_text.hpp"
#include "quellfin/plate.hpp"

#include <cmath>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace quellfin {
namespace {

GlassCheck CheckOf(FormState& form, GlassOptions options = {}) {
    return CheckGlass(form.fields(), form.quantities(), options);
}

void ExpectNear(double actual, double expected, double relative, const char* what) {
    EXPECT_NEAR(actual, expected, std::fabs(expected) * relative) << what;
}

// Figures worked by hand from the plate formulas (h = H*10 - t - v*10, q = 1e-5 h, linear
// interpolation in the tables), walls standing on the bottom pane.
struct TankCase {
    const char* name;
    const char *dlina, *shirina, *visota, *steklo, *voda;
    double waterDepth;
    double frontRatio, frontSafety, frontRequired;
    double sideRatio, sideSafety, sideRequired;
    double bottomSafety, bottomRequired;
    GlassStatus status;
    double recommended;
};

TEST(GlassCheck, TanksAgainstHandWorkedFigures) {
    const TankCase cases[] = {
        // between columns 1.5..2 (front) and 0.666..1 (side); the bottom table at a column
        {"default", "60", "30", "40", "4", "3", 366, 1.6393, 2.2643, 5.1818, 0.8197, 4.6063, 3.6331,
         1.5284, 6.3072, GlassStatus::Low, 6},
        {"small", "30", "20", "25", "4", "2", 226, 1.3274, 11.8025, 2.2697, 0.8850, 18.3911, 1.8182,
         7.0052, 2.9461, GlassStatus::Ok, 3},
        // the front beyond the table's last column (held at 3), the bottom at a/b = 4
        {"long", "200", "50", "50", "10", "3", 460, 4.3478, 5.3312, 8.4427, 1.0870, 11.1198, 5.8458,
         2.2531, 12.9867, GlassStatus::Ok, 10},
        // below the table's first column (held at 0.5): just above the target
        {"tall", "40", "40", "100", "12", "5", 938, 0.4264, 3.9413, 11.7830, 0.4264, 3.9413,
         11.7830, 6.4099, 9.2394, GlassStatus::Ok, 12},
        {"square column", "30", "30", "30", "5", "2", 275, 1.0909, 12.9533, 2.7081, 1.0909, 12.9533,
         2.7081, 6.7481, 3.7521, GlassStatus::Ok, 3},
        // exactly on the column r = 2, and below SF 2
        {"on a column", "73.2", "30", "40", "4", "3", 366, 2.0, 1.9581, 5.5723, 0.8197, 4.6063,
         3.6331, 1.4225, 6.5377, GlassStatus::Unsafe, 6},
    };
    for (const TankCase& c : cases) {
        SCOPED_TRACE(c.name);
        FormState form;
        form.enterText(InputId::dlina, c.dlina);
        form.enterText(InputId::shirina, c.shirina);
        form.enterText(InputId::visota, c.visota);
        form.enterText(InputId::steklo, c.steklo);
        form.enterText(InputId::voda, c.voda);
        const GlassCheck check = CheckOf(form);
        EXPECT_DOUBLE_EQ(check.waterDepth, c.waterDepth);
        const PaneCheck& front = check.pane(PaneKind::Front);
        const PaneCheck& side = check.pane(PaneKind::Side);
        const PaneCheck& bottom = check.pane(PaneKind::Bottom);
        ExpectNear(front.ratio, c.frontRatio, 5e-4, "front ratio");
        ExpectNear(*front.safetyFactor, c.frontSafety, 5e-3, "front SF");
        ExpectNear(front.required, c.frontRequired, 5e-3, "front t_req");
        ExpectNear(side.ratio, c.sideRatio, 5e-4, "side ratio");
        ExpectNear(*side.safetyFactor, c.sideSafety, 5e-3, "side SF");
        ExpectNear(side.required, c.sideRequired, 5e-3, "side t_req");
        ExpectNear(*bottom.safetyFactor, c.bottomSafety, 5e-3, "bottom SF");
        ExpectNear(bottom.required, c.bottomRequired, 5e-3, "bottom t_req");
        EXPECT_FALSE(bottom.inVerdict); // on a flat stand the bottom is information
        EXPECT_EQ(check.status, c.status);
        ExpectNear(*check.lowestSafetyFactor, std::min(c.frontSafety, c.sideSafety), 5e-3,
                   "lowest wall SF");
        EXPECT_EQ(check.recommended, c.recommended);
    }
}

TEST(GlassCheck, DefaultTankDeflectionAndFloorLoad) {
    FormState form;
    const GlassCheck check = CheckOf(form);
    ExpectNear(*check.pane(PaneKind::Front).deflection, 0.6827, 5e-3, "front deflection");
    ExpectNear(*check.pane(PaneKind::Bottom).deflection, 0.7452, 5e-3, "bottom deflection");
    // 77.3 kg (the report's weight with water and substrate) on 0.6 m x 0.3 m
    ExpectNear(*check.floorLoad, 77.3 / 0.18, 1e-12, "floor load");
}

TEST(GlassCheck, BottomOnItsEdgesCountsInTheVerdict) {
    FormState form;
    form.enterText(InputId::steklo, "5");
    const GlassCheck flat = CheckOf(form);
    const GlassCheck edges = CheckOf(form, {.bottom = BottomSupport::Edges});
    EXPECT_EQ(flat.status, GlassStatus::Low); // walls: SF 3.5
    EXPECT_EQ(flat.recommended, 6);
    EXPECT_TRUE(edges.pane(PaneKind::Bottom).inVerdict);
    EXPECT_EQ(edges.status, GlassStatus::Low); // bottom: SF 2.4
    ExpectNear(*edges.lowestSafetyFactor, *edges.pane(PaneKind::Bottom).safetyFactor, 0,
               "the bottom is the weakest");
    EXPECT_EQ(edges.recommended, 8); // 6.31 mm for the bottom
}

// A rimless wall is the computed plate with a free top edge at its own ratio; the braced figures
// and the bottom stay those of the tables.
TEST(GlassCheck, RimlessWallsComeFromTheFreeEdgePlate) {
    FormState form;
    const GlassCheck braced = CheckOf(form);
    const GlassCheck rimless = CheckOf(form, {.top = TopSupport::Rimless});
    for (PaneKind kind : {PaneKind::Front, PaneKind::Side}) {
        const PaneCheck& pane = rimless.pane(kind);
        const PlateCoefficients plate = HydrostaticWall(pane.ratio, TopEdge::Free);
        EXPECT_EQ(pane.beta, plate.beta);
        EXPECT_EQ(pane.alpha, plate.alpha);
        EXPECT_GT(*pane.deflection, *braced.pane(kind).deflection);
        EXPECT_LT(*pane.safetyFactor, *braced.pane(kind).safetyFactor);
    }
    EXPECT_EQ(braced.pane(PaneKind::Front).beta, glass::WallCoefficients(600.0 / 366).beta);
    EXPECT_EQ(rimless.pane(PaneKind::Bottom).beta, braced.pane(PaneKind::Bottom).beta);
    // The default tank: SF about 1.6 rimless against 2.3 braced, and the verdict says so.
    EXPECT_NEAR(*rimless.lowestSafetyFactor, 1.586, 0.005);
    EXPECT_EQ(rimless.status, GlassStatus::Unsafe);
    EXPECT_EQ(rimless.recommended, 8);
    EXPECT_EQ(GlassSummary(rimless, U','),
              "Fator de segurança 1,6 (mínimo 3,8): use vidro de 8 mm");
    // A long rimless wall stays finite (the solver's ratio range).
    form.enterText(InputId::dlina, "100000");
    const GlassCheck longWall = CheckOf(form, {.top = TopSupport::Rimless});
    EXPECT_TRUE(std::isfinite(*longWall.pane(PaneKind::Front).safetyFactor));
    EXPECT_GT(longWall.pane(PaneKind::Front).beta, 1.0);
}

TEST(GlassCheck, CoefficientTablesInterpolateAndHoldTheirEnds) {
    struct Row {
        double ratio, beta, alpha;
    };
    for (const Row& r : {Row{0.1, 0.085, 0.003}, Row{0.5, 0.085, 0.003}, Row{1.25, 0.21, 0.032},
                         Row{3.0, 0.37, 0.067}, Row{40.0, 0.37, 0.067}}) {
        const glass::Coefficients c = glass::WallCoefficients(r.ratio);
        EXPECT_NEAR(c.beta, r.beta, 1e-12) << r.ratio;
        EXPECT_NEAR(c.alpha, r.alpha, 1e-12) << r.ratio;
    }
    for (const Row& r : {Row{0.0, 0.2874, 0.0444}, Row{1.1, 0.3318, 0.053},
                         Row{2.5, 0.6618, 0.12225}, Row{9.0, 0.7476, 0.1417}}) {
        const glass::Coefficients c = glass::BottomCoefficients(r.ratio);
        EXPECT_NEAR(c.beta, r.beta, 1e-12) << r.ratio;
        EXPECT_NEAR(c.alpha, r.alpha, 1e-12) << r.ratio;
    }
    EXPECT_EQ(glass::WallCoefficients(std::nan("")).beta, 0.085);
}

TEST(GlassCheck, ThicknessToBuyIsTheNextStockSize) {
    EXPECT_EQ(glass::StockThickness(0), 3);
    EXPECT_EQ(glass::StockThickness(3), 3);
    EXPECT_EQ(glass::StockThickness(3.01), 4);
    EXPECT_EQ(glass::StockThickness(12.5), 15);
    EXPECT_EQ(glass::StockThickness(25), 25);
    EXPECT_EQ(glass::StockThickness(25.01), std::nullopt);
}

TEST(GlassCheck, NoWaterZeroGlassAndHugeTanks) {
    {
        SCOPED_TRACE("water line below the bottom");
        FormState form;
        form.enterText(InputId::voda, "50");
        const GlassCheck check = CheckOf(form, {.bottom = BottomSupport::Edges});
        EXPECT_EQ(check.status, GlassStatus::NoWater);
        EXPECT_FALSE(check.lowestSafetyFactor);
        for (const PaneCheck& pane : check.panes) {
            EXPECT_FALSE(pane.loaded());
            EXPECT_FALSE(pane.deflection);
            EXPECT_EQ(pane.required, 0);
        }
        EXPECT_EQ(GlassSummary(check, U','), "Sem água: o vidro não está sob carga");
    }
    {
        SCOPED_TRACE("no glass");
        FormState form;
        form.enterText(InputId::steklo, "0");
        const GlassCheck check = CheckOf(form);
        EXPECT_EQ(check.status, GlassStatus::Unsafe);
        EXPECT_EQ(check.lowestSafetyFactor, 0);
        EXPECT_FALSE(check.pane(PaneKind::Front).deflection); // unbounded: not shown
        EXPECT_EQ(check.recommended, 6);
    }
    {
        SCOPED_TRACE("huge tank");
        FormState form;
        for (InputId id : {InputId::dlina, InputId::shirina, InputId::visota}) {
            form.enterText(id, "100000");
        }
        const GlassCheck check = CheckOf(form);
        EXPECT_EQ(check.status, GlassStatus::Unsafe);
        EXPECT_FALSE(check.recommended);
        EXPECT_EQ(GlassSummary(check, U'.'),
                  "Fator de segurança 0.0 (mínimo 3.8): nem vidro de 25 mm basta; use travessas "
                  "ou vidro laminado");
    }
    {
        SCOPED_TRACE("no footprint");
        FormState form;
        form.enterText(InputId::dlina, "0");
        const GlassCheck check = CheckOf(form);
        EXPECT_FALSE(check.floorLoad);
        EXPECT_FALSE(check.pane(PaneKind::Front).loaded()); // a wall without span
        EXPECT_TRUE(check.pane(PaneKind::Side).loaded());
    }
}

// Any input the fields allow gives finite figures, and the verdict agrees with them.
TEST(GlassCheck, EveryFigureIsFiniteOverTheWholeInputRange) {
    const char* values[] = {"0", "0.01", "0.4", "3", "40", "100000"};
    const auto finite = [](const std::optional<double>& x) { return !x || std::isfinite(*x); };
    FormState form;
    int checked = 0;
    for (const char* length : values) {
        for (const char* height : values) {
            for (const char* glassThickness : values) {
                for (const char* water : values) {
                    form.enterText(InputId::dlina, length);
                    form.enterText(InputId::visota, height);
                    form.enterText(InputId::steklo, glassThickness);
                    form.enterText(InputId::voda, water);
                    for (const GlassOptions options :
                         {GlassOptions{},
                          GlassOptions{TopSupport::Rimless, BottomSupport::Edges}}) {
                        const GlassCheck c = CheckOf(form, options);
                        ++checked;
                        ASSERT_TRUE(std::isfinite(c.waterDepth) && std::isfinite(c.required) &&
                                    finite(c.lowestSafetyFactor) && finite(c.floorLoad));
                        for (const PaneCheck& p : c.panes) {
                            ASSERT_TRUE(std::isfinite(p.ratio) && std::isfinite(p.beta) &&
                                        std::isfinite(p.alpha) && std::isfinite(p.required) &&
                                        finite(p.safetyFactor) && finite(p.deflection))
                                << length << " " << height << " " << glassThickness << " " << water;
                        }
                        ASSERT_EQ(c.status == GlassStatus::NoWater, !c.lowestSafetyFactor);
                        const std::string text = GlassText(c, U',');
                        ASSERT_EQ(text.find("NAN"), std::string::npos);
                        ASSERT_EQ(text.find("INF"), std::string::npos);
                    }
                }
            }
        }
    }
    EXPECT_EQ(checked, 6 * 6 * 6 * 6 * 2);
}

TEST(GlassText, SummaryInTheUsersNumbers) {
    FormState form;
    EXPECT_EQ(GlassSummary(CheckOf(form), U','),
              "Fator de segurança 2,3 (mínimo 3,8): use vidro de 6 mm");
    form.enterText(InputId::steklo, "8");
    EXPECT_EQ(GlassSummary(CheckOf(form), U','),
              "Fator de segurança 9,3 (mínimo 3,8): vidro adequado; basta vidro de 6 mm");
}

TEST(GlassText, TableLinesAlignInDisplayColumns) {
    FormState form;
    const std::string text = GlassText(CheckOf(form), U',');
    std::istringstream in(text);
    std::vector<std::string> table;
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("Vidro ") || line.starts_with("Frente") ||
            line.starts_with("Laterais") || line.starts_with("Fundo")) {
            table.push_back(line);
        }
    }
    ASSERT_EQ(table.size(), 4U);
    for (const std::string& line : table) {
        EXPECT_EQ(DisplayWidth(line), DisplayWidth(table[0])) << line;
    }
    EXPECT_NE(table[1].find("600 x 366   1,64"), std::string::npos) << table[1];
    EXPECT_NE(text.find("Resultado: Fator de segurança baixo. Fator de segurança 2,3"),
              std::string::npos);
    EXPECT_NE(text.find("Carga no piso: 429 kg/m²"), std::string::npos);
}

} // namespace
} // namespace quellfin
