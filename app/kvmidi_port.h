#pragma once
#include "document/ports.h"

// The document's MIDI output on the process-wide kvmidi output.
class CKvMidiPort final : public ports::MidiPort {
public:
    std::uint32_t Open(std::uint32_t deviceId) override;
    std::uint32_t Close() override;
    std::uint32_t ProgramChange(std::uint32_t program) override;
    std::uint32_t PlayNote(std::int32_t delayMs, std::uint32_t note, std::uint32_t velocity,
                           std::int32_t durationMs) override;
    std::uint32_t NumDevs() override;
    std::uint32_t DevCaps(std::uint32_t id, ports::MidiDeviceCaps& caps) override;
};
