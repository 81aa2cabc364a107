#pragma once
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <queue>
#include <thread>
#include <vector>

#include "kvmidi/clock.h"
#include "kvmidi/device.h"
#include "kvmidi/key_owners.h"
#include "kvmidi/midi_sink.h"

namespace kvmidi {

// Times note-ons and note-offs for a sink on one worker thread. The caller
// never waits for a note; the worker sleeps until the earliest event is due.
class Scheduler {
public:
    Scheduler(MidiSink& sink, const Clock& clock);
    // Stops the worker; Close first to silence the sink.
    ~Scheduler();
    Scheduler(const Scheduler&) = delete;
    Scheduler& operator=(const Scheduler&) = delete;

    void PlayNote(std::uint8_t note, std::uint8_t velocity, std::chrono::milliseconds delay,
                  std::chrono::milliseconds duration);
    // Sent at once, in order with the notes the worker sends.
    bool Program(std::uint8_t program);
    // Drops every pending event, sends note-off for each sounding key, then CC 123.
    void Close();
    // Returns once every event due by the clock has been sent.
    void WaitIdle();

private:
    struct Event {
        Clock::TimePoint due;
        std::uint64_t order;
        std::uint32_t generation;
        std::uint8_t note;
        std::uint8_t velocity;
        bool on;
    };
    // Earliest first; events due together keep the order they were queued in.
    struct Later {
        bool operator()(const Event& a, const Event& b) const
        {
            return a.due != b.due ? a.due > b.due : a.order > b.order;
        }
    };

    void Run();
    void Deliver(const Event& event);

    MidiSink& m_sink;
    const Clock& m_clock;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::priority_queue<Event, std::vector<Event>, Later> m_queue;
    KeyOwners m_keys;
    std::uint64_t m_nextOrder = 0;
    bool m_kicked = false;
    bool m_stop = false;
    std::thread m_worker;
};

// A sink driven through a scheduler: the device of a MIDI port.
class ScheduledDevice : public Device {
public:
    ScheduledDevice(std::unique_ptr<MidiSink> sink, const Clock& clock);
    // The queue is emptied and the keys released before the port goes.
    ~ScheduledDevice() override;

    bool ProgramChange(std::uint8_t program) override;
    void PlayNote(std::uint8_t note, std::uint8_t velocity, std::chrono::milliseconds delay,
                  std::chrono::milliseconds duration) override;
    void WaitIdle() override;

private:
    std::unique_ptr<MidiSink> m_sink;
    Scheduler m_scheduler;
};

}  // namespace kvmidi
