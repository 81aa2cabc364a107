#pragma once
#include <array>

#include "document/note_boxes.h"

namespace dialogs {

// The tick and enable states of the 17 note boxes and how each tick changes
// them: at most six notes, and one spelling per black key.
class NoteBoxLogic {
public:
    enum class Rules {
        SearchSheet,    // unticking the sixth note leaves the twins of ticked keys disabled
        UserDirectory,  // unticking the sixth note enables every unticked box
    };
    // Bit 0 of a lock disables every box; 2 presets the notes.
    static constexpr int kNotesFixed = notes::kNotesFixed;
    static constexpr int kNotesPreset = notes::kNotesPreset;

    explicit NoteBoxLogic(Rules rules) : m_rules(rules) {}

    // The Notes page opening with an earlier entry ticked: each twin of a
    // ticked key and, past five notes, every unticked box is disabled.
    void LoadSearchEntry(const notes::NoteChecks& checks, PitchClassMask mask);
    // The user chord dialog opening; under a lock every unticked box (with
    // kNotesFixed every box) is disabled, else the twin of each ticked key.
    // Preset notes stay the only ones, in either spelling, that can be ticked.
    void LoadUserChord(const notes::NoteChecks& checks, int lock);

    // Box index ticked or unticked by the user.
    void Toggle(int index, bool checked);
    // Every box enabled and unticked.
    void Clear();

    const notes::NoteChecks& Checks() const { return m_checks; }
    bool Enabled(int index) const { return m_enabled[static_cast<std::size_t>(index)]; }
    int Count() const { return m_count; }
    PitchClassMask Mask() const { return m_mask; }

private:
    void EnableUnchecked(bool enable);
    void DisableTwinsOfTicked();
    bool Checked(int index) const { return m_checks[static_cast<std::size_t>(index)] != 0; }
    bool MayTick(int index) const { return m_mayTick[static_cast<std::size_t>(index)]; }

    Rules m_rules;
    int m_lock = 0;
    notes::NoteChecks m_checks{};
    std::array<bool, notes::kNoteBoxCount> m_enabled = [] {
        std::array<bool, notes::kNoteBoxCount> all{};
        all.fill(true);
        return all;
    }();
    // Under kNotesPreset, the boxes of the preset notes and their twins.
    std::array<bool, notes::kNoteBoxCount> m_mayTick = m_enabled;
    int m_count = 0;
    PitchClassMask m_mask = 0;
};

}  // namespace dialogs
