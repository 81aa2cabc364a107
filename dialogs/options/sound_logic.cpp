#include "dialogs/options/sound_logic.h"

#include <algorithm>
#include <cstdio>

#include "engine/pitch.h"

namespace sound {

const BarSteps& StepsOf(Bar bar)
{
    switch (bar) {
    case Bar::Velocity:
        return kVelocityBar;
    case Bar::Duration:
        return kDurationBar;
    case Bar::Separation:
        break;
    }
    return kSeparationBar;
}

int StepBar(Bar bar, ScrollCode code, int value, int thumb)
{
    const BarSteps& steps = StepsOf(bar);
    int to = value;
    switch (code) {
    case ScrollCode::LineLeft:
        to = value - steps.line;
        break;
    case ScrollCode::LineRight:
        to = value + steps.line;
        break;
    case ScrollCode::PageLeft:
        to = value - steps.page;
        break;
    case ScrollCode::PageRight:
        to = value + steps.page;
        break;
    case ScrollCode::Thumb:
        to = thumb;
        break;
    case ScrollCode::Other:
        return value;
    }
    return std::clamp(to, steps.minimum, steps.maximum);
}

std::string BarValueText(Bar bar, int value)
{
    char text[16];
    std::snprintf(text, sizeof text, bar == Bar::Velocity ? "%3d" : "%4d", value);
    return text;
}

std::vector<NoteCall> TestChordCalls(const TestNotes& notes, int separation)
{
    const bool silent = std::all_of(notes.begin(), notes.end(), [](std::uint8_t n) { return n == 0; });
    const TestNotes& chord = silent ? kDefaultTestChord : notes;
    document::StrumSlots slots{};
    std::copy(chord.begin(), chord.end(), slots.begin());
    return document::StrumEvents(slots, separation);
}

ProgramMemory::ProgramMemory(int startInstrument) : m_start(startInstrument), m_instrument(startInstrument) {}

void ProgramMemory::Choose(int instrument)
{
    m_instrument = instrument;
    m_changed = true;
}

std::optional<std::uint8_t> ProgramMemory::Test()
{
    if (!m_changed)
        return std::nullopt;
    m_changed = false;
    m_lastSent = engine::GetMidiProgram(m_instrument);
    return m_lastSent;
}

std::optional<std::uint8_t> ProgramMemory::Apply()
{
    std::optional<std::uint8_t> send;
    // Another instrument is sent by the document itself.
    const std::uint8_t program = engine::GetMidiProgram(m_instrument);
    if (m_instrument == m_start && m_lastSent && *m_lastSent != program)
        send = program;
    m_start = m_instrument;
    m_lastSent.reset();
    return send;
}

std::optional<std::uint8_t> ProgramMemory::Cancel()
{
    const std::uint8_t program = engine::GetMidiProgram(m_start);
    const bool send = m_instrument != m_start || (m_lastSent && *m_lastSent != program);
    m_instrument = m_start;
    m_lastSent.reset();
    return send ? std::optional<std::uint8_t>(program) : std::nullopt;
}

std::string MidiTechnologyName(int technology)
{
    static constexpr const char* kNames[] = {
        "MIDI hardware port", "Synthesizer", "Square wave synthesizer", "FM synthesizer",
        "MIDI mapper", "Hardware wavetable synthesizer", "Software synthesizer",
    };
    if (technology >= 1 && technology <= 7)
        return kNames[technology - 1];
    return "Unrecognised Technology";
}

std::vector<std::string> MidiFeatureLines(std::uint32_t support)
{
    if (support == 0)
        return {"None"};
    std::vector<std::string> lines;
    if (support & 0x1)
        lines.emplace_back("Volume Control");
    if (support & 0x2)
        lines.emplace_back("Left/Right Volume Controls");
    if (support & 0x4)
        lines.emplace_back("Patch Caching");
    return lines;
}

}  // namespace sound
