#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "engine/defaults.h"

// What the Tuning page does to the six open strings, without a window.
namespace tuning {

using StringNotes = engine::TuningNotes;  // MIDI notes, string 1 first
using StringNames = std::array<std::string, 6>;   // string 1 first
using NoteNameTable = std::array<std::string, 12>;  // from A, as g_NoteNames

// Each string's arrows move it within twelve semitones, so its name and its
// note wrap together.
struct StringRange {
    std::uint8_t lowest;
    std::uint8_t highest;
};
inline constexpr std::array<StringRange, 6> kStringRanges = {{
    {59, 70}, {54, 65}, {50, 61}, {45, 56}, {40, 51}, {35, 46},
}};

// Index 0 is the regular tuning, 1..5 the open tunings in the Open button's order.
struct NamedTuning {
    const char* label;          // the page's label while it is set
    const char* settingCaption; // the Open button's caption while it is next
    StringNotes notes;
};
inline constexpr int kOpenTuningCount = engine::kOpenTuningCount;
inline constexpr std::array<NamedTuning, 1 + kOpenTuningCount> kTunings = {{
    {"", "", engine::kNamedTunings[0].notes},
    {"Open A", "Set &Open A", engine::kNamedTunings[1].notes},
    {"Open C", "Set &Open C", engine::kNamedTunings[2].notes},
    {"Open D", "Set &Open D", engine::kNamedTunings[3].notes},
    {"Open E", "Set &Open E", engine::kNamedTunings[4].notes},
    {"Open G", "Set &Open G", engine::kNamedTunings[5].notes},
}};

// The name of a MIDI note in the table: names follow the note, never the
// spelling a string happened to be shown with.
const std::string& NameOfNote(int note, const NoteNameTable& names);

// One arrow step of string index 0..5 (string 1..6); up raises the pitch and
// wraps from the top of the range to its bottom, down the other way.
std::uint8_t StepNote(std::uint8_t note, int stringIndex, bool up);

// The page's tuning: names and notes as shown, the open tuning in force and
// the one the Open button applies next.
class TuningState {
public:
    TuningState() = default;
    // As the page opens: an open tuning given is recognised.
    TuningState(const StringNames& names, const StringNotes& notes);

    void Step(int stringIndex, bool up, const NoteNameTable& table);
    void SetRegular(const NoteNameTable& table);
    void SetOpen(const NoteNameTable& table);

    bool IsRegular() const { return m_notes == kTunings[0].notes; }
    const StringNames& Names() const { return m_names; }
    const StringNotes& Notes() const { return m_notes; }
    int OpenTuning() const { return m_open; }
    // "Open A" .. "Open G", or empty.
    const char* Label() const { return kTunings[static_cast<std::size_t>(m_open)].label; }
    // Always names the tuning the button applies.
    const char* OpenButtonCaption() const { return kTunings[static_cast<std::size_t>(m_next)].settingCaption; }
    bool RegularEnabled() const { return !IsRegular(); }

private:
    void Identify();
    void Apply(int tuning, const NoteNameTable& table);

    StringNames m_names;
    StringNotes m_notes = kTunings[0].notes;
    int m_open = 0;
    int m_next = 1;
};

}  // namespace tuning
