// A measured program beside its reference in the same run: rounds alternate
// between the two, so both see the same machine, and the figure that counts
// is the ratio of their medians, which holds where absolute times swing.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace ratio::bench {

template <class Work> double secondsFor(Work& work, long calls) {
    const auto began = std::chrono::steady_clock::now();
    for (long i = 0; i < calls; ++i)
        work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
}

inline double median(std::vector<double> samples) {
    if (samples.empty())
        return 0;
    const auto middle = samples.begin() + static_cast<std::ptrdiff_t>(samples.size() / 2);
    std::nth_element(samples.begin(), middle, samples.end());
    return *middle;
}

// Register with ->UseManualTime(). The reported time is the subject's per
// call; "ref_us" is the reference's median per call and "ratio" the
// subject's median over it. Short calls are repeated within a round so a
// round lasts long enough for the clock; both sides repeat equally often.
template <class Subject, class Reference>
void sideBySide(benchmark::State& state, Subject subject, Reference reference) {
    constexpr double shortestRound = 200e-6;
    const double once = std::max(secondsFor(subject, 1), secondsFor(reference, 1));
    const long calls = std::max(1L, static_cast<long>(shortestRound / std::max(once, 1e-9)));
    std::vector<double> subjectTimes, referenceTimes;
    for (auto _ : state) {
        const double mine = secondsFor(subject, calls) / static_cast<double>(calls);
        const double theirs = secondsFor(reference, calls) / static_cast<double>(calls);
        subjectTimes.push_back(mine);
        referenceTimes.push_back(theirs);
        state.SetIterationTime(mine);
    }
    const double referenceMedian = median(referenceTimes);
    state.counters["ref_us"] = referenceMedian * 1e6;
    state.counters["ratio"] = referenceMedian > 0 ? median(subjectTimes) / referenceMedian : 0;
}

} // namespace ratio::bench
