// One full recalculation (read the fields, calculate, store the results, write the 37 lines)
// against the floor of formatting the same report's numbers with std::to_chars into 37 strings.

#include "quellfin/form_state.hpp"

#include <array>
#include <benchmark/benchmark.h>
#include <cctype>
#include <charconv>
#include <string>
#include <vector>

namespace {

using namespace quellfin;

void BM_Recalculation(benchmark::State& state) {
    FormState form;
    for (auto _ : state) {
        form.CalcularClick();
        benchmark::DoNotOptimize(form.report().data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Recalculation);

// Each report line as its text up to the first number, and the numbers it prints.
struct FloorLine {
    std::string prefix;
    std::vector<double> numbers;
};

std::vector<FloorLine> SplitReport(const Report& report) {
    std::vector<FloorLine> lines;
    for (const std::string& text : report) {
        FloorLine line;
        std::size_t pos = 0;
        while (pos < text.size() && !std::isdigit(static_cast<unsigned char>(text[pos]))) {
            ++pos;
        }
        line.prefix = text.substr(0, pos);
        while (pos < text.size()) {
            double value = 0;
            const auto [end, ec] =
                std::from_chars(text.data() + pos, text.data() + text.size(), value);
            if (ec == std::errc{}) {
                line.numbers.push_back(value);
                pos = static_cast<std::size_t>(end - text.data());
            } else {
                ++pos;
            }
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

void BM_FormatFloor(benchmark::State& state) {
    const std::vector<FloorLine> lines = SplitReport(FormState().report());
    std::array<std::string, kReportLines> out;
    for (auto _ : state) {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            std::string& line = out[i];
            line.assign(lines[i].prefix);
            for (const double number : lines[i].numbers) {
                char buffer[32];
                const auto result = std::to_chars(buffer, buffer + sizeof buffer, number);
                line.append(buffer, result.ptr);
                line += ' ';
            }
        }
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FormatFloor);

} // namespace

BENCHMARK_MAIN();
