// links: kvmidi
// The built-in synth on a PulseAudio null sink of its own: the process's CPU
// time while nothing plays, and the time from a note asked for after a quiet
// spell to its first sound at the sink's monitor. Both for the synth as it
// is, resting its audio output when quiet, and with the output kept running
// as it used to be. Needs a PulseAudio server (XDG_RUNTIME_DIR or
// PULSE_SERVER), pactl and parec.
//   synth_idle_bench [--idle-seconds 30] [--takes 5]
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "kvmidi/fluid_backend.h"
#include "kvmidi/output.h"
#include "tests/support/pulse_sink.h"

namespace {

using Steady = std::chrono::steady_clock;
using std::chrono::milliseconds;
using testsupport::PulseNullSink;
using testsupport::Recording;

constexpr float kHeard = 1e-3f;  // -60 dBFS
constexpr const char* kSink = "tonalith_idle_bench";
// Time for a strum's tail and the silence before the output rests, with room
// for a busy machine on which the sound server falls behind.
constexpr std::chrono::seconds kSettle(15);

double ProcessCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
           + 1e-6 * static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec);
}

double Ms(Steady::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

// When the first frame from `from` on above the level was captured, at the
// latest; nothing if none has arrived by the deadline.
std::optional<Steady::time_point> FirstHeard(PulseNullSink& sink, std::size_t from, Steady::time_point deadline)
{
    std::optional<std::size_t> heard;
    std::optional<std::size_t> next;  // the first sample not yet looked at
    for (;;) {
        const auto captured = sink.Inspect([&](const Recording& r) -> std::optional<Steady::time_point> {
            const auto channels = static_cast<std::size_t>(r.channels);
            for (next = next.value_or(from * channels); !heard && *next < r.samples.size(); ++*next)
                if (std::fabs(r.samples[*next]) > kHeard)
                    heard = *next / channels;
            // The blocks of the next 200 ms narrow the date down.
            if (heard && r.blocks.back().arrived - r.ArrivalOf(*heard) > milliseconds(200))
                return r.LatestCapture(*heard);
            return std::nullopt;
        });
        if (captured)
            return captured;
        if (Steady::now() > deadline)
            return std::nullopt;
        std::this_thread::sleep_for(milliseconds(2));
    }
}

struct Figures {
    double idleCpuPercent = 0;
    std::vector<double> latencyMs;
    std::vector<double> callUs;  // PlayNote's own time, every call
};

void Strum(kvmidi::Output& output, Figures& figures)
{
    const std::uint32_t keys[] = {64, 60, 55, 52, 48, 43};
    for (int i = 0; i < 6; ++i) {
        const auto before = Steady::now();
        output.PlayNote(30 * i, keys[i], 100, 1000);
        figures.callUs.push_back(1000.0 * Ms(Steady::now() - before));
    }
}

std::optional<Figures> Measure(PulseNullSink& sink, std::optional<milliseconds> restAfter, int idleSeconds,
                               int takes)
{
    kvmidi::FluidSynthOptions options;
    options.restAfter = restAfter;
    std::vector<std::unique_ptr<kvmidi::Backend>> backends;
    backends.push_back(std::make_unique<kvmidi::FluidSynthBackend>(options));
    kvmidi::Output output(std::move(backends));
    if (output.GetNumDevs() != 1 || output.Open(0) != kvmidi::kOk) {
        std::fprintf(stderr, "the built-in synth did not open (soundfont or sound server missing)\n");
        return std::nullopt;
    }
    output.ProgramChange(25);
    Figures figures;

    // One strum, its tail and the silence before a rest, then the idle spell.
    Strum(output, figures);
    std::this_thread::sleep_for(kSettle);
    const double cpuBefore = ProcessCpuSeconds();
    std::this_thread::sleep_for(std::chrono::seconds(idleSeconds));
    figures.idleCpuPercent = 100.0 * (ProcessCpuSeconds() - cpuBefore) / idleSeconds;

    // Each take after a quiet spell: a strum, and when its first sound came.
    if (!sink.StartRecording()) {
        std::fprintf(stderr, "parec recorded nothing from %s.monitor\n", kSink);
        return std::nullopt;
    }
    for (int take = 0; take < takes; ++take) {
        if (take > 0)
            std::this_thread::sleep_for(kSettle);
        const std::size_t from = sink.Frames();
        const Steady::time_point asked = Steady::now();
        Strum(output, figures);
        const auto heard = FirstHeard(sink, from, asked + std::chrono::seconds(3));
        if (!heard) {
            std::fprintf(stderr, "take %d: nothing was heard\n", take + 1);
            return std::nullopt;
        }
        figures.latencyMs.push_back(Ms(*heard - asked));
    }
    sink.StopRecording();
    output.Close();
    return figures;
}

std::vector<double> Sorted(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values;
}

void Report(const char* name, const Figures& figures)
{
    const std::vector<double> latency = Sorted(figures.latencyMs);
    const std::vector<double> calls = Sorted(figures.callUs);
    std::printf("%-28s %8.2f %%   %7.1f %7.1f %7.1f ms   %7.1f %7.1f us\n", name, figures.idleCpuPercent,
                latency.front(), latency[latency.size() / 2], latency.back(), calls[calls.size() / 2], calls.back());
}

}  // namespace

int main(int argc, char** argv)
{
    int idleSeconds = 30;
    int takes = 5;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--idle-seconds") == 0)
            idleSeconds = std::max(1, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--takes") == 0)
            takes = std::max(1, std::atoi(argv[i + 1]));
    }
    // Mono, and a short recorder latency for finely dated blocks.
    PulseNullSink sink(kSink, 1, milliseconds(5));
    if (!sink.Problem().empty()) {
        std::fprintf(stderr, "%s\n", sink.Problem().c_str());
        return 1;
    }
    sink.MakeDefault();
    std::printf("%d s idle, %lld s after one strum; %d takes of a strum after %lld s of quiet\n", idleSeconds,
                static_cast<long long>(kSettle.count()), takes, static_cast<long long>(kSettle.count()));
    std::printf("%-28s %10s   %23s   %18s\n", "", "idle CPU", "first sound min/med/max", "PlayNote med/max");
    const auto kept = Measure(sink, std::nullopt, idleSeconds, takes);
    if (!kept)
        return 1;
    Report("output kept running (before)", *kept);
    const auto resting = Measure(sink, kvmidi::kRestAfter, idleSeconds, takes);
    if (!resting)
        return 1;
    Report("output rests when quiet", *resting);
    return 0;
}
