#include "dialogs/options/tuning_logic.h"

#include <bit>

#include "engine/pitch.h"

namespace tuning {

namespace {

int Successor(int openTuning)
{
    return openTuning % kOpenTuningCount + 1;
}

}  // namespace

const std::string& NameOfNote(int note, const NoteNameTable& names)
{
    // The name table counts from A as the mask bits do.
    const auto bit = static_cast<std::size_t>(std::countr_zero(static_cast<unsigned>(engine::MidiNoteMask(note))));
    return names[bit];
}

std::uint8_t StepNote(std::uint8_t note, int stringIndex, bool up)
{
    const StringRange& range = kStringRanges[static_cast<std::size_t>(stringIndex)];
    if (up)
        return note >= range.highest ? range.lowest : static_cast<std::uint8_t>(note + 1);
    return note <= range.lowest ? range.highest : static_cast<std::uint8_t>(note - 1);
}

TuningState::TuningState(const StringNames& names, const StringNotes& notes) : m_names(names), m_notes(notes)
{
    if (!IsRegular())
        Identify();
}

void TuningState::Step(int stringIndex, bool up, const NoteNameTable& table)
{
    const auto s = static_cast<std::size_t>(stringIndex);
    m_notes[s] = StepNote(m_notes[s], stringIndex, up);
    m_names[s] = NameOfNote(m_notes[s], table);
    // Reaching the regular tuning by hand leaves the Open button as it was.
    if (IsRegular())
        m_open = 0;
    else
        Identify();
}

void TuningState::SetRegular(const NoteNameTable& table)
{
    Apply(0, table);
    m_open = 0;
}

void TuningState::SetOpen(const NoteNameTable& table)
{
    Apply(m_next, table);
    m_open = m_next;
    m_next = Successor(m_open);
}

void TuningState::Apply(int tuning, const NoteNameTable& table)
{
    m_notes = kTunings[static_cast<std::size_t>(tuning)].notes;
    for (std::size_t s = 0; s < m_notes.size(); ++s)
        m_names[s] = NameOfNote(m_notes[s], table);
}

void TuningState::Identify()
{
    m_open = 0;
    m_next = 1;
    for (int t = 1; t <= kOpenTuningCount; ++t) {
        if (m_notes == kTunings[static_cast<std::size_t>(t)].notes) {
            m_open = t;
            m_next = Successor(t);
        }
    }
}

}  // namespace tuning
