#pragma once
#include "document/ports.h"

// MIDI output for a build without the MIDI library: there are no devices.
class CNoMidiPort final : public ports::MidiPort {
public:
    static constexpr std::uint32_t kNoDevice = 68;

    std::uint32_t Open(std::uint32_t) override { return kNoDevice; }
    std::uint32_t Close() override { return 0; }
    std::uint32_t ProgramChange(std::uint32_t) override { return 5; }
    std::uint32_t PlayNote(std::int32_t, std::uint32_t, std::uint32_t, std::int32_t) override { return 5; }
    std::uint32_t NumDevs() override { return 0; }
    std::uint32_t DevCaps(std::uint32_t, ports::MidiDeviceCaps&) override { return 2; }
};
