#include "report_cli.hpp"

#include <clocale>
#include <iostream>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    const quellfin::Separators separators = quellfin::SeparatorsFromCLocale();
    std::setlocale(LC_ALL, "C");
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    return quellfin::RunReportTool(args, std::cout, std::cerr, separators);
}
