#include "engine/voicings.h"

#include <algorithm>
#include <bit>
#include <cstdint>

namespace engine {

void BuildFretboardNotes(const Tuning& tuning, CWord2DimArray& fretNotes)
{
    if (fretNotes.Rows() != kFretNoteRows || fretNotes.Cols() != kFretNoteCols)
        fretNotes.Create(kFretNoteRows, kFretNoteCols);
    for (std::uint16_t s = 0; s < kStringCount; ++s) {
        for (std::uint16_t f = 0; f < 12; ++f)
            *fretNotes.At(s, f) = RotateInterval(tuning[s], f);
        for (std::uint16_t f = 12; f <= kHighestFret; ++f)
            *fretNotes.At(s, f) = *fretNotes.At(s, static_cast<std::uint16_t>(f - 12));
        *fretNotes.At(s, kFretNoteCols - 1) = 0;
    }
}

bool IsStandardTuning(const Tuning& tuning)
{
    return tuning == kStandardTuning;
}

namespace {

// Windows are three frets wide, four from the first and from fret 8 up; wide
// windows add one more fret, except the first.
constexpr int WindowLastFret(int windowStart, int spanExtra)
{
    const int extra = windowStart == 0 ? 1 : spanExtra + (windowStart > 7 ? 1 : 0);
    return windowStart + 2 + extra;
}

// Bits set in a 16-bit word, without a library call on targets lacking a
// population-count instruction.
constexpr std::array<std::uint8_t, 256> kByteBits = [] {
    std::array<std::uint8_t, 256> bits{};
    for (int i = 0; i < 256; ++i)
        bits[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(std::popcount(static_cast<unsigned>(i)));
    return bits;
}();

constexpr int BitCount(std::uint16_t word)
{
    return kByteBits[word & 0xFF] + kByteBits[word >> 8];
}

struct StringNotes {
    std::array<PitchClassMask, kHighestFret + 1> notes{};
    std::uint16_t chordFrets = 0;  // frets sounding a note of the chord
    std::uint16_t playable = 0;    // of those, frets sounding nothing else
};

// A shape is a choice of one candidate per string. Every candidate's note lies
// inside the chord, so a shape matches exactly when the notes cover the chord
// and some string is played at the window start; the search descends string by
// string and drops a branch as soon as the strings left cannot complete it.
class WindowSearch {
public:
    WindowSearch(PitchClassMask mask, int start, CWord2DimArray& voicings, int& stored)
        : m_mask(mask), m_start(start), m_voicings(voicings), m_stored(stored)
    {
    }

    // Returns false when the string has a chord note in the window but none it
    // can be played at, which rules out every shape of the window.
    bool SetString(int s, const StringNotes& string, std::uint16_t window)
    {
        Candidates& list = m_strings[static_cast<std::size_t>(s)];
        const auto playable = static_cast<std::uint16_t>(string.playable & window);
        if ((string.chordFrets & window) == 0) {
            // No chord note here: the string stays silent.
            list.frets[0] = kFretNotPlayed;
            list.notesAt[0] = 0;
            list.count = 1;
            return true;
        }
        if (playable == 0)
            return false;
        for (unsigned bits = playable; bits != 0; bits &= bits - 1) {
            const int f = std::countr_zero(bits);
            const PitchClassMask note = string.notes[static_cast<std::size_t>(f)];
            list.frets[list.count] = static_cast<std::uint16_t>(f);
            list.notesAt[list.count] = note;
            ++list.count;
            list.notes = static_cast<PitchClassMask>(list.notes | note);
            list.maxBits = std::max(list.maxBits, BitCount(note));
        }
        list.hasStart = ((playable >> m_start) & 1u) != 0;
        return true;
    }

    // Runs the window; false once the table is full.
    bool Run()
    {
        for (int s = kStringCount - 1; s >= 0; --s) {
            const auto i = static_cast<std::size_t>(s);
            m_reach[i] = static_cast<PitchClassMask>(m_reach[i + 1] | m_strings[i].notes);
            m_reachBits[i] = m_reachBits[i + 1] + m_strings[i].maxBits;
            m_reachStart[i] = m_reachStart[i + 1] || m_strings[i].hasStart;
        }
        if (!CanComplete<0>(0, false))
            return true;
        return Descend<0>(0, false);
    }

private:
    struct Candidates {
        std::array<std::uint16_t, 5> frets{};
        std::array<PitchClassMask, 5> notesAt{};
        int count = 0;
        int maxBits = 0;         // most notes one fret of this string adds
        PitchClassMask notes = 0;
        bool hasStart = false;   // playable at the window start
    };

    template <int S>
    bool CanComplete(PitchClassMask sounding, bool atStart) const
    {
        const auto missing = static_cast<PitchClassMask>(m_mask & ~sounding);
        return (missing & ~m_reach[S]) == 0 && BitCount(missing) <= m_reachBits[S]
               && (atStart || m_reachStart[S]);
    }

    template <int S>
    bool Descend(PitchClassMask sounding, bool atStart)
    {
        const Candidates& list = m_strings[S];
        for (int i = 0; i < list.count; ++i) {
            const std::uint16_t fret = list.frets[static_cast<std::size_t>(i)];
            const auto now = static_cast<PitchClassMask>(sounding | list.notesAt[static_cast<std::size_t>(i)]);
            const bool nowAtStart = atStart || fret == m_start;
            m_path[S] = fret;
            if constexpr (S + 1 == kStringCount) {
                if (now == m_mask && nowAtStart && !Store())
                    return false;
            } else {
                if (CanComplete<S + 1>(now, nowAtStart) && !Descend<S + 1>(now, nowAtStart))
                    return false;
            }
        }
        return true;
    }

    bool Store()
    {
        const auto row = static_cast<std::uint16_t>(m_stored);
        for (std::uint16_t s = 0; s < kStringCount; ++s)
            *m_voicings.At(row, s) = m_path[s];
        *m_voicings.At(row, kStringCount) = static_cast<std::uint16_t>(m_start);
        return ++m_stored < kMaxVoicings;
    }

    PitchClassMask m_mask;
    int m_start;
    CWord2DimArray& m_voicings;
    int& m_stored;
    std::array<Candidates, kStringCount> m_strings{};
    std::array<PitchClassMask, kStringCount + 1> m_reach{};
    std::array<int, kStringCount + 1> m_reachBits{};
    std::array<bool, kStringCount + 1> m_reachStart{};
    std::array<std::uint16_t, kStringCount> m_path{};
};

}  // namespace

int FindVoicings(const CWord2DimArray& fretNotes, PitchClassMask mask, int spanExtra,
                 CWord2DimArray& voicings)
{
    if (voicings.Rows() < kMaxVoicings || voicings.Cols() < kVoicingCols)
        voicings.Create(kVoicingRows, kVoicingCols);
    const int wide = spanExtra != 0 ? 1 : 0;

    // A fret sounding more than the chord can never be part of an exact match,
    // yet it still keeps its string from being left silent.
    std::array<StringNotes, kStringCount> strings{};
    PitchClassMask neck = 0;
    int neckBits = 0;
    std::uint16_t startFrets = 0;
    for (std::uint16_t s = 0; s < kStringCount; ++s) {
        StringNotes& string = strings[s];
        int mostBits = 0;
        for (std::uint16_t f = 0; f <= kHighestFret; ++f) {
            const PitchClassMask note = *fretNotes.At(s, f);
            string.notes[f] = note;
            if ((note & mask) == 0)
                continue;
            string.chordFrets = static_cast<std::uint16_t>(string.chordFrets | (1u << f));
            if ((note & ~mask) == 0) {
                string.playable = static_cast<std::uint16_t>(string.playable | (1u << f));
                neck = static_cast<PitchClassMask>(neck | note);
                mostBits = std::max(mostBits, BitCount(note));
            }
        }
        neckBits += mostBits;
        startFrets = static_cast<std::uint16_t>(startFrets | string.playable);
    }
    // Most chords fail here: a note found nowhere on the neck, or more notes
    // than six strings can sound at once.
    if ((mask & ~neck) != 0 || BitCount(mask) > neckBits)
        return 0;

    int stored = 0;
    for (int c = 0; c < 12; ++c) {
        if (((startFrets >> c) & 1u) == 0)
            continue;  // no shape can have its lowest fret here
        const int last = WindowLastFret(c, wide);
        const auto window = static_cast<std::uint16_t>(((2u << last) - 1) & ~((1u << c) - 1));
        WindowSearch search(mask, c, voicings, stored);
        bool possible = true;
        for (int s = 0; s < kStringCount && possible; ++s)
            possible = search.SetString(s, strings[static_cast<std::size_t>(s)], window);
        if (possible && !search.Run())
            break;
    }
    return stored;
}

}  // namespace engine
