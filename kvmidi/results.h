#pragma once
// What the MIDI output answers: its result codes and a device's capabilities.
// Standard types only: the document reaches MIDI through its MidiPort and
// includes this header, and nothing else of kvmidi/.
#include <cstdint>
#include <string>

namespace kvmidi {

// Result codes, numbered like the multimedia errors whose texts the callers show.
inline constexpr std::uint32_t kOk = 0;
inline constexpr std::uint32_t kBadDeviceId = 2;
inline constexpr std::uint32_t kInvalidHandle = 5;   // nothing is open
inline constexpr std::uint32_t kNoMemory = 7;
inline constexpr std::uint32_t kInvalidParam = 11;
inline constexpr std::uint32_t kNotReady = 67;       // a send failed
inline constexpr std::uint32_t kNoDevice = 68;
// Our own, past the multimedia ranges: those have no words for these.
inline constexpr std::uint32_t kNoAudioOutput = 1001;  // the built-in synth found no audio output
inline constexpr std::uint32_t kPortNotOpened = 1002;  // the port is gone or will not open, or no ALSA sequencer
inline constexpr std::uint32_t kOpening = 1003;        // still opening; the result comes later
// Never answered by this output, but the document has words for them.
inline constexpr std::uint32_t kAllocated = 4;
inline constexpr std::uint32_t kBadOpenMode = 70;

// Technology values of a device's capabilities.
inline constexpr std::uint16_t kMidiPort = 1;
inline constexpr std::uint16_t kSoftwareSynth = 7;

struct MidiOutCaps {
    std::string name;
    std::uint16_t technology = 0;
    std::uint16_t voices = 0;
    std::uint16_t notes = 0;
    std::uint32_t support = 0;
};

}  // namespace kvmidi
