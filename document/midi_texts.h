#pragma once
#include <cstdint>
#include <string>

// What the user is told of a MIDI library result; empty: nothing is shown.
namespace midi {
std::string OpenErrorText(std::uint32_t code);
std::string ProgramChangeErrorText(std::uint32_t code);
}  // namespace midi
