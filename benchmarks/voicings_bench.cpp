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
using Clock = std::chrono::steady_clock;

constexpr int kCases = 8192;  // the 4,096 chords with both window settings

const CWord2DimArray& standardNotes()
{
    static const CWord2DimArray notes = [] {
        CWord2DimArray table;
        engine::BuildFretboardNotes(engine::kStandardTuning, table);
        return table;
    }();
    return notes;
}

CWord2DimArray voicingTable()
{
    CWord2DimArray voicings;
    voicings.Create(engine::kVoicingRows, engine::kVoicingCols);
    return voicings;
}

int searchCase(SearchFn search, int index, CWord2DimArray& voicings)
{
    return search(standardNotes(), static_cast<PitchClassMask>(index & 0xFFF), index >> 12, voicings);
}

// One search of every case; returns the voicings found, so nothing is optimised away.
int sweep(SearchFn search, CWord2DimArray& voicings)
{
    int found = 0;
    for (int index = 0; index < kCases; ++index)
        found += searchCase(search, index, voicings);
    return found;
}

double sweepMs(SearchFn search, CWord2DimArray& voicings)
{
    const auto begin = Clock::now();
    benchmark::DoNotOptimize(sweep(search, voicings));
    return std::chrono::duration<double, std::milli>(Clock::now() - begin).count();
}

struct Slowest {
    double us = 0;
    int index = 0;
};

// Each case timed alone, once per round; a case's figure is its best round,
// so a stray interrupt does not become the slowest search.
Slowest slowestSearch(SearchFn search, int rounds)
{
    CWord2DimArray voicings = voicingTable();
    std::vector<double> best(kCases, 1e300);
    for (int round = 0; round < rounds; ++round)
        for (int index = 0; index < kCases; ++index) {
            const auto begin = Clock::now();
            benchmark::DoNotOptimize(searchCase(search, index, voicings));
            const std::chrono::duration<double, std::micro> took = Clock::now() - begin;
            best[static_cast<std::size_t>(index)] = std::min(best[static_cast<std::size_t>(index)], took.count());
        }
    const auto slowest = std::max_element(best.begin(), best.end());
    return {*slowest, static_cast<int>(slowest - best.begin())};
}

// Both searches timed the same way: each iteration sweeps all 8,192 cases with
// the engine and with the plain search, taking turns, so both meet the same
// machine. The reported time is the engine's sweep; speedup is the ratio of
// the two sweeps' totals over the run.
void BM_FindVoicingsSweep(benchmark::State& state)
{
    CWord2DimArray a = voicingTable();
    CWord2DimArray b = voicingTable();
    if (sweep(&engine::FindVoicings, a) != sweep(&baseline::FindVoicings, b)) {
        state.SkipWithError("the search and the plain search disagree");
        return;
    }
    double engineMs = 0;
    double baselineMs = 0;
    bool engineFirst = true;
    for (auto _ : state) {
        double ms = 0;
        if (engineFirst) {
            ms = sweepMs(&engine::FindVoicings, a);
            baselineMs += sweepMs(&baseline::FindVoicings, b);
        } else {
            baselineMs += sweepMs(&baseline::FindVoicings, b);
            ms = sweepMs(&engine::FindVoicings, a);
        }
        engineMs += ms;
        engineFirst = !engineFirst;
        state.SetIterationTime(ms / 1000.0);
    }
    const double sweeps = static_cast<double>(state.iterations());
    state.counters["engine_sweep_ms"] = engineMs / sweeps;
    state.counters["baseline_sweep_ms"] = baselineMs / sweeps;
    state.counters["speedup"] = baselineMs / engineMs;

    const Slowest engine = slowestSearch(&engine::FindVoicings, 3);
    const Slowest plain = slowestSearch(&baseline::FindVoicings, 3);
    state.counters["slowest_us"] = engine.us;
    state.counters["slowest_mask"] = engine.index & 0xFFF;
    state.counters["slowest_span"] = engine.index >> 12;
    state.counters["baseline_slowest_us"] = plain.us;
    state.SetItemsProcessed(state.iterations() * kCases);
}
BENCHMARK(BM_FindVoicingsSweep)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
