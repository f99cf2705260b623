#include "quellfin/form_state.hpp"
#include "quellfin/glass_text.hpp"
#include "report_cli.hpp"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

namespace quellfin {
namespace {

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

ToolRun RunTool(std::vector<std::string_view> args, Separators locale = {}) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunReportTool(args, out, err, locale);
    return {status, out.str(), err.str()};
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

TEST(ReportTool, PrintsTheDefaultReport) {
    const ToolRun run = RunTool({});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, ReportText(FormState().report()));
    EXPECT_EQ(SplitLines(run.out).size(), 37U);
}

TEST(ReportTool, AppliesActionsInOrderWithTheGivenSeparators) {
    const ToolRun run = RunTool({"--decimal", ",", "--thousands", ".", "dlina=60,126"});
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(SplitLines(run.out).at(1), "Vidro de fundo: 60,13 x 30 cm - 1 unidade");

    FormState form;
    form.enterText(InputId::grunt, "10");
    form.select(ChoiceId::plotnost, 2);
    form.clickRadio(RadioId::RadioButton2);
    form.select(ChoiceId::riba, 0);
    EXPECT_EQ(RunTool({"grunt=10", "plotnost=2", "click=2", "riba=0"}).out,
              ReportText(form.report()));
}

TEST(ReportTool, TakesSeparatorsFromTheLocaleUnlessTold) {
    const ToolRun comma = RunTool({}, {U',', U'.'});
    EXPECT_EQ(SplitLines(comma.out).at(2), "Vidro dianteiro e traseiro: 60 x 39,5 cm - 2 unidades");
    const ToolRun told = RunTool({"--decimal", "."}, {U',', U'.'});
    EXPECT_EQ(SplitLines(told.out).at(2), "Vidro dianteiro e traseiro: 60 x 39.5 cm - 2 unidades");
}

TEST(ReportTool, RejectsBadArgumentsWithOneLineAndStatusTwo) {
    const std::vector<std::vector<std::string_view>> cases = {
        {"length=60"},       {"dlina"},
        {"riba=6"},          {"riba=-1"},
        {"riba=1.0"},        {"rastenia="},
        {"plotnost=x"},      {"click=3"},
        {"click="},          {"--decimal"},
        {"--decimal", ",,"}, {"--thousands", ""},
        {"--verbose"},       {"dlina=1", "bogus"},
    };
    for (const auto& args : cases) {
        const ToolRun run = RunTool(args);
        const std::string shown = std::string(args.back());
        EXPECT_EQ(run.status, 2) << shown;
        EXPECT_EQ(run.out, "") << shown;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_NE(run.err.find(shown), std::string::npos) << run.err;
    }
}

TEST(ReportTool, HelpGoesToStandardOutput) {
    const ToolRun run = RunTool({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("Usage: quellfin-report"), std::string::npos);
}

TEST(ReportTool, AcceptsAMultiByteSeparator) {
    const ToolRun run =
        RunTool({"--decimal", "\u066B", "--thousands", "\u202F", "dlina=1\u202F000\u066B5"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(SplitLines(run.out).at(1), "Vidro de fundo: 1000\u066B5 x 30 cm - 1 unidade");
}

TEST(ReportTool, GlassPrintsTheCheckOfTheTankTheActionsLeave) {
    FormState form({U',', U'.'});
    form.enterText(InputId::steklo, "5");
    const ToolRun run = RunTool({"--decimal", ",", "--glass", "steklo=5", "--bottom", "edges"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, GlassText(CheckGlass(form.fields(), form.quantities(),
                                            {.bottom = BottomSupport::Edges}),
                                 U','));
    EXPECT_NE(run.out.find("Apoio do fundo: só nas bordas"), std::string::npos);
}

TEST(ReportTool, JsonHoldsTheReportAndTheCheck) {
    const ToolRun run = RunTool({"--json", "--decimal", ","});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    ASSERT_EQ(json.at("report").size(), 37U);
    EXPECT_EQ(json["report"][2], "Vidro dianteiro e traseiro: 60 x 39,5 cm - 2 unidades");
    const auto& glass = json.at("glass");
    EXPECT_EQ(glass.at("water_depth_mm"), 366);
    EXPECT_EQ(glass.at("safety_factor_target"), 3.8);
    EXPECT_EQ(glass.at("status"), "low");
    EXPECT_EQ(glass.at("bottom_support"), "flat");
    EXPECT_NEAR(glass.at("floor_load_kg_m2").get<double>(), 429.44, 0.01);
    ASSERT_EQ(glass.at("panes").size(), 3U);
    const auto& front = glass["panes"][0];
    EXPECT_EQ(front.at("pane"), "front");
    EXPECT_EQ(front.at("span_mm"), 600);
    EXPECT_EQ(front.at("height_mm"), 366);
    EXPECT_NEAR(front.at("safety_factor").get<double>(), 2.264, 0.001);
    EXPECT_EQ(front.at("recommended_mm"), 6);
    EXPECT_EQ(glass["panes"][2].at("pane"), "bottom");
    EXPECT_EQ(glass["panes"][2].at("height_mm"), 300); // the bottom's short side
    // Numbers are JSON numbers whatever the separator: no comma inside the check.
    EXPECT_EQ(glass.dump().find(','), glass.dump().find(",\""));
}

TEST(ReportTool, JsonNullsWhereThereIsNothingToShow) {
    const auto noWater = nlohmann::json::parse(RunTool({"--json", "voda=50"}).out)["glass"];
    EXPECT_EQ(noWater.at("status"), "no water");
    EXPECT_TRUE(noWater["panes"][0].at("safety_factor").is_null());
    EXPECT_TRUE(noWater["panes"][0].at("deflection_mm").is_null());
    const auto huge = nlohmann::json::parse(
        RunTool({"--json", "dlina=100000", "shirina=100000", "visota=100000"}).out)["glass"];
    EXPECT_EQ(huge.at("status"), "unsafe");
    EXPECT_TRUE(huge["panes"][0].at("recommended_mm").is_null());
    EXPECT_TRUE(huge["panes"][0].at("safety_factor").is_number());
}

TEST(ReportTool, RimlessTopIsComputedAndSaysSo) {
    const auto braced = nlohmann::json::parse(RunTool({"--json"}).out)["glass"];
    const auto rimless =
        nlohmann::json::parse(RunTool({"--json", "--top", "rimless"}).out)["glass"];
    EXPECT_EQ(braced.at("top"), "braced");
    EXPECT_EQ(rimless.at("top"), "rimless");
    EXPECT_NEAR(braced.at("lowest_safety_factor").get<double>(), 2.26, 0.01);
    EXPECT_NEAR(rimless.at("lowest_safety_factor").get<double>(), 1.59, 0.01);
    EXPECT_EQ(rimless.at("status"), "unsafe");
    EXPECT_EQ(rimless.at("recommended_mm"), 8);
    EXPECT_GT(rimless["panes"][0].at("beta").get<double>(),
              braced["panes"][0].at("beta").get<double>());
    EXPECT_EQ(rimless["panes"][2], braced["panes"][2]); // the bottom is the same plate
    const std::string text = RunTool({"--glass", "--top", "rimless"}).out;
    EXPECT_NE(text.find("Topo do aquário: sem travessas (rimless)"), std::string::npos);
}

TEST(ReportTool, RejectsBadGlassCombinations) {
    const std::vector<std::vector<std::string_view>> cases = {
        {"--glass", "--json"},
        {"--json", "--glass"},
        {"--bottom", "edges"},
        {"--bottom"},
        {"--glass", "--bottom", "stand"},
    };
    for (const auto& args : cases) {
        const ToolRun run = RunTool(args);
        EXPECT_EQ(run.status, 2) << args.back();
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
}

} // namespace
} // namespace quellfin
