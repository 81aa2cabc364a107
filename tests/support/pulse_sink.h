#pragma once
// A null sink of the test's own on the desktop's PulseAudio server, and a
// recording of its monitor, through the server's own pactl and parec (in a
// child process, so its CPU time is not the caller's). The sink keeps the
// test off the user's speakers and other tests' sound out of the recording.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace testsupport {

// What a command printed, or nothing when it failed.
inline std::optional<std::string> CommandOutput(const std::string& command)
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

// What the monitor has recorded so far. Each block the reader appended is
// stamped with the clock on arrival, which dates the frames: frame n was
// captured no later than the arrival of any later block minus the frames
// between, so the dates err late, never early, also when the recorder drops
// frames.
struct Recording {
    using Clock = std::chrono::steady_clock;
    struct Block {
        Clock::time_point arrived;
        std::size_t frames;  // recorded by then
    };

    int rate = 0;
    int channels = 0;
    std::vector<float> samples;  // channels interleaved
    std::vector<Block> blocks;

    std::size_t Frames() const { return samples.size() / static_cast<std::size_t>(channels); }

    // When the block holding a recorded frame arrived.
    Clock::time_point ArrivalOf(std::size_t frame) const
    {
        return std::find_if(blocks.begin(), blocks.end(), [&](const Block& b) { return b.frames > frame; })->arrived;
    }

    // When a recorded frame was captured, at the latest.
    Clock::time_point LatestCapture(std::size_t frame) const
    {
        Clock::time_point latest = Clock::time_point::max();
        for (const Block& block : blocks) {
            if (block.frames <= frame)
                continue;
            const std::chrono::duration<double> after(static_cast<double>(block.frames - 1 - frame) / rate);
            latest = std::min(latest, block.arrived - std::chrono::duration_cast<Clock::duration>(after));
        }
        return latest;
    }
};

class PulseNullSink {
public:
    static constexpr int kRate = 48000;

    // Loads the sink; Problem() says why when there is none. The recorder's
    // latency bounds how finely the blocks' arrivals date the frames.
    explicit PulseNullSink(std::string name, int channels = 2,
                           std::chrono::milliseconds latency = std::chrono::milliseconds(20))
        : m_name(std::move(name)), m_latency(latency)
    {
        m_recording.rate = kRate;
        m_recording.channels = channels;
        if (!CommandOutput("pactl info")) {
            m_problem = "no PulseAudio server is reachable (pactl info failed; is XDG_RUNTIME_DIR or "
                        "PULSE_SERVER set?)";
            return;
        }
        const std::optional<std::string> module =
            CommandOutput("pactl load-module module-null-sink sink_name=" + m_name + " rate=" + std::to_string(kRate) +
                          " channels=" + std::to_string(channels));
        if (!module || module->empty()) {
            m_problem = "the server would not load a null sink";
            return;
        }
        m_module = module->substr(0, module->find_first_of("\r\n"));
    }

    ~PulseNullSink()
    {
        StopRecording();
        if (!m_module.empty())
            CommandOutput("pactl unload-module " + m_module);
    }

    PulseNullSink(const PulseNullSink&) = delete;
    PulseNullSink& operator=(const PulseNullSink&) = delete;

    const std::string& Problem() const { return m_problem; }
    const std::string& Name() const { return m_name; }

    // Streams this process opens from now on play into the sink.
    void MakeDefault() const { setenv("PULSE_SINK", m_name.c_str(), 1); }

    // Starts a new recording of the monitor; true once its samples arrive.
    bool StartRecording(std::chrono::milliseconds timeout = std::chrono::seconds(5))
    {
        StopRecording();
        {
            std::lock_guard lock(m_mutex);
            m_recording.samples.clear();
            m_recording.blocks.clear();
        }
        m_bReceiving = false;
        int fds[2];
        if (pipe(fds) != 0)
            return false;
        m_recorder = fork();
        if (m_recorder == 0) {
            dup2(fds[1], STDOUT_FILENO);
            close(fds[0]);
            close(fds[1]);
            const std::string device = "--device=" + m_name + ".monitor";
            const std::string rate = "--rate=" + std::to_string(kRate);
            const std::string channels = "--channels=" + std::to_string(m_recording.channels);
            const std::string latency = "--latency-msec=" + std::to_string(m_latency.count());
            execlp("parec", "parec", device.c_str(), "--format=float32le", rate.c_str(), channels.c_str(), "--raw",
                   latency.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        if (m_recorder < 0) {
            close(fds[0]);
            return false;
        }
        m_reader = std::thread([this, fd = fds[0]] { Read(fd); });
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        while (!m_bReceiving && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        return m_bReceiving;
    }

    // Frames recorded so far.
    std::size_t Frames()
    {
        std::lock_guard lock(m_mutex);
        return m_recording.Frames();
    }

    // Runs look on the recording so far, the reader held off meanwhile.
    template <typename Look>
    decltype(auto) Inspect(Look&& look)
    {
        std::lock_guard lock(m_mutex);
        return std::forward<Look>(look)(std::as_const(m_recording));
    }

    // Stops the recording; its samples, channels interleaved.
    std::vector<float> StopRecording()
    {
        if (m_recorder > 0) {
            kill(m_recorder, SIGTERM);
            waitpid(m_recorder, nullptr, 0);
            m_recorder = -1;
        }
        if (m_reader.joinable())
            m_reader.join();
        std::lock_guard lock(m_mutex);
        return m_recording.samples;
    }

private:
    void Read(int fd)
    {
        std::vector<char> pending;
        // Small reads, so that a block's arrival dates few frames.
        char buffer[1024];
        ssize_t n;
        while ((n = read(fd, buffer, sizeof buffer)) > 0) {
            const Recording::Clock::time_point arrived = Recording::Clock::now();
            pending.insert(pending.end(), buffer, buffer + n);
            const std::size_t whole = pending.size() / sizeof(float);
            std::lock_guard lock(m_mutex);
            std::vector<float>& samples = m_recording.samples;
            const std::size_t old = samples.size();
            samples.resize(old + whole);
            std::memcpy(samples.data() + old, pending.data(), whole * sizeof(float));
            pending.erase(pending.begin(), pending.begin() + static_cast<std::ptrdiff_t>(whole * sizeof(float)));
            m_recording.blocks.push_back({arrived, m_recording.Frames()});
            m_bReceiving = true;
        }
        close(fd);
    }

    std::string m_name;
    std::string m_problem;
    std::string m_module;
    std::chrono::milliseconds m_latency;
    pid_t m_recorder = -1;
    std::thread m_reader;
    std::mutex m_mutex;
    Recording m_recording;
    std::atomic<bool> m_bReceiving{false};
};

}  // namespace testsupport
