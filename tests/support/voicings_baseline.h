#pragma once
// The voicing search written as plainly as it is described: six nested loops
// over each string's lowest..highest chord fret in the window, every
// combination tested in full. The reference the fast search must match.
#include <cstdint>

#include "engine/pitch.h"
#include "engine/word_table.h"

namespace baseline {

inline int FindVoicings(const CWord2DimArray& fretNotes, PitchClassMask mask, int spanExtra,
                        CWord2DimArray& voicings)
{
    int count = 0;
    int stored = 0;

    std::uint16_t present[6] = {};
    for (std::uint16_t f = 0; f < 16; ++f)
        for (std::uint16_t s = 0; s < 6; ++s)
            if ((*fretNotes.At(s, f) & mask) != 0)
                present[s] = static_cast<std::uint16_t>(present[s] | (1u << f));

    CWord2DimArray window;
    window.Create(6, 22);
    for (std::uint16_t s = 0; s < 6; ++s)
        *window.At(s, 21) = 0;

    std::uint16_t lo[6];
    std::uint16_t hi[6];
    int mayBeUnplayed[6];
    for (int c = 0; c < 12; ++c) {
        const int extra = c == 0 ? 1 : spanExtra + (c > 7 ? 1 : 0);
        const int last = c + 2 + extra;
        for (std::uint16_t s = 0; s < 6; ++s) {
            lo[s] = hi[s] = 21;
            mayBeUnplayed[s] = 1;
            for (int f = c; f <= last; ++f) {
                const auto col = static_cast<std::uint16_t>(f);
                if ((present[s] >> f) & 1u) {
                    *window.At(s, col) = *fretNotes.At(s, col);
                    hi[s] = col;
                    if (lo[s] > 20) {
                        lo[s] = col;
                        mayBeUnplayed[s] = 0;
                    }
                } else {
                    *window.At(s, col) = 0;
                }
            }
        }
        auto w = [&window](std::uint16_t s, std::uint16_t f) { return *window.At(s, f); };
        for (std::uint16_t f1 = lo[0]; f1 <= hi[0]; ++f1)
            for (std::uint16_t f2 = lo[1]; f2 <= hi[1]; ++f2)
                for (std::uint16_t f3 = lo[2]; f3 <= hi[2]; ++f3)
                    for (std::uint16_t f4 = lo[3]; f4 <= hi[3]; ++f4)
                        for (std::uint16_t f5 = lo[4]; f5 <= hi[4]; ++f5)
                            for (std::uint16_t f6 = lo[5]; f6 <= hi[5]; ++f6) {
                                if ((w(0, f1) | w(1, f2) | w(2, f3) | w(3, f4) | w(4, f5) | w(5, f6)) == mask
                                    && stored < 150
                                    && (w(0, f1) != 0 || mayBeUnplayed[0] == 1)
                                    && (w(1, f2) != 0 || mayBeUnplayed[1] == 1)
                                    && (w(2, f3) != 0 || mayBeUnplayed[2] == 1)
                                    && (w(3, f4) != 0 || mayBeUnplayed[3] == 1)
                                    && (w(4, f5) != 0 || mayBeUnplayed[4] == 1)
                                    && (w(5, f6) != 0 || mayBeUnplayed[5] == 1)
                                    && (f1 == c || f2 == c || f3 == c || f4 == c || f5 == c || f6 == c)) {
                                    const auto row = static_cast<std::uint16_t>(stored);
                                    const std::uint16_t frets[7] = {f1, f2, f3, f4, f5, f6,
                                                                    static_cast<std::uint16_t>(c)};
                                    for (std::uint16_t k = 0; k < 7; ++k)
                                        *voicings.At(row, k) = frets[k];
                                    ++stored;
                                    count = stored;
                                }
                            }
    }
    return count;
}

}  // namespace baseline
