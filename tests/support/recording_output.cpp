#include "tests/support/recording_output.h"

#include <chrono>
#include <utility>

namespace kvmidi {

RecordingOutput::RecordingOutput(std::vector<std::string> names)
{
    auto owned = std::make_unique<RecordingBackend>(std::move(names));
    backend = owned.get();
    std::vector<std::unique_ptr<Backend>> backends;
    backends.push_back(std::move(owned));
    output = std::make_unique<Output>(std::move(backends), clock);
}

void RecordingOutput::RunTo(int ms)
{
    output->WaitIdle();
    for (auto t = clock.Elapsed().count() + 1; t <= ms; ++t) {
        clock.Set(std::chrono::milliseconds(t));
        output->WaitIdle();
    }
}

}  // namespace kvmidi
