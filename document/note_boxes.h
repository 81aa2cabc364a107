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

extern const std::array<NoteBox, kNoteBoxCount> kNoteBoxes;

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
