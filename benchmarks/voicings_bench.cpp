// links: engine
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <vector>

#include "engine/voicings.h"
#include "tests/support/voicings_baseline.h"

namespace {

using SearchFn = int (*)(const CWord2DimArray&, PitchClassMask, int, CWord2DimArray&);

const CWord2DimArray& standardNotes()
{
    static const CWord2DimArray notes = [] {
        CWord2DimArray table;
        engine::BuildFretboardNotes(engine::kStandardTuning, table);
        return table;
    }();
    return notes;
}

// One search of each of the 4,096 chords with both window settings.
int searchAll(SearchFn search, CWord2DimArray& voicings)
{
    int found = 0;
    for (int span = 0; span < 2; ++span)
        for (unsigned mask = 0; mask < 4096; ++mask)
            found += search(standardNotes(), static_cast<PitchClassMask>(mask), span, voicings);
    return found;
}

struct Timing {
    double totalMs = 0;
    double medianUs = 0;
    double slowestUs = 0;
    unsigned slowestMask = 0;
    int slowestSpan = 0;
};

// Times every case on its own. Each case's figure is the best of a few rounds,
// so a stray interrupt does not become the slowest search; quick searches are
// repeated inside one reading to stay well above the clock's resolution.
Timing timeEachCase(SearchFn search, int repeats, int rounds)
{
    using Clock = std::chrono::steady_clock;
    CWord2DimArray voicings;
    voicings.Create(engine::kVoicingRows, engine::kVoicingCols);
    std::vector<double> best(8192, 1e300);
    for (int round = 0; round < rounds; ++round)
        for (int index = 0; index < 8192; ++index) {
            const auto mask = static_cast<PitchClassMask>(index & 0xFFF);
            const int span = index >> 12;
            const auto begin = Clock::now();
            for (int r = 0; r < repeats; ++r)
                benchmark::DoNotOptimize(search(standardNotes(), mask, span, voicings));
            const std::chrono::duration<double, std::micro> took = Clock::now() - begin;
            best[static_cast<std::size_t>(index)] =
                std::min(best[static_cast<std::size_t>(index)], took.count() / repeats);
        }
    Timing t;
    for (double us : best)
        t.totalMs += us / 1000.0;
    const auto slowest = std::max_element(best.begin(), best.end());
    t.slowestUs = *slowest;
    t.slowestMask = static_cast<unsigned>(slowest - best.begin()) & 0xFFF;
    t.slowestSpan = static_cast<int>(slowest - best.begin()) >> 12;
    std::vector<double> sorted = best;
    std::nth_element(sorted.begin(), sorted.begin() + 4096, sorted.end());
    t.medianUs = sorted[4096];
    return t;
}

const Timing& baselineTiming()
{
    static const Timing timing = timeEachCase(&baseline::FindVoicings, 1, 3);
    return timing;
}

void report(benchmark::State& state, const Timing& t)
{
    state.counters["total_ms"] = t.totalMs;
    state.counters["median_us"] = t.medianUs;
    state.counters["slowest_us"] = t.slowestUs;
    state.counters["slowest_mask"] = t.slowestMask;
    state.counters["slowest_span"] = t.slowestSpan;
}

void runSweeps(benchmark::State& state, SearchFn search)
{
    CWord2DimArray voicings;
    voicings.Create(engine::kVoicingRows, engine::kVoicingCols);
    for (auto _ : state)
        benchmark::DoNotOptimize(searchAll(search, voicings));
    state.SetItemsProcessed(state.iterations() * 8192);
}

// One iteration searches all 8,192 cases; the counters come from a separate
// pass that times each case alone.
void BM_FindVoicingsAllChords(benchmark::State& state)
{
    CWord2DimArray a;
    CWord2DimArray b;
    a.Create(engine::kVoicingRows, engine::kVoicingCols);
    b.Create(engine::kVoicingRows, engine::kVoicingCols);
    if (searchAll(&engine::FindVoicings, a) != searchAll(&baseline::FindVoicings, b)) {
        state.SkipWithError("the search and the plain search disagree");
        return;
    }
    runSweeps(state, &engine::FindVoicings);
    const Timing t = timeEachCase(&engine::FindVoicings, 16, 5);
    report(state, t);
    state.counters["speedup"] = baselineTiming().totalMs / t.totalMs;
}
BENCHMARK(BM_FindVoicingsAllChords)->Unit(benchmark::kMillisecond);

void BM_BaselineAllChords(benchmark::State& state)
{
    runSweeps(state, &baseline::FindVoicings);
    report(state, baselineTiming());
}
BENCHMARK(BM_BaselineAllChords)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
