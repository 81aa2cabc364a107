#pragma once
#include <cstdint>

namespace kvmidi {

// An open port that sends each message at once, on channel 0. The scheduler
// calls it from its worker thread, never two calls at a time.
class MidiSink {
public:
    virtual ~MidiSink() = default;

    virtual void NoteOn(std::uint8_t note, std::uint8_t velocity) = 0;
    virtual void NoteOff(std::uint8_t note) = 0;
    // False when the message could not be sent.
    virtual bool Program(std::uint8_t program) = 0;
    // Control change 123.
    virtual void AllNotesOff() = 0;
};

}  // namespace kvmidi
