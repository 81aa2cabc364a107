#pragma once
// Ports for a document run by a fuzz target: nothing shown, and no sound
// (SilentMidi, beside the tests' other fakes).
#include <cstdint>
#include <cstdlib>
#include <string>

#include "document/ports.h"
#include "tests/support/fake_ports.h"

struct QuietUi : ports::UiPort {
    void MessageBox(const std::string&, ports::MessageIcon) override {}
    bool HasStatusBar() const override { return false; }
    void SetStatusPane(int, const std::string&) override {}
    void SetTitle(const std::string&) override {}
    void SetSizeCombo(int) override {}
    void UpdateAllViews() override {}
    void RefreshCommandStates() override {}
};

// A failed check ends the run, so libFuzzer keeps the input.
inline void Check(bool ok)
{
    if (!ok)
        std::abort();
}
