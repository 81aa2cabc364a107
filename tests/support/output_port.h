#pragma once
#include "document/ports.h"
#include "kvmidi/output.h"

// The document's MIDI port on a kvmidi output the test owns.
class OutputPort final : public ports::MidiPort {
public:
    explicit OutputPort(kvmidi::Output& output) : m_output(output) {}

    std::uint32_t Open(std::uint32_t id) override { return m_output.Open(id); }
    std::uint32_t Close() override { return m_output.Close(); }
    std::uint32_t ProgramChange(std::uint32_t program) override { return m_output.ProgramChange(program); }
    std::uint32_t PlayNote(std::int32_t delay, std::uint32_t note, std::uint32_t velocity,
                           std::int32_t duration) override
    {
        return m_output.PlayNote(delay, note, velocity, duration);
    }
    std::uint32_t NumDevs() override { return m_output.GetNumDevs(); }
    std::uint32_t DevCaps(std::uint32_t id, kvmidi::MidiOutCaps& caps) override
    {
        return m_output.GetDevCaps(id, caps);
    }

private:
    kvmidi::Output& m_output;
};
