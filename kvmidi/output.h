#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "kvmidi/clock.h"
#include "kvmidi/device.h"

namespace kvmidi {

// The MIDI output: a device list over its backends, at most one open device,
// and the program to restore on every open. Every call returns at once.
class Output {
public:
    explicit Output(std::vector<std::unique_ptr<Backend>> backends,
                    const Clock& clock = SteadyClock::Instance());
    ~Output();
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    std::uint32_t Open(std::uint32_t deviceId);
    std::uint32_t Close();
    std::uint32_t ProgramChange(std::uint32_t program);
    std::uint32_t PlayNote(std::int32_t delayMs, std::uint32_t note, std::uint32_t velocity,
                           std::int32_t durationMs);

    // Takes a new snapshot of the devices and counts it.
    std::uint32_t GetNumDevs();
    // kOk, or kBadDeviceId with caps cleared.
    std::uint32_t GetDevCaps(std::uint32_t deviceId, MidiOutCaps& caps);

    // Returns once everything due by the clock has been sent.
    void WaitIdle();

private:
    struct Entry {
        Backend* backend;
        std::size_t index;
        MidiOutCaps caps;
    };

    void TakeSnapshot();

    std::vector<std::unique_ptr<Backend>> m_backends;
    const Clock& m_clock;
    std::vector<Entry> m_devices;
    bool m_bSnapshotTaken = false;
    std::optional<std::uint8_t> m_program;
    std::unique_ptr<Device> m_device;
};

}  // namespace kvmidi
