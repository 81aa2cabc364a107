#include "app/kvmidi_port.h"

#include "kvmidi/kvmidi.h"

std::uint32_t CKvMidiPort::Open(std::uint32_t deviceId)
{
    return kvmidi::KvMidiOpen(deviceId);
}

std::uint32_t CKvMidiPort::Close()
{
    return kvmidi::KvMidiClose();
}

std::uint32_t CKvMidiPort::ProgramChange(std::uint32_t program)
{
    return kvmidi::KvMidiProgramChange(program);
}

std::uint32_t CKvMidiPort::PlayNote(std::int32_t delayMs, std::uint32_t note, std::uint32_t velocity,
                                    std::int32_t durationMs)
{
    return kvmidi::KvMidiPlayNote(delayMs, note, velocity, durationMs);
}

std::uint32_t CKvMidiPort::NumDevs()
{
    return kvmidi::MidiOutGetNumDevs();
}

std::uint32_t CKvMidiPort::DevCaps(std::uint32_t id, ports::MidiDeviceCaps& caps)
{
    kvmidi::MidiOutCaps found;
    const std::uint32_t result = kvmidi::MidiOutGetDevCaps(id, found);
    if (result == 0) {
        caps.name = found.name;
        caps.technology = found.technology;
        caps.voices = found.voices;
        caps.notes = found.notes;
        caps.support = found.support;
    }
    return result;
}
