// The glass check's plate coefficients for one recalculation of the default tank: the front and
// the side wall (span / height 600 / 366 and 300 / 366) and the bottom (2.0), braced or rimless.

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

} // namespace

BENCHMARK_MAIN();
