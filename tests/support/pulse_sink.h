#pragma once
// A null sink of the test's own on the desktop's PulseAudio server, and a
// recording of its monitor, through the server's own pactl and parec. The
// sink keeps the test off the user's speakers and other tests' sound out of
// the recording.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
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

class PulseNullSink {
public:
    static constexpr int kRate = 48000;

    // Loads the sink; Problem() says why when there is none.
    explicit PulseNullSink(std::string name) : m_name(std::move(name))
    {
        if (!CommandOutput("pactl info")) {
            m_problem = "no PulseAudio server is reachable (pactl info failed; is XDG_RUNTIME_DIR or "
                        "PULSE_SERVER set?)";
            return;
        }
        const std::optional<std::string> module =
            CommandOutput("pactl load-module module-null-sink sink_name=" + m_name + " rate=" + std::to_string(kRate) +
                          " channels=2");
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

    // Starts a new recording of the monitor; true once its samples arrive.
    bool StartRecording(std::chrono::milliseconds timeout = std::chrono::seconds(5))
    {
        StopRecording();
        {
            std::lock_guard lock(m_mutex);
            m_samples.clear();
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
            execlp("parec", "parec", device.c_str(), "--format=float32le", rate.c_str(), "--channels=2", "--raw",
                   "--latency-msec=20", static_cast<char*>(nullptr));
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

    // Stops the recording; its frames, left and right interleaved.
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
        return m_samples;
    }

private:
    void Read(int fd)
    {
        std::vector<char> pending;
        char buffer[4096];
        ssize_t n;
        while ((n = read(fd, buffer, sizeof buffer)) > 0) {
            pending.insert(pending.end(), buffer, buffer + n);
            const std::size_t whole = pending.size() / sizeof(float);
            std::lock_guard lock(m_mutex);
            const std::size_t old = m_samples.size();
            m_samples.resize(old + whole);
            std::memcpy(m_samples.data() + old, pending.data(), whole * sizeof(float));
            pending.erase(pending.begin(), pending.begin() + static_cast<std::ptrdiff_t>(whole * sizeof(float)));
            m_bReceiving = true;
        }
        close(fd);
    }

    std::string m_name;
    std::string m_problem;
    std::string m_module;
    pid_t m_recorder = -1;
    std::thread m_reader;
    std::mutex m_mutex;
    std::vector<float> m_samples;
    std::atomic<bool> m_bReceiving{false};
};

}  // namespace testsupport
