#pragma once
#include <array>

#include "engine/pitch.h"

// The 17 note boxes of the note-entry dialogs: the seven naturals and both
// spellings of each black key, in the order A, A#, Bb, B, C, C#, Db, D, D#,
// Eb, E, F, F#, Gb, G, G#, Ab.
namespace notes {

constexpr int kNoteBoxCount = 17;

struct NoteBox {
    PitchClassMask bit;
    int twin;                    // the other spelling's index, -1 for a natural
    FlatSpellingFlags flatFlag;  // set for a flat box
    const char* caption;
    const char* germanCaption;   // null where the German name is the same
};

inline constexpr std::array<NoteBox, kNoteBoxCount> kNoteBoxes = {{
    {0x001, -1, 0x00, "A", nullptr},
    {0x002, 2, 0x00, "A#", "Ais"},
    {0x002, 1, 0x02, "Bb", "B"},
    {0x004, -1, 0x00, "B", "H"},
    {0x008, -1, 0x00, "C", nullptr},
    {0x010, 6, 0x00, "C#", "Cis"},
    {0x010, 5, 0x08, "Db", "Des"},
    {0x020, -1, 0x00, "D", nullptr},
    {0x040, 9, 0x00, "D#", "Dis"},
    {0x040, 8, 0x10, "Eb", "Es"},
    {0x080, -1, 0x00, "E", nullptr},
    {0x100, -1, 0x00, "F", nullptr},
    {0x200, 13, 0x00, "F#", "Fis"},
    {0x200, 12, 0x40, "Gb", "Ges"},
    {0x400, -1, 0x00, "G", nullptr},
    {0x800, 16, 0x00, "G#", "Gis"},
    {0x800, 15, 0x01, "Ab", "As"},
}};

// How a user-chord dialog treats the notes it opens with.
enum NoteLock : int {
    kNotesFree = 0,
    kNotesFixed = 1,   // every box disabled
    kNotesPreset = 2,  // only the unticked boxes disabled
};

// Tick states by box index, 0 or 1.
using NoteChecks = std::array<int, kNoteBoxCount>;

// A pitch class is in the set when either of its boxes is ticked.
PitchClassMask MaskFromNoteChecks(const NoteChecks& checks);
// The flag of every ticked flat box.
FlatSpellingFlags FlatFlagsFromNoteChecks(const NoteChecks& checks);
// Ticks each note of mask: a black key in its flat box when its flag is set
// in flags, else in its sharp box.
NoteChecks NoteChecksFromChord(PitchClassMask mask, FlatSpellingFlags flags);
// Ticked pitch classes; twins count once.
int CountNotes(const NoteChecks& checks);

}  // namespace notes
