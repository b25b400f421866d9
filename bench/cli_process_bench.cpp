// ratio-cli as a whole process beside GNU units on the same conversions,
// alternating in the same run: the 100,000 mixed batch lines of
// cli_batch_bench (GNU units reads them as "You have" / "You want" pairs
// with -t), and one conversion's start-up. "ratio" is ratio-cli's time over
// GNU units'; for the batch, "units_x" gives it the other way round.
// GNU units is looked up on PATH; the benchmarks are skipped without it.
#include "SideBySide.h"

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

// Runs one process per call, failing the benchmark when it fails.
auto process(benchmark::State& state, std::vector<std::string> arguments, std::string input) {
    return [&state, arguments = std::move(arguments), input = std::move(input)] {
        if (!runProcess(arguments, input))
            state.SkipWithError((arguments[0] + " failed").c_str());
    };
}

// Each benchmark alternates ratio-cli with GNU units on the same work and
// reports ratio-cli's time, GNU units' ("ref_us") and the ratio of their medians.
void BM_BatchBesideGnuUnits(benchmark::State& state) {
    const std::string units = onPath("units");
    if (units.empty()) {
        state.SkipWithError("GNU units is not installed (apt-get install units)");
        return;
    }
    std::vector<std::string> arguments = ratioArguments;
    arguments.push_back("--batch");
    ratio::bench::sideBySide(state, process(state, arguments, inputFolder() + "/ratio.txt"),
                             process(state, {units, "-t"}, inputFolder() + "/units.txt"));
    state.SetItemsProcessed(state.iterations() * batchLines);
    // The batch's figure the other way round: how many times GNU units' time.
    if (state.counters["ratio"] > 0)
        state.counters["units_x"] = 1 / state.counters["ratio"];
}
BENCHMARK(BM_BatchBesideGnuUnits)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_ConvertBesideGnuUnits(benchmark::State& state) {
    const std::string units = onPath("units");
    if (units.empty()) {
        state.SkipWithError("GNU units is not installed (apt-get install units)");
        return;
    }
    std::vector<std::string> arguments = ratioArguments;
    arguments.insert(arguments.end(), {"convert", "3", "mi", "km"});
    ratio::bench::sideBySide(state, process(state, arguments, {}),
                             process(state, {units, "-t", "3 mi", "km"}, {}));
}
BENCHMARK(BM_ConvertBesideGnuUnits)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
