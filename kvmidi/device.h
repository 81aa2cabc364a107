#pragma once
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "kvmidi/results.h"

namespace kvmidi {

class Clock;

// One note: on after delay, off after delay + duration.
struct NoteCall {
    std::uint8_t note = 0;
    std::uint8_t velocity = 0;
    std::chrono::milliseconds delay{0};
    std::chrono::milliseconds duration{1};
};

// One open output. Destroying it closes it: pending events are dropped,
// sounding keys get their note-off, then All Notes Off (CC 123) follows.
class Device {
public:
    virtual ~Device() = default;

    // False when the message could not be sent.
    virtual bool ProgramChange(std::uint8_t program) = 0;
    // Returns at once; note-on after delay, note-off after delay + duration.
    virtual void PlayNote(std::uint8_t note, std::uint8_t velocity, std::chrono::milliseconds delay,
                          std::chrono::milliseconds duration) = 0;
    // Notes timed from one and the same moment: a strum held while the
    // device opened keeps its spacing.
    virtual void PlayNotes(const std::vector<NoteCall>& notes)
    {
        for (const NoteCall& call : notes)
            PlayNote(call.note, call.velocity, call.delay, call.duration);
    }
    // Returns once every event due by the device's clock has been sent.
    virtual void WaitIdle() {}
};

// A family of devices: the built-in synth, the ALSA ports, a recorder.
class Backend {
public:
    virtual ~Backend() = default;

    // The devices present now; Open's index counts into the latest list.
    virtual std::vector<MidiOutCaps> ListDevices() = 0;
    // kOk with the device set, or one of the result codes of KvMidiOpen.
    virtual std::uint32_t Open(std::size_t index, const Clock& clock, std::unique_ptr<Device>& device) = 0;
    // True when Open takes long enough to be felt (a soundfont to load): the
    // output then runs it on a thread of its own, alongside the other calls.
    virtual bool SlowToOpen() const { return false; }
};

// The capabilities of ports known by their names alone: MIDI ports, in order.
std::vector<MidiOutCaps> MidiPortCaps(const std::vector<std::string>& names);

}  // namespace kvmidi
