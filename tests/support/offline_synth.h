#pragma once
// The built-in synth without an audio driver, for tests that render it
// themselves: its sequencer's time is then the rendered time.
#include <filesystem>
#include <memory>
#include <vector>

#include "kvmidi/fluid_backend.h"
#include "kvmidi/output.h"

namespace testsupport {

struct OfflineSynthOutput {
    kvmidi::FluidSynthBackend* backend = nullptr;
    std::unique_ptr<kvmidi::Output> output;

    static bool SoundfontInstalled() { return std::filesystem::is_regular_file(kvmidi::kDefaultSoundfont); }

    OfflineSynthOutput()
    {
        auto owned = std::make_unique<kvmidi::FluidSynthBackend>(
            kvmidi::FluidSynthOptions{kvmidi::kDefaultSoundfont, false});
        backend = owned.get();
        std::vector<std::unique_ptr<kvmidi::Backend>> backends;
        backends.push_back(std::move(owned));
        output = std::make_unique<kvmidi::Output>(std::move(backends));
    }
};

}  // namespace testsupport
