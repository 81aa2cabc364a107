#pragma once
#include <cstdint>

#include "kvmidi/device.h"
#include "kvmidi/output.h"

// The MIDI output library: one process-wide output, device 0 the built-in
// synth when its soundfont is installed, then the ALSA ports. Called from one
// thread; every call returns at once, and nothing is thrown or printed. The
// built-in synth opens on a thread of its own: its open answers kOpening, and
// the notes and program changes asked for meanwhile follow once it is open.
namespace kvmidi {

// kOk; kOpening, the result to come through the opened handler; kNoDevice
// with no devices, kBadDeviceId, kNoMemory, kInvalidParam (no soundfont),
// kNoAudioOutput, kPortNotOpened.
// Whatever was open is closed first; after a success the last program set
// is sent again.
std::uint32_t KvMidiOpen(std::uint32_t deviceId);
// Always kOk: pending notes are dropped and sounding keys released. Harmless
// when nothing is open.
std::uint32_t KvMidiClose();
// kOk, kInvalidHandle (nothing open), kInvalidParam (above 127) or kNotReady
// (the send failed).
std::uint32_t KvMidiProgramChange(std::uint32_t program);
// kOk at once, kInvalidHandle or kInvalidParam. A negative delay counts as 0,
// a duration below 1 as 1 ms.
std::uint32_t KvMidiPlayNote(std::int32_t delayMs, std::uint32_t note, std::uint32_t velocity,
                             std::int32_t durationMs);

// Where an open that answered kOpening reports, on the opening thread; once
// this returns, the previous handler is no longer running.
void KvMidiSetOpenedHandler(Output::OpenedHandler handler);

// Takes a new snapshot of the devices, which KvMidiOpen then numbers by.
std::uint32_t MidiOutGetNumDevs();
// kOk, or kBadDeviceId.
std::uint32_t MidiOutGetDevCaps(std::uint32_t id, MidiOutCaps& caps);

}  // namespace kvmidi
