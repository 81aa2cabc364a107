#include "document/midi_texts.h"

namespace document {

std::string MidiOpenErrorText(std::uint32_t code)
{
    switch (code) {
    case 2: return "Midi: The specified device identifier is out of range.";
    case 4: return "Midi: The specified resource is already allocated.";
    case 7: return "Midi: The system is unable to allocate or lock memory.";
    case 11: return "Midi: The specified pointer or structure is invalid.";
    case 68: return "No MIDI port was found.";
    // The MIDI library's own codes.
    case 1001: return "Midi: The built-in synthesizer found no audio output.";
    case 1002:
        return "Midi: The MIDI port could not be opened. It may have been unplugged, or the ALSA sequencer "
               "may not be running.";
    default: return {};
    }
}

std::string MidiProgramChangeErrorText(std::uint32_t code)
{
    switch (code) {
    case 5: return "Midi: The specified device handle is invalid.";
    case 67: return "Midi: The hardware is busy with other data.";
    case 70: return "Midi: The application sent a message without a status byte to a stream handle.";
    default: return {};
    }
}

}  // namespace document
