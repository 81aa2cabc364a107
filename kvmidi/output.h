#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "kvmidi/clock.h"
#include "kvmidi/device.h"

namespace kvmidi {

// The MIDI output: a device list over its backends, at most one open device,
// and the program to restore on every open. Every call returns at once: a
// device that is slow to open opens on a thread of the output's own, and
// what the caller asks of it meanwhile is held and sent once it is open.
class Output {
public:
    // How an open that answered kOpening ended: its code, and that of the
    // last program change asked for while it opened (kOk when none).
    struct Opened {
        std::uint32_t open = kOk;
        std::uint32_t program = kOk;
    };
    // Called on the opening thread; it must not call back into the output.
    using OpenedHandler = std::function<void(Opened)>;

    explicit Output(std::vector<std::unique_ptr<Backend>> backends,
                    const Clock& clock = SteadyClock::Instance());
    ~Output();
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    // kOpening when the device opens aside; the result then goes to the handler.
    std::uint32_t Open(std::uint32_t deviceId);
    // Also ends an open under way: it waits for it, and its result is not reported.
    std::uint32_t Close();
    std::uint32_t ProgramChange(std::uint32_t program);
    std::uint32_t PlayNote(std::int32_t delayMs, std::uint32_t note, std::uint32_t velocity,
                           std::int32_t durationMs);

    // Takes a new snapshot of the devices and counts it.
    std::uint32_t GetNumDevs();
    // kOk, or kBadDeviceId with caps cleared.
    std::uint32_t GetDevCaps(std::uint32_t deviceId, MidiOutCaps& caps);

    // Once it returns, a call running the old handler has ended.
    void SetOpenedHandler(OpenedHandler handler);

    // Returns once an open under way has ended and everything due by the
    // clock has been sent.
    void WaitIdle();

private:
    struct Entry {
        Backend* backend;
        std::size_t index;
        MidiOutCaps caps;
    };
    // A call made while the device opened, sent once it is open.
    struct Held {
        Clock::TimePoint at;
        std::optional<std::uint8_t> program;  // else the note
        std::uint8_t note = 0;
        std::uint8_t velocity = 0;
        std::int32_t delayMs = 0;
        std::int32_t durationMs = 0;
    };

    void TakeSnapshot();
    // On the opening thread: program is the one to restore.
    void OpenAside(Backend* backend, std::size_t index, std::optional<std::uint8_t> program);

    std::vector<std::unique_ptr<Backend>> m_backends;
    const Clock& m_clock;
    std::vector<Entry> m_devices;
    bool m_bSnapshotTaken = false;
    std::optional<std::uint8_t> m_program;
    std::unique_ptr<Device> m_device;

    // Shared with the opening thread until it has finished.
    std::mutex m_mutex;
    bool m_bOpening = false;
    bool m_bCancelled = false;
    std::vector<Held> m_held;
    std::thread m_opener;

    std::mutex m_handlerMutex;
    OpenedHandler m_onOpened;
};

}  // namespace kvmidi
