#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "engine/pitch.h"

constexpr int kChordTypeCount = 37;

// Long names start with a two-character root field ("A  major"); the Chord
// Directory rewrites that field in place for the root it shows.
extern std::array<std::string, kChordTypeCount> g_ChordTypeLongNames;
// Short names start with a one-character root field ("Am ").
extern const std::array<std::string, kChordTypeCount> g_ChordTypeShortNames;
extern const std::array<PitchClassMask, kChordTypeCount> g_ChordTypeIntervals;

// How a C#/Db, F#/Gb or G#/Ab root is written per chord type.
enum RootSpelling : std::uint8_t { kSpellFlat = 0, kSpellBoth = 1, kSpellSharp = 2 };
// One table per root, in this order: C#/Db, F#/Gb, G#/Ab.
extern const std::array<std::array<std::uint8_t, kChordTypeCount>, 3> g_SpellingTables;
extern const std::array<std::uint8_t, kChordTypeCount>& g_SpellingTableDb;
extern const std::array<std::uint8_t, kChordTypeCount>& g_SpellingTableGb;
extern const std::array<std::uint8_t, kChordTypeCount>& g_SpellingTableAb;

namespace engine {

// Refills the writable tables with their first contents (English note names,
// "A " root fields); a new document does this every time.
void ResetMusicTables();

namespace detail {
struct ChordTypeRow {
    const char* longName;
    const char* shortName;
    PitchClassMask intervals;
    std::uint8_t spellDb, spellGb, spellAb;
};
extern const std::array<ChordTypeRow, kChordTypeCount> kChordTypeRows;
}  // namespace detail

}  // namespace engine
