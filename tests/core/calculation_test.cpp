#include "quellfin/calculation.hpp"
#include "quellfin/form_state.hpp"

#include <gtest/gtest.h>

namespace quellfin {
namespace {

// The quantities of the default tank, as hand-worked for both construction methods.
struct MethodCase {
    RadioId method;
    double bottomlength, bottomwidth, frontlength, frontheight, sidelength, sideheight;
    double layervolume;
};

TEST(Calculation, DefaultTankInBothMethods) {
    const MethodCase cases[] = {
        {RadioId::RadioButton1, 600, 300, 600, 395, 290, 395, 13472},
        {RadioId::RadioButton2, 590, 290, 600, 400, 290, 400, 13488},
    };
    for (const auto& c : cases) {
        FormState form;
        form.fields().RadioButton1Checked = c.method == RadioId::RadioButton1;
        form.CalcularClick();
        const Quantities& q = form.quantities();
        const FieldSet& f = form.fields();
        SCOPED_TRACE(static_cast<int>(c.method));
        EXPECT_EQ(q.substratedensity, 1.5);
        EXPECT_EQ(q.lumenperarea, 10000);
        EXPECT_EQ(q.lumenperlitre, 50);
        EXPECT_EQ(q.stockingfactor, 4);
        EXPECT_EQ(q.bottomlength, c.bottomlength);
        EXPECT_EQ(q.bottomwidth, c.bottomwidth);
        EXPECT_EQ(q.frontlength, c.frontlength);
        EXPECT_EQ(q.frontheight, c.frontheight);
        EXPECT_EQ(q.sidelength, c.sidelength);
        EXPECT_EQ(q.sideheight, c.sideheight);
        EXPECT_EQ(q.layervolume, c.layervolume);
        EXPECT_EQ(q.innerlength, 592);
        EXPECT_EQ(q.innerwidth, 292);
        EXPECT_NEAR(q.beadvolume, 263265.46, 0.01);
        EXPECT_EQ(q.siliconeweight, 300);
        EXPECT_EQ(q.waterlevel, 366);
        EXPECT_EQ(q.waterdepth, 306);
        EXPECT_EQ(f.total.value(), 72);
        EXPECT_EQ(f.real.value(), 63);
        EXPECT_EQ(f.real.storedNumber(), 63.268224); // the second run keeps it unrounded
        EXPECT_DOUBLE_EQ(f.vespustogo.value(), 8.831);
        EXPECT_EQ(f.bezgrunta.value(), 53);
        EXPECT_EQ(f.nasosminimum.value(), 300);
        EXPECT_EQ(f.nasos.value(), 1000);
        EXPECT_EQ(f.vesgrunta.value(), 15.56);
        EXPECT_EQ(q.bottomlumen, 1729);
        EXPECT_EQ(q.lumenminimum, 1600);
        EXPECT_EQ(q.lumenmaximum, 2600); // 26.5 is a tie and goes to 26
    }
}

TEST(Calculation, PumpRatesRoundHalvesToEven) {
    // No glass and no gap to the rim, only plants: the pump rates are the water volume itself.
    const struct {
        const char* shirina;
        double real, nasosminimum, nasos;
    } cases[] = {
        {"50", 250, 200, 1000}, // Round(2.5) = 2
        {"70", 350, 400, 1400}, // Round(3.5) = 4
    };
    for (const auto& c : cases) {
        FormState form;
        form.enterText(InputId::steklo, "0");
        form.enterText(InputId::voda, "0");
        form.enterText(InputId::dlina, "100");
        form.enterText(InputId::shirina, c.shirina);
        form.enterText(InputId::visota, "50");
        form.select(ChoiceId::riba, 0);
        EXPECT_EQ(form.fields().real.value(), c.real) << c.shirina;
        EXPECT_EQ(form.fields().nasosminimum.value(), c.nasosminimum) << c.shirina;
        EXPECT_EQ(form.fields().nasos.value(), c.nasos) << c.shirina;
    }
}

TEST(Calculation, LowTankGivesNegativePanesAndHeldResults) {
    for (const bool wallsOnBottom : {true, false}) {
        FormState form;
        form.fields().RadioButton1Checked = wallsOnBottom;
        form.enterText(InputId::visota, "0.4");
        const Quantities& q = form.quantities();
        const FieldSet& f = form.fields();
        EXPECT_EQ(q.frontheight, wallsOnBottom ? -1 : 4);
        EXPECT_EQ(q.sideheight, q.frontheight);
        EXPECT_EQ(f.real.value(), 0);
        EXPECT_EQ(f.bezgrunta.value(), 0);
        EXPECT_EQ(f.nasosminimum.value(), 0);
        EXPECT_EQ(f.nasos.value(), 0);
        EXPECT_EQ(q.lumenmaximum, 0);
        EXPECT_EQ(q.waterdepth, -90);
        EXPECT_EQ(q.lumenminimum, -500);
        EXPECT_EQ(f.total.value(), 1);
        EXPECT_EQ(q.siliconeweight, 100);
    }
}

TEST(Calculation, EmptyTank) {
    FormState form;
    for (const InputId id : {InputId::dlina, InputId::shirina, InputId::visota}) {
        form.enterText(id, "0");
    }
    const Quantities& q = form.quantities();
    const FieldSet& f = form.fields();
    EXPECT_EQ(q.innerlength, -8);
    EXPECT_EQ(q.innerwidth, -8);
    EXPECT_EQ(q.bottomlumen, 1);
    EXPECT_EQ(f.total.value(), 0);
    EXPECT_EQ(f.real.value(), 0);
    EXPECT_EQ(f.bezgrunta.value(), 0);
    EXPECT_DOUBLE_EQ(f.vespustogo.value(), 0.001);
    EXPECT_EQ(f.vesgrunta.value(), 0.01);
    EXPECT_EQ(q.siliconeweight, 0);
    EXPECT_EQ(q.lumenminimum, 0);
}

TEST(Calculation, HugeTankHoldsEveryResultAtTheTop) {
    FormState form;
    for (const InputId id : {InputId::dlina, InputId::shirina, InputId::visota}) {
        form.enterText(id, "100000");
    }
    form.select(ChoiceId::rastenia, 2);
    form.select(ChoiceId::riba, 5);
    for (const ResultDefinition& r : kResults) {
        EXPECT_EQ(form.fields().result(r.id).value(), 100000) << r.name;
    }
    EXPECT_EQ(form.quantities().siliconeweight, 660300);
    EXPECT_EQ(form.quantities().lumenmaximum, 6000000);
}

TEST(Calculation, MarbleIsWeighedWithItsOwnDensity) {
    FormState form;
    form.select(ChoiceId::plotnost, 2);
    EXPECT_EQ(form.quantities().substratedensity, 2.7);
    EXPECT_EQ(form.fields().vesgrunta.value(), 28); // Round(2800.3968) / 100
    EXPECT_EQ(form.report()[13], "Tipo: Pedras de mármore (2,7)");
}

} // namespace
} // namespace quellfin
