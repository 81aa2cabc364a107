#pragma once
#include <cstdint>
#include <string>

namespace document {

// The message for a result of KvMidiOpen; empty when there is none to show.
std::string MidiOpenErrorText(std::uint32_t code);
// The message for a result of KvMidiProgramChange; empty when there is none to show.
std::string MidiProgramChangeErrorText(std::uint32_t code);

}  // namespace document
