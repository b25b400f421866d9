// ratio-cli as a whole process beside GNU units on the same conversions:
// the 100,000 mixed batch lines of cli_batch_bench (GNU units reads them as
// "You have" / "You want" pairs with -t), and one conversion's start-up.
// GNU units is looked up on PATH; its benchmarks are skipped without it.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr int batchLines = 100000;

struct Pair {
    const char* ratio; // FROM<TAB>TO
    const char* from;  // GNU units: the "You have" line, %s is the value
    const char* to;
};

// The pairs of cli_batch_bench, each also written GNU units' way.
const Pair pairs[] = {
    {"mile\tkm", "%s mile", "km"},      {"°C\t°F", "tempC(%s)", "tempF"},
    {"Inch (in)\tnm", "%s inch", "nm"}, {"KiB\tKB", "%s KiB", "kB"},
    {"kg\tlb", "%s kg", "lb"},          {"km/h\tm/s", "%s km/hr", "m/s"},
    {"Pêⁿ\tm²", "%s ping", "m^2"},      {"mpgUS\tmpl", "%s mpg", "mile/liter"},
};

std::string value(int i) {
    return std::to_string(i) + "." + std::to_string(i % 97);
}

std::string writeInputs(const std::string& folder) {
    std::ofstream ratio(folder + "/ratio.txt"), units(folder + "/units.txt");
    char line[256];
    for (int i = 0; i < batchLines; ++i) {
        const Pair& pair = pairs[i % 8];
        ratio << value(i) << '\t' << pair.ratio << '\n';
        std::snprintf(line, sizeof line, pair.from, value(i).c_str());
        units << line << '\n' << pair.to << '\n';
    }
    return folder;
}

const std::string& inputFolder() {
    static const std::string folder = [] {
        char pattern[] = "/tmp/ratio-process-bench-XXXXXX";
        return writeInputs(mkdtemp(pattern));
    }();
    return folder;
}

std::string onPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "/usr/bin:/bin";
    for (std::size_t at = 0; at <= folders.size();) {
        const std::size_t end = std::min(folders.find(':', at), folders.size());
        const std::string candidate = folders.substr(at, end - at) + "/" + program;
        if (access(candidate.c_str(), X_OK) == 0)
            return candidate;
        at = end + 1;
    }
    return {};
}

// Runs the program with stdin from `input` (or nothing) and stdout to /dev/null.
bool runProcess(std::vector<std::string> arguments, const std::string& input) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO,
                                     input.empty() ? "/dev/null" : input.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    return spawned == 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

const std::vector<std::string> ratioArguments = {RATIO_CLI_PATH, "--locale", "en_GB", "--language",
                                                 "en-GB"};

void BM_RatioCliBatchProcess(benchmark::State& state) {
    std::vector<std::string> arguments = ratioArguments;
    arguments.push_back("--batch");
    for (auto _ : state)
        if (!runProcess(arguments, inputFolder() + "/ratio.txt"))
            state.SkipWithError("ratio-cli failed");
    state.SetItemsProcessed(state.iterations() * batchLines);
}
BENCHMARK(BM_RatioCliBatchProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_GnuUnitsBatchProcess(benchmark::State& state) {
    const std::string units = onPath("units");
    if (units.empty()) {
        state.SkipWithError("GNU units is not installed (apt-get install units)");
        return;
    }
    for (auto _ : state)
        if (!runProcess({units, "-t"}, inputFolder() + "/units.txt"))
            state.SkipWithError("units failed");
    state.SetItemsProcessed(state.iterations() * batchLines);
}
BENCHMARK(BM_GnuUnitsBatchProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RatioCliConvertProcess(benchmark::State& state) {
    std::vector<std::string> arguments = ratioArguments;
    arguments.insert(arguments.end(), {"convert", "3", "mi", "km"});
    for (auto _ : state)
        if (!runProcess(arguments, {}))
            state.SkipWithError("ratio-cli failed");
}
BENCHMARK(BM_RatioCliConvertProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_GnuUnitsConvertProcess(benchmark::State& state) {
    const std::string units = onPath("units");
    if (units.empty()) {
        state.SkipWithError("GNU units is not installed (apt-get install units)");
        return;
    }
    for (auto _ : state)
        if (!runProcess({units, "-t", "3 mi", "km"}, {}))
            state.SkipWithError("units failed");
}
BENCHMARK(BM_GnuUnitsConvertProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
