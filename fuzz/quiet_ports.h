#pragma once
// Ports for a document run by a fuzz target: nothing shown, no sound.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "document/ports.h"

struct QuietUi : ports::UiPort {
    void MessageBox(const std::string&, ports::MessageIcon) override {}
    bool HasStatusBar() const override { return false; }
    void SetStatusPane(int, const std::string&) override {}
    void SetTitle(const std::string&) override {}
    void SetSizeCombo(int) override {}
    void UpdateAllViews() override {}
    void RefreshCommandStates() override {}
};

struct NoMidi : ports::MidiPort {
    std::uint32_t Open(std::uint32_t) override { return 0; }
    std::uint32_t Close() override { return 0; }
    std::uint32_t ProgramChange(std::uint32_t) override { return 0; }
    std::uint32_t PlayNote(std::int32_t, std::uint32_t, std::uint32_t, std::int32_t) override { return 0; }
    std::uint32_t NumDevs() override { return 0; }
    std::uint32_t DevCaps(std::uint32_t, kvmidi::MidiOutCaps&) override { return 2; }
};

// A failed check ends the run, so libFuzzer keeps the input.
inline void Check(bool ok)
{
    if (!ok)
        std::abort();
}
