#pragma once
#include <array>

#include "engine/pitch.h"
#include "engine/word_table.h"

namespace engine {

// Open-string masks, string 1 (high E) first.
using Tuning = std::array<PitchClassMask, kStringCount>;
constexpr Tuning kStandardTuning = {128, 4, 1024, 32, 1, 128};

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
