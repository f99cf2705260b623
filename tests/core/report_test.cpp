#include "quellfin/form_state.hpp"
#include "quellfin/report.hpp"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quellfin {
namespace {

// The default tank, walls standing on the bottom pane, "." as decimal separator.
const std::vector<std::string> kDefaultReport = {
    "VIDROS (sem tampa)",
    "Vidro de fundo: 60 x 30 cm - 1 unidade",
    "Vidro dianteiro e traseiro: 60 x 39.5 cm - 2 unidades",
    "Vidros laterais: 29 x 39.5 cm - 2 unidades",
    "Espessura do vidro: 4 mm ",
    "Camada de silicone ente os vidros: 1 mm ",
    "",
    "VOLUME",
    "Volume total: 72 l",
    "Volume de água real: 63 l",
    "Volume de água com substrato: 53 l",
    "",
    "SUBSTRATO",
    "Tipo: Areia ou Basalto (1,5)",
    "Altura do substrato: 6 cm ",
    "Volume do substrato: 10 l",
    "Peso do substrato: 15.56 kg ",
    "",
    "PESO",
    "Peso do vidro: 8.83 kg ",
    "Peso do silicone: 300 g ",
    "Peso do aquário sem água: 9.1 kg ",
    "Peso com água: 72.1 kg ",
    "Peso com água e substrato: 77.3 kg ",
    "",
    "LUZ",
    "Tipo: LED",
    "Mínimo: 1600 lumen ",
    "Máximo: 2600 lumen ",
    "Recomendado: 2100 lumen ",
    "Tempo de exposição: 2.4-3.9 horas ",
    "Exposição recomendada: 3.2 horas ",
    "",
    "FILTRAGEM",
    "Volume de filtragem: 300 - 1000 l/h ",
    "Volume de filtragem recomendada: 600 l/h ",
    "",
};

std::vector<std::string> Lines(const Report& report) {
    return {report.begin(), report.end()};
}

// The expected report with some lines replaced (numbered from 1).
std::vector<std::string> DefaultWith(std::initializer_list<std::pair<int, const char*>> changes) {
    std::vector<std::string> lines = kDefaultReport;
    for (const auto& [number, text] : changes) {
        lines.at(number - 1) = text;
    }
    return lines;
}

TEST(Report, DefaultTankWallsOnTheBottom) {
    const FormState form;
    EXPECT_EQ(Lines(form.report()), kDefaultReport);
}

TEST(Report, DefaultTankBottomBetweenTheWalls) {
    FormState form;
    form.clickRadio(RadioId::RadioButton2);
    EXPECT_EQ(Lines(form.report()), DefaultWith({
                                        {2, "Vidro de fundo: 59 x 29 cm - 1 unidade"},
                                        {3, "Vidro dianteiro e traseiro: 60 x 40 cm - 2 unidades"},
                                        {4, "Vidros laterais: 29 x 40 cm - 2 unidades"},
                                        {31, "Tempo de exposição: 2.3-3.7 horas "},
                                        {32, "Exposição recomendada: 3 horas "},
                                    }));
}

TEST(Report, CommaLocaleChangesOnlyTheFractions) {
    FormState form({U',', U'.'});
    EXPECT_EQ(Lines(form.report()),
              DefaultWith({
                  {3, "Vidro dianteiro e traseiro: 60 x 39,5 cm - 2 unidades"},
                  {4, "Vidros laterais: 29 x 39,5 cm - 2 unidades"},
                  {17, "Peso do substrato: 15,56 kg "},
                  {20, "Peso do vidro: 8,83 kg "},
                  {22, "Peso do aquário sem água: 9,1 kg "},
                  {23, "Peso com água: 72,1 kg "},
                  {24, "Peso com água e substrato: 77,3 kg "},
                  {31, "Tempo de exposição: 2,4-3,9 horas "},
                  {32, "Exposição recomendada: 3,2 horas "},
              }));
    form.clickRadio(RadioId::RadioButton2);
    EXPECT_EQ(form.report()[30], "Tempo de exposição: 2,3-3,7 horas ");
    EXPECT_EQ(form.report()[13], "Tipo: Areia ou Basalto (1,5)");
}

TEST(Report, SubstrateUpToTheRimLeavesNothingToLight) {
    FormState form;
    form.enterText(InputId::grunt, "40");
    const Report& r = form.report();
    EXPECT_EQ(r[10], "Volume de água com substrato: 0 l");
    EXPECT_EQ(r[15], "Volume do substrato: 69 l");
    EXPECT_EQ(r[23], "Peso com água e substrato: 106.7 kg "); // 106.4 plus 0.3 kg of silicone
    EXPECT_EQ(r[27], "Mínimo: -200 lumen ");
    EXPECT_EQ(r[28], "Máximo: 0 lumen ");
    EXPECT_EQ(r[29], "Recomendado: -100 lumen ");
    // No water to light: the hours read 0 instead of dividing by zero.
    EXPECT_EQ(r[30], "Tempo de exposição: 0-0 horas ");
    EXPECT_EQ(r[31], "Exposição recomendada: 0 horas ");
    EXPECT_EQ(r[36], "");
}

TEST(Report, NegativePanesArePrintedWithTheirSign) {
    FormState form;
    form.enterText(InputId::visota, "0");
    EXPECT_EQ(form.report()[2], "Vidro dianteiro e traseiro: 60 x -0.5 cm - 2 unidades");
}

TEST(Report, EveryRunWritesThirtySevenLinesEndingInABlankOne) {
    FormState form;
    form.enterText(InputId::dlina, "0");
    form.enterText(InputId::voda, "100000");
    const std::string text = ReportText(form.report());
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 37);
    EXPECT_TRUE(text.ends_with(" l/h \n\n"));
}

TEST(Report, NewSeparatorsRewriteTheReportWithoutARun) {
    FormState form;
    const long runs = form.runCount();
    form.setSeparators({U',', U'.'});
    EXPECT_EQ(form.runCount(), runs);
    EXPECT_EQ(form.report()[16], "Peso do substrato: 15,56 kg ");
    EXPECT_EQ(form.fields().dlina.text(), "60,00");
}

} // namespace
} // namespace quellfin
