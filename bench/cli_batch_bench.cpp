// ratio-cli --batch on 100,000 lines, in-process (the process start is
// measured separately with the real binary).
#include "cli/CliApplication.h"

#include <QStandardPaths>

#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

namespace {

std::string batchLines(int count) {
    const char* pairs[] = {"mile\tkm", "°C\t°F",    "Inch (in)\tnm", "KiB\tKB",
                           "kg\tlb",   "km/h\tm/s", "Pêⁿ\tm²",       "mpgUS\tmpl"};
    std::string lines;
    for (int i = 0; i < count; ++i)
        lines += std::to_string(i) + "." + std::to_string(i % 97) + "\t" + pairs[i % 8] + "\n";
    return lines;
}

void BM_CliBatch(benchmark::State& state) {
    QStandardPaths::setTestModeEnabled(true);
    const std::string input = batchLines(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::istringstream in(input);
        std::ostringstream out, errors;
        const int status =
            ratio::runCli({"--locale", "en_GB", "--language", "en-GB", "--batch"}, in, out, errors);
        if (status != 0)
            state.SkipWithError("a batch line failed");
        benchmark::DoNotOptimize(out.str().data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CliBatch)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
