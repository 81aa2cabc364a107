// links: app test_support_platform
// From the start of a new process to the first paint of the main window's
// view: the program started offscreen on a settings file of its own, each
// run in a fresh child process. Two starts take turns: one with the real MIDI
// library, whose built-in synth plays through the audio server as on a
// desktop, and one with a MIDI library that has no devices; the difference
// of their medians is what opening the synth costs the start.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QTemporaryDir>

#include "app/kvwin_app.h"
#include "app/main_frame.h"
#include "document/ports.h"
#include "platform/qt_settings_store.h"
#include "tests/support/fake_ports.h"
#include "tests/support/scripted_dialog_runner.h"

extern char** environ;

namespace {

constexpr const char* kChildFlag = "--startup-child";
constexpr const char* kNoDevicesFlag = "--no-midi-devices";

std::int64_t MonotonicNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Writes the clock at the first paint of the watched widget and ends the loop.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            std::printf("%lld\n", static_cast<long long>(MonotonicNs()));
            std::fflush(stdout);
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool m_seen = false;
};

int RunChild(int argc, char** argv, bool noDevices)
{
    QApplication application(argc, argv);
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    platform::QtSettingsStore store(dir.filePath(QStringLiteral("Tonalith.conf")).toStdString());
    CKvwinApp::Dependencies deps;
    deps.settings = &store;
    SilentMidi none;
    if (noDevices)
        deps.midi = &none;
    // A box (no sound device here) would wait for a click.
    platform::ScriptedDialogRunner runner;
    platform::ScopedDialogRunner scope(runner);
    CKvwinApp app(deps);
    FirstPaint watcher;
    if (!app.InitInstance())
        return 1;
    app.MainFrame()->View()->installEventFilter(&watcher);
    app.InitDocument();
    QApplication::exec();
    app.MainFrame()->close();
    return 0;
}

std::string g_self;

// Seconds from spawning a child to its first paint, or a negative value.
double OneStart(bool noDevices)
{
    int out[2];
    if (pipe(out) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    char* args[] = {g_self.data(), const_cast<char*>(kChildFlag),
                    noDevices ? const_cast<char*>(kNoDevicesFlag) : nullptr, nullptr};
    const std::int64_t start = MonotonicNs();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, g_self.c_str(), &actions, nullptr, args, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return -1;
    }
    std::string text;
    char buffer[64];
    ssize_t n = 0;
    while ((n = read(out[0], buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<std::size_t>(n));
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (text.empty())
        return -1;
    return static_cast<double>(std::atoll(text.c_str()) - start) / 1e9;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Each iteration starts the program twice, with the synth and with no
// device, in alternating order; its time is the start with the synth.
void BM_StartToFirstPaint(benchmark::State& state)
{
    if (std::system("pactl info >/dev/null 2>&1") != 0) {
        state.SkipWithError("no PulseAudio server: the synth would find no audio output");
        return;
    }
    std::vector<double> synth, none;
    bool synthFirst = true;
    for (auto _ : state) {
        double withSynth = 0, withNone = 0;
        for (const bool noDevices : {!synthFirst, synthFirst}) {
            const double seconds = OneStart(noDevices);
            if (seconds < 0) {
                state.SkipWithError("the program did not paint");
                return;
            }
            (noDevices ? withNone : withSynth) = seconds;
        }
        synthFirst = !synthFirst;
        synth.push_back(withSynth * 1e3);
        none.push_back(withNone * 1e3);
        state.SetIterationTime(withSynth);
    }
    state.counters["synth_ms"] = Median(synth);
    state.counters["no_device_ms"] = Median(none);
    state.counters["synth_costs_ms"] = Median(synth) - Median(none);
}
BENCHMARK(BM_StartToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15);

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (argc > 1 && std::strcmp(argv[1], kChildFlag) == 0)
        return RunChild(argc, argv, argc > 2 && std::strcmp(argv[2], kNoDevicesFlag) == 0);
    g_self = "/proc/self/exe";
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length > 0)
        g_self.assign(path, static_cast<std::size_t>(length));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
