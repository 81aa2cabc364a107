#pragma once
#include <memory>
#include <string>
#include <vector>

#include "kvmidi/output.h"
#include "tests/support/manual_clock.h"
#include "tests/support/recording_backend.h"

namespace kvmidi {

// An output over recording ports on a clock that moves only when told.
struct RecordingOutput {
    explicit RecordingOutput(std::vector<std::string> names = {"Port A", "Port B"});

    // Lets out what is due now, then moves the clock a millisecond at a time.
    void RunTo(int ms);

    ManualClock clock;
    RecordingBackend* backend = nullptr;
    std::unique_ptr<Output> output;
};

}  // namespace kvmidi
