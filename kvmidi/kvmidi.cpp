#include "kvmidi/kvmidi.h"

#include "kvmidi/fluid_backend.h"
#include "kvmidi/output.h"
#include "kvmidi/rtmidi_backend.h"

namespace kvmidi {

namespace {

std::vector<std::unique_ptr<Backend>> SystemBackends()
{
    std::vector<std::unique_ptr<Backend>> backends;
    FluidSynthOptions synth;
    synth.openAside = true;
    backends.push_back(std::make_unique<FluidSynthBackend>(std::move(synth)));
    backends.push_back(std::make_unique<RtMidiBackend>());
    return backends;
}

Output& TheOutput()
{
    static Output output(SystemBackends());
    return output;
}

}  // namespace

std::uint32_t KvMidiOpen(std::uint32_t deviceId)
{
    return TheOutput().Open(deviceId);
}

std::uint32_t KvMidiClose()
{
    return TheOutput().Close();
}

std::uint32_t KvMidiProgramChange(std::uint32_t program)
{
    return TheOutput().ProgramChange(program);
}

std::uint32_t KvMidiPlayNote(std::int32_t delayMs, std::uint32_t note, std::uint32_t velocity,
                             std::int32_t durationMs)
{
    return TheOutput().PlayNote(delayMs, note, velocity, durationMs);
}

void KvMidiSetOpenedHandler(Output::OpenedHandler handler)
{
    TheOutput().SetOpenedHandler(std::move(handler));
}

std::uint32_t MidiOutGetNumDevs()
{
    return TheOutput().GetNumDevs();
}

std::uint32_t MidiOutGetDevCaps(std::uint32_t id, MidiOutCaps& caps)
{
    return TheOutput().GetDevCaps(id, caps);
}

}  // namespace kvmidi
