#include "document/note_boxes.h"

#include <bit>
#include <cstdint>

namespace notes {

namespace {

// One word of every ticked box, ORed together.
std::uint16_t OrOfTicked(const NoteChecks& checks, std::uint16_t NoteBox::*word)
{
    std::uint16_t result = 0;
    for (std::size_t i = 0; i < kNoteBoxes.size(); ++i) {
        if (checks[i])
            result |= kNoteBoxes[i].*word;
    }
    return result;
}

}  // namespace

PitchClassMask MaskFromNoteChecks(const NoteChecks& checks)
{
    return OrOfTicked(checks, &NoteBox::bit);
}

FlatSpellingFlags FlatFlagsFromNoteChecks(const NoteChecks& checks)
{
    return OrOfTicked(checks, &NoteBox::flatFlag);
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
