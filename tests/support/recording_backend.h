#pragma once
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <ostream>
#include <string>
#include <vector>

#include "kvmidi/device.h"

namespace kvmidi {

// Ports that log what they are sent, stamped with the clock the output was
// given, so tests read the timing off the log. Opening goes through the same
// scheduler as a real port.
class RecordingBackend : public Backend {
public:
    struct Entry {
        std::int64_t ms;
        std::string event;  // "open <name>", "on 64 100", "off 64", "program 25", "cc 123", "close <name>"
        friend bool operator==(const Entry&, const Entry&) = default;
        friend void PrintTo(const Entry& e, std::ostream* os) { *os << "{" << e.ms << ", \"" << e.event << "\"}"; }
    };

    explicit RecordingBackend(std::vector<std::string> names = {"Recorder"});

    std::vector<MidiOutCaps> ListDevices() override;
    std::uint32_t Open(std::size_t index, const Clock& clock, std::unique_ptr<Device>& device) override;
    bool SlowToOpen() const override;

    // The ports the next ListDevices reports.
    void SetNames(std::vector<std::string> names);
    // The next opens fail with this code (kOk: they succeed).
    void SetOpenResult(std::uint32_t code);
    // While set, a program change is not sent and reports failure.
    void SetSendsFail(bool fail);
    // From now on the ports are slow to open, as the built-in synth is, and
    // each open waits until ReleaseOpens.
    void HoldOpens();
    void ReleaseOpens();

    std::vector<Entry> Log() const;
    void ClearLog();

private:
    class Sink;
    void Append(std::int64_t ms, std::string event);

    mutable std::mutex m_mutex;
    std::vector<std::string> m_names;
    std::vector<std::string> m_listed;
    std::vector<Entry> m_log;
    std::uint32_t m_openResult = kOk;
    std::atomic<bool> m_sendsFail{false};
    bool m_slow = false;
    bool m_held = false;
    std::condition_variable m_released;
};

}  // namespace kvmidi
