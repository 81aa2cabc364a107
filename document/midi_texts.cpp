#include "document/midi_texts.h"

#include "kvmidi/results.h"

namespace document {

std::string MidiOpenErrorText(std::uint32_t code)
{
    switch (code) {
    case kvmidi::kBadDeviceId: return "Midi: The specified device identifier is out of range.";
    case kvmidi::kAllocated: return "Midi: The specified resource is already allocated.";
    case kvmidi::kNoMemory: return "Midi: The system is unable to allocate or lock memory.";
    case kvmidi::kInvalidParam: return "Midi: The specified pointer or structure is invalid.";
    case kvmidi::kNoDevice: return "No MIDI port was found.";
    // The MIDI library's own codes.
    case kvmidi::kNoAudioOutput: return "Midi: The built-in synthesizer found no audio output.";
    case kvmidi::kPortNotOpened:
        return "Midi: The MIDI port could not be opened. It may have been unplugged, or the ALSA sequencer "
               "may not be running.";
    default: return {};
    }
}

std::string MidiProgramChangeErrorText(std::uint32_t code)
{
    switch (code) {
    case kvmidi::kInvalidHandle: return "Midi: The specified device handle is invalid.";
    case kvmidi::kNotReady: return "Midi: The hardware is busy with other data.";
    case kvmidi::kBadOpenMode:
        return "Midi: The application sent a message without a status byte to a stream handle.";
    default: return {};
    }
}

}  // namespace document
