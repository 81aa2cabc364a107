#pragma once
#include <array>

#include "engine/defaults.h"
#include "engine/pitch.h"
#include "engine/word_table.h"

namespace engine {

// Open-string masks, string 1 (high E) first.
using Tuning = std::array<PitchClassMask, kStringCount>;
// The masks of open strings tuned to notes, in the same string order.
constexpr Tuning TuningMasks(const TuningNotes& notes)
{
    Tuning masks{};
    for (std::size_t s = 0; s < masks.size(); ++s)
        masks[s] = MidiNoteMask(notes[s]);
    return masks;
}
constexpr Tuning kStandardTuning = TuningMasks(kStandardTuningNotes);

constexpr int kMaxVoicings = 150;
constexpr int kFretNoteRows = kStringCount;
constexpr int kFretNoteCols = 17;   // frets 0..15 and one unused column
constexpr int kHighestFret = 15;
constexpr int kVoicingRows = 152;
constexpr int kVoicingCols = 7;     // frets of strings 1..6, then the window start

// Fills fretNotes (made 6 x 17) with the note of every string at frets 0..15;
// column 16 is zeroed.
void BuildFretboardNotes(const Tuning& tuning, CWord2DimArray& fretNotes);

bool IsStandardTuning(const Tuning& tuning);

// Collects the shapes whose sounding notes are exactly mask, window by window
// up the neck, into rows 0.. of voicings (made 152 x 7 when smaller); returns
// how many were stored, at most kMaxVoicings. spanExtra: 1 = wide windows,
// 0 = Reduced Span. Rows at and above the count are left as they were.
int FindVoicings(const CWord2DimArray& fretNotes, PitchClassMask mask, int spanExtra,
                 CWord2DimArray& voicings);

}  // namespace engine
