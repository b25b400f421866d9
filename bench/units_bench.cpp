// Building the whole catalogue, as every start does.
#include "localization/Localization.h"
#include "units/UnitCatalogueBuilder.h"

#include <benchmark/benchmark.h>

namespace {

using namespace ratio;

void BM_BuildUnitCatalogueBritish(benchmark::State& state) {
    const EnglishBritishStrings british;
    for (auto _ : state) {
        UnitCatalogue catalogue;
        buildUnitCatalogue(catalogue, british, Language::EnglishBritish, british);
        benchmark::DoNotOptimize(catalogue.data());
    }
}
BENCHMARK(BM_BuildUnitCatalogueBritish)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
