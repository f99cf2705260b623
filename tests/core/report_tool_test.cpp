#include "quellfin/form_state.hpp"
#include "report_cli.hpp"

#include <gtest/gtest.h>
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

} // namespace
} // namespace quellfin
