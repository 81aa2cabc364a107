#include "dialogs/common/note_box_logic.h"

namespace dialogs {

using notes::kNoteBoxCount;
using notes::kNoteBoxes;

namespace {
int Twin(int index)
{
    return kNoteBoxes[static_cast<std::size_t>(index)].twin;
}
}  // namespace

void NoteBoxLogic::EnableUnchecked(bool enable)
{
    for (int i = 0; i < kNoteBoxCount; ++i) {
        if (m_lock & kNotesFixed)
            m_enabled[static_cast<std::size_t>(i)] = false;
        else if (!Checked(i)) {
            // The search sheet and preset notes keep one spelling per key.
            const bool twinTicked = (m_rules == Rules::SearchSheet || (m_lock & kNotesPreset)) && Twin(i) >= 0
                && Checked(Twin(i));
            m_enabled[static_cast<std::size_t>(i)] = enable && MayTick(i) && !twinTicked;
        }
    }
}

void NoteBoxLogic::DisableTwinsOfTicked()
{
    for (int i = 0; i < kNoteBoxCount; ++i) {
        const int twin = Twin(i);
        if (twin < 0 || kNoteBoxes[static_cast<std::size_t>(i)].flatFlag)
            continue;
        // A ticked sharp disables its flat, else a ticked flat its sharp.
        if (Checked(i))
            m_enabled[static_cast<std::size_t>(twin)] = false;
        else if (Checked(twin))
            m_enabled[static_cast<std::size_t>(i)] = false;
    }
}

void NoteBoxLogic::LoadSearchEntry(const notes::NoteChecks& checks, PitchClassMask mask)
{
    m_checks = checks;
    m_enabled.fill(true);
    m_count = 0;
    for (int i = 0; i < kNoteBoxCount; ++i) {
        if (Checked(i))
            ++m_count;
    }
    DisableTwinsOfTicked();
    if (m_count > 5)
        EnableUnchecked(false);
    m_mask = mask;
}

void NoteBoxLogic::LoadUserChord(const notes::NoteChecks& checks, int lock)
{
    m_checks = checks;
    m_lock = lock;
    m_enabled.fill(true);
    for (int i = 0; i < kNoteBoxCount; ++i)
        m_mayTick[static_cast<std::size_t>(i)] =
            !(lock & kNotesPreset) || Checked(i) || (Twin(i) >= 0 && Checked(Twin(i)));
    m_count = notes::CountNotes(checks);
    m_mask = notes::MaskFromNoteChecks(checks);
    // Without this a preset Db leaves C# free: ticking it too would count one
    // note twice and lock the Db box ticked.
    DisableTwinsOfTicked();
    if (lock != 0 || m_count > 5)
        EnableUnchecked(false);
}

void NoteBoxLogic::Toggle(int index, bool checked)
{
    const auto at = static_cast<std::size_t>(index);
    m_checks[at] = checked ? 1 : 0;
    if (checked) {
        const int before = m_count++;
        if (m_rules == Rules::SearchSheet ? m_count == 6 : before >= 5)
            EnableUnchecked(false);
    } else if (m_count == 6) {
        m_count = 5;
        EnableUnchecked(true);
    } else if (m_count > 0) {
        --m_count;
    }
    const PitchClassMask bit = kNoteBoxes[at].bit;
    m_mask = checked ? static_cast<PitchClassMask>(m_mask | bit) : static_cast<PitchClassMask>(m_mask & ~bit);
    if (const int twin = Twin(index); twin >= 0)
        m_enabled[static_cast<std::size_t>(twin)] = !checked && MayTick(twin);
}

void NoteBoxLogic::Clear()
{
    m_checks = {};
    m_enabled = m_mayTick;
    m_count = 0;
    m_mask = 0;
}

}  // namespace dialogs
