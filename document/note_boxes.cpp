#include "document/note_boxes.h"

#include <bit>

namespace notes {

PitchClassMask MaskFromNoteChecks(const NoteChecks& checks)
{
    PitchClassMask mask = 0;
    for (int i = 0; i < kNoteBoxCount; ++i) {
        if (checks[static_cast<std::size_t>(i)])
            mask |= kNoteBoxes[static_cast<std::size_t>(i)].bit;
    }
    return mask;
}

FlatSpellingFlags FlatFlagsFromNoteChecks(const NoteChecks& checks)
{
    FlatSpellingFlags flags = 0;
    for (int i = 0; i < kNoteBoxCount; ++i) {
        if (checks[static_cast<std::size_t>(i)])
            flags |= kNoteBoxes[static_cast<std::size_t>(i)].flatFlag;
    }
    return flags;
}

NoteChecks NoteChecksFromChord(PitchClassMask mask, FlatSpellingFlags flags)
{
    NoteChecks checks{};
    for (int i = 0; i < kNoteBoxCount; ++i) {
        const NoteBox& box = kNoteBoxes[static_cast<std::size_t>(i)];
        if (!(mask & box.bit))
            continue;
        const bool black = box.twin >= 0;
        const FlatSpellingFlags flatFlag = box.flatFlag ? box.flatFlag
                                           : black ? kNoteBoxes[static_cast<std::size_t>(box.twin)].flatFlag
                                                   : 0;
        const bool wantFlat = black && (flags & flatFlag);
        if (!black || (box.flatFlag != 0) == wantFlat)
            checks[static_cast<std::size_t>(i)] = 1;
    }
    return checks;
}

int CountNotes(const NoteChecks& checks)
{
    return std::popcount(static_cast<unsigned>(MaskFromNoteChecks(checks)));
}

}  // namespace notes
