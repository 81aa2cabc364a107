#include "document/note_boxes.h"

#include <bit>

namespace notes {

const std::array<NoteBox, kNoteBoxCount> kNoteBoxes = {{
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
