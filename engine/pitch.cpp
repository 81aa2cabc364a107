#include "engine/pitch.h"

#include <algorithm>
#include <bit>

#include "engine/defaults.h"

namespace {

constexpr std::array<const char*, 12> kEnglishNames = {
    "A", "A#", "B", "C", "C#", "D", "D#", "E", "F", "F#", "G", "G#"};
constexpr std::array<const char*, 12> kGermanNames = {
    "A", "Ais", "H", "C", "Cis", "D", "Dis", "E", "F", "Fis", "G", "Gis"};

std::array<std::string, 12> englishNames()
{
    std::array<std::string, 12> names;
    std::copy(kEnglishNames.begin(), kEnglishNames.end(), names.begin());
    return names;
}

struct NoteRow {
    const char* fixedName;  // nullptr: the name comes from g_NoteNames
    FlatSpellingFlags flatBit;
    const char* flatEnglish;
    const char* flatGerman;
    COLORREF colour;
};

// Index = bit number of the note.
constexpr std::array<NoteRow, 12> kNoteRows = {{
    {nullptr, 0, nullptr, nullptr, 0x800000},
    {nullptr, 0x02, "Bb", "B", 0xFF0000},
    {nullptr, 0, nullptr, nullptr, 0xFFFF00},
    {"C", 0, nullptr, nullptr, 0x800080},
    {nullptr, 0x08, "Db", "Des", 0xFF00FF},
    {"D", 0, nullptr, nullptr, 0x008000},
    {nullptr, 0x10, "Eb", "Es", 0x00FF00},
    {"E", 0, nullptr, nullptr, 0x008080},
    {"F", 0, nullptr, nullptr, 0x000080},
    {nullptr, 0x40, "Gb", "Ges", 0x0000FF},
    {"G", 0, nullptr, nullptr, 0x808080},
    {nullptr, 0x01, "Ab", "As", 0xC0C0C0},
}};

}  // namespace

// Filled at static initialisation so that a name can be asked for before the
// first document exists.
std::array<std::string, 12> g_NoteNames = englishNames();

namespace engine {

const std::string& GetNoteName(PitchClassMask mask, std::string& name, COLORREF& colour,
                               int flags, bool pad, const NoteNameOptions& options)
{
    const int effective = (flags == kUseCurrentSpelling ? options.currentFlatFlags : flags) & 0xFF;

    int bit = -1;
    if (mask != 0 && (mask & (mask - 1)) == 0 && mask <= 0x800)
        bit = std::countr_zero(static_cast<unsigned>(mask));

    if (bit < 0) {
        name = "ZZ";
        colour = 0;
    } else {
        const NoteRow& row = kNoteRows[static_cast<std::size_t>(bit)];
        if (row.flatBit != 0 && (effective & row.flatBit) != 0)
            name = options.deutsch ? row.flatGerman : row.flatEnglish;
        else if (row.fixedName != nullptr)
            name = row.fixedName;
        else
            name = g_NoteNames[static_cast<std::size_t>(bit)];
        colour = row.colour;
    }

    if (pad && name.size() < 2)
        name += ' ';
    if (options.monochrome)
        colour = 0;
    return name;
}

void SetNoteNames(bool deutsch)
{
    const auto& source = deutsch ? kGermanNames : kEnglishNames;
    std::copy(source.begin(), source.end(), g_NoteNames.begin());
}

PitchClassMask NoteNameToMask(std::string_view name)
{
    for (std::size_t i = 0; i < g_NoteNames.size(); ++i) {
        if (g_NoteNames[i] == name)
            return static_cast<PitchClassMask>(1u << i);
    }
    return 0;
}

FlatSpellingFlags GetFlatSpellingFlags(PitchClassMask mask)
{
    const auto& table = detail::kFlatSpellingTable;
    const auto it = std::lower_bound(table.begin(), table.end(), mask,
                                     [](const detail::FlatSpellingEntry& e, PitchClassMask m) {
                                         return e.mask < m;
                                     });
    return it != table.end() && it->mask == mask ? it->flags : 0;
}

std::uint8_t GetMidiProgram(int instrumentId)
{
    return static_cast<std::uint8_t>(kInstrumentRange.OrFallback(instrumentId) - kFirstInstrument);
}

}  // namespace engine
