#pragma once
// The built-in synth for tests that render it themselves, by default with
// no audio output at all: its sequencer's time is then the rendered time.
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

    explicit OfflineSynthOutput(kvmidi::FluidSynthOptions options = {kvmidi::kDefaultSoundfont, false})
    {
        auto owned = std::make_unique<kvmidi::FluidSynthBackend>(std::move(options));
        backend = owned.get();
        std::vector<std::unique_ptr<kvmidi::Backend>> backends;
        backends.push_back(std::move(owned));
        output = std::make_unique<kvmidi::Output>(std::move(backends));
    }
};

}  // namespace testsupport
