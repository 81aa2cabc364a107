// links: kvmidi
// The built-in synth on a PulseAudio null sink of its own: the process's CPU
// time while nothing plays, and the time from a note asked for after a quiet
// spell to its first sound at the sink's monitor. Both for the synth as it
// is, resting its audio output when quiet, and with the output kept running
// as it used to be. Needs a PulseAudio server (XDG_RUNTIME_DIR or
// PULSE_SERVER) and parec.
//   synth_idle_bench [--idle-seconds 30] [--takes 5]
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "kvmidi/fluid_backend.h"
#include "kvmidi/output.h"

namespace {

using Steady = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr int kRate = 48000;
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

std::optional<std::string> Command(const std::string& command)
{
    FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
    if (!pipe)
        return std::nullopt;
    std::string out;
    char buffer[256];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        out.append(buffer, n);
    if (pclose(pipe) != 0)
        return std::nullopt;
    return out;
}

// A null sink of the benchmark's own, made the default of this process, and
// a recording of its monitor by parec in a child process (so its CPU time is
// not ours). Each block read is stamped with the clock on arrival, which
// dates the frames: frame n was captured no later than the arrival of any
// later block minus the frames between, so the dates err late, never early,
// also when the recorder drops frames.
class MonitoredSink {
public:
    MonitoredSink()
    {
        const auto module = Command(std::string("pactl load-module module-null-sink sink_name=") + kSink
                                    + " rate=" + std::to_string(kRate) + " channels=1");
        if (module && !module->empty())
            m_module = module->substr(0, module->find_first_of("\r\n"));
        setenv("PULSE_SINK", kSink, 1);
    }
    ~MonitoredSink()
    {
        StopRecording();
        if (!m_module.empty())
            Command("pactl unload-module " + m_module);
    }
    MonitoredSink(const MonitoredSink&) = delete;
    MonitoredSink& operator=(const MonitoredSink&) = delete;

    bool Loaded() const { return !m_module.empty(); }

    bool StartRecording()
    {
        {
            std::lock_guard lock(m_mutex);
            m_samples.clear();
            m_blocks.clear();
        }
        int fds[2];
        if (pipe(fds) != 0)
            return false;
        m_recorder = fork();
        if (m_recorder == 0) {
            dup2(fds[1], STDOUT_FILENO);
            close(fds[0]);
            close(fds[1]);
            const std::string device = std::string("--device=") + kSink + ".monitor";
            const std::string rate = "--rate=" + std::to_string(kRate);
            execlp("parec", "parec", device.c_str(), "--format=float32le", rate.c_str(), "--channels=1", "--raw",
                   "--latency-msec=5", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        if (m_recorder < 0) {
            close(fds[0]);
            return false;
        }
        m_reader = std::thread([this, fd = fds[0]] { Read(fd); });
        const auto deadline = Steady::now() + std::chrono::seconds(5);
        while (Frames() == 0 && Steady::now() < deadline)
            std::this_thread::sleep_for(milliseconds(5));
        return Frames() > 0;
    }

    void StopRecording()
    {
        if (m_recorder > 0) {
            kill(m_recorder, SIGTERM);
            waitpid(m_recorder, nullptr, 0);
            m_recorder = -1;
        }
        if (m_reader.joinable())
            m_reader.join();
    }

    std::size_t Frames()
    {
        std::lock_guard lock(m_mutex);
        return m_samples.size();
    }

    // When the first frame from `from` on above the level was captured, at
    // the latest; nothing if none has arrived by the deadline.
    std::optional<Steady::time_point> FirstHeard(std::size_t from, Steady::time_point deadline)
    {
        std::optional<std::size_t> heard;
        for (;;) {
            {
                std::lock_guard lock(m_mutex);
                for (std::size_t i = heard.value_or(from); !heard && i < m_samples.size(); ++i)
                    if (std::fabs(m_samples[i]) > kHeard)
                        heard = i;
                // The blocks of the next 200 ms narrow the date down.
                if (heard && !m_blocks.empty() && m_blocks.back().arrived - ArrivalOf(*heard) > milliseconds(200))
                    return LatestCapture(*heard);
            }
            if (Steady::now() > deadline)
                return std::nullopt;
            std::this_thread::sleep_for(milliseconds(2));
        }
    }

private:
    struct Block {
        Steady::time_point arrived;
        std::size_t end;  // frames recorded by then
    };

    Steady::time_point ArrivalOf(std::size_t frame) const
    {
        return std::find_if(m_blocks.begin(), m_blocks.end(), [&](const Block& b) { return b.end > frame; })->arrived;
    }

    Steady::time_point LatestCapture(std::size_t frame) const
    {
        Steady::time_point latest = Steady::time_point::max();
        for (const Block& block : m_blocks)
            if (block.end > frame)
                latest = std::min(latest, block.arrived - std::chrono::duration_cast<Steady::duration>(
                                                              std::chrono::duration<double>(
                                                                  static_cast<double>(block.end - 1 - frame) / kRate)));
        return latest;
    }

    void Read(int fd)
    {
        std::vector<char> pending;
        char buffer[1024];
        ssize_t n;
        while ((n = read(fd, buffer, sizeof buffer)) > 0) {
            const Steady::time_point arrived = Steady::now();
            pending.insert(pending.end(), buffer, buffer + n);
            const std::size_t whole = pending.size() / sizeof(float);
            std::lock_guard lock(m_mutex);
            const std::size_t old = m_samples.size();
            m_samples.resize(old + whole);
            std::memcpy(m_samples.data() + old, pending.data(), whole * sizeof(float));
            pending.erase(pending.begin(), pending.begin() + static_cast<std::ptrdiff_t>(whole * sizeof(float)));
            m_blocks.push_back({arrived, m_samples.size()});
        }
        close(fd);
    }

    std::string m_module;
    pid_t m_recorder = -1;
    std::thread m_reader;
    std::mutex m_mutex;
    std::vector<float> m_samples;
    std::vector<Block> m_blocks;
};

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

std::optional<Figures> Measure(MonitoredSink& sink, std::optional<milliseconds> restAfter, int idleSeconds,
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
        const auto heard = sink.FirstHeard(from, asked + std::chrono::seconds(3));
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
    MonitoredSink sink;
    if (!sink.Loaded()) {
        std::fprintf(stderr, "no PulseAudio server to load a null sink into (is XDG_RUNTIME_DIR set?)\n");
        return 1;
    }
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
