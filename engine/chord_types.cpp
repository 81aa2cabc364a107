#include "engine/chord_types.h"

namespace {

using engine::detail::kChordTypeRows;

template <typename T, typename F>
std::array<T, kChordTypeCount> column(F field)
{
    std::array<T, kChordTypeCount> out{};
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = field(kChordTypeRows[i]);
    return out;
}

using Row = engine::detail::ChordTypeRow;

}  // namespace

std::array<std::string, kChordTypeCount> g_ChordTypeLongNames =
    column<std::string>([](const Row& r) { return std::string(r.longName); });
const std::array<std::string, kChordTypeCount> g_ChordTypeShortNames =
    column<std::string>([](const Row& r) { return std::string(r.shortName); });
const std::array<PitchClassMask, kChordTypeCount> g_ChordTypeIntervals =
    column<PitchClassMask>([](const Row& r) { return r.intervals; });
const std::array<std::array<std::uint8_t, kChordTypeCount>, 3> g_SpellingTables = {
    column<std::uint8_t>([](const Row& r) { return r.spellDb; }),
    column<std::uint8_t>([](const Row& r) { return r.spellGb; }),
    column<std::uint8_t>([](const Row& r) { return r.spellAb; }),
};
const std::array<std::uint8_t, kChordTypeCount>& g_SpellingTableDb = g_SpellingTables[0];
const std::array<std::uint8_t, kChordTypeCount>& g_SpellingTableGb = g_SpellingTables[1];
const std::array<std::uint8_t, kChordTypeCount>& g_SpellingTableAb = g_SpellingTables[2];

namespace engine {

void ResetMusicTables()
{
    SetNoteNames(false);
    for (std::size_t i = 0; i < g_ChordTypeLongNames.size(); ++i)
        g_ChordTypeLongNames[i] = kChordTypeRows[i].longName;
}

}  // namespace engine
