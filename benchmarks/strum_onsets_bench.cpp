// links: kvmidi
// Strums C major many times through the built-in synth rendered offline and
// reports how far each string's onset lands from its place in the strum.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>
#include <vector>

#include "kvmidi/fluid_backend.h"
#include "kvmidi/output.h"
#include "tests/support/offline_synth.h"
#include "tests/support/onsets.h"

namespace {

void BM_StrumOnsetError(benchmark::State& state)
{
    if (!testsupport::OfflineSynthOutput::SoundfontInstalled()) {
        state.SkipWithError("no soundfont");
        return;
    }
    testsupport::OfflineSynthOutput synth;
    kvmidi::Output& output = *synth.output;
    if (output.Open(0) != kvmidi::kOk) {
        state.SkipWithError("synth did not open");
        return;
    }
    auto engine = synth.backend->LastEngine();
    testsupport::SynthProbe probe(engine->Synth(), kvmidi::kSynthSampleRate);

    const std::uint32_t notes[] = {64, 60, 55, 52, 48, 43};
    constexpr int kDelayMs = 30;
    double worst = 0, sum = 0, worstLag = 0;
    long count = 0;
    for (auto _ : state) {
        // Start each strum at a different offset within a render block.
        probe.Render(1.0 + static_cast<double>(count % 7) * 0.2);
        const double start = probe.NowMs();
        const std::size_t before = probe.Notes().size();
        for (int i = 0; i < 6; ++i)
            output.PlayNote(kDelayMs * i, notes[i], 100, 200);
        probe.Render(450);
        const auto all = probe.OnsetsMs();
        if (all.size() < before + 6) {
            state.SkipWithError("a note did not sound");
            return;
        }
        // Onsets are read per render block; the first one shows how late the
        // strum started, the rest how evenly it was spread.
        worstLag = std::max(worstLag, all[before] - start);
        for (std::size_t i = before; i < before + 6; ++i) {
            const double error = std::fabs(all[i] - all[before] - kDelayMs * static_cast<double>(i - before));
            worst = std::max(worst, error);
            sum += error;
            ++count;
        }
    }
    state.counters["onsets"] = static_cast<double>(count);
    state.counters["mean_error_ms"] = count ? sum / static_cast<double>(count) : 0;
    state.counters["worst_error_ms"] = worst;
    state.counters["worst_start_lag_ms"] = worstLag;
}
BENCHMARK(BM_StrumOnsetError)->Iterations(200)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
