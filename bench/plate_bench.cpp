// The glass check's plate coefficients for one recalculation of the default tank: the front and
// the side wall (span / height 600 / 366 and 300 / 366) and the bottom (2.0), braced or rimless;
// and the whole check as the window runs it after every recalculation: braced from the tables,
// rimless from the free-edge plate.

#include "quellfin/form_state.hpp"
#include "quellfin/glass_check.hpp"
#include "quellfin/plate.hpp"

#include <benchmark/benchmark.h>

namespace {

using namespace quellfin;

void DefaultTankPlates(benchmark::State& state, TopEdge top) {
    double front = 600.0 / 366.0;
    double side = 300.0 / 366.0;
    double bottom = 2.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(front);
        benchmark::DoNotOptimize(side);
        benchmark::DoNotOptimize(bottom);
        PlateCoefficients k[] = {HydrostaticWall(front, top), HydrostaticWall(side, top),
                                 UniformPlate(bottom)};
        benchmark::DoNotOptimize(k);
        benchmark::ClobberMemory();
    }
}

void BM_PlatesSupportedTop(benchmark::State& state) {
    DefaultTankPlates(state, TopEdge::Supported);
}
BENCHMARK(BM_PlatesSupportedTop);

void BM_PlatesFreeTop(benchmark::State& state) {
    DefaultTankPlates(state, TopEdge::Free);
}
BENCHMARK(BM_PlatesFreeTop);

void WholeCheck(benchmark::State& state, GlassOptions options) {
    FormState form;
    for (auto _ : state) {
        benchmark::DoNotOptimize(form);
        GlassCheck check = CheckGlass(form.fields(), form.quantities(), options);
        benchmark::DoNotOptimize(check);
        benchmark::ClobberMemory();
    }
}

void BM_GlassCheckTables(benchmark::State& state) {
    WholeCheck(state, {});
}
BENCHMARK(BM_GlassCheckTables);

void BM_GlassCheckRimless(benchmark::State& state) {
    WholeCheck(state, {.top = TopSupport::Rimless});
}
BENCHMARK(BM_GlassCheckRimless);

} // namespace

BENCHMARK_MAIN();
