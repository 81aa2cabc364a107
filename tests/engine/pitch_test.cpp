#include <gtest/gtest.h>

#include <climits>

#include "engine/chord_types.h"
#include "engine/pitch.h"

namespace {

struct MusicTablesTest : ::testing::Test {
    void SetUp() override { engine::ResetMusicTables(); }
    void TearDown() override { engine::ResetMusicTables(); }
};

struct NoteNameCase {
    PitchClassMask mask;
    int flags;
    bool pad;
    bool germanTable;  // SetNoteNames(true) installed
    bool deutsch;      // the German option, for flat names
    FlatSpellingFlags current;
    const char* name;
    COLORREF colour;
};

const NoteNameCase kNoteNameCases[] = {
    {0x010, 0x08, true, false, false, 0, "Db", 0xFF00FF},
    {0x010, 0x08, true, true, true, 0, "Des", 0xFF00FF},
    {0x010, 0, true, false, false, 0, "C#", 0xFF00FF},
    {0x010, 0, true, true, true, 0, "Cis", 0xFF00FF},
    {0x008, 0, true, false, false, 0, "C ", 0x800080},
    {0x008, 0, false, false, false, 0, "C", 0x800080},
    {0x003, 0, true, false, false, 0, "ZZ", 0},
    {0x000, 0, true, false, false, 0, "ZZ", 0},
    {0x1000, 0, true, false, false, 0, "ZZ", 0},
    // 0x800 stands for the document's spelling, any other value is used as given.
    {0x800, 0x800, false, false, false, 0x01, "Ab", 0xC0C0C0},
    {0x800, 0x800, false, false, false, 0x00, "G#", 0xC0C0C0},
    {0x800, 0x801, false, false, false, 0x00, "Ab", 0xC0C0C0},
    {0x002, 0x802, false, false, false, 0x00, "Bb", 0xFF0000},
    // Only the low eight bits count.
    {0x002, 0x100, false, false, false, 0x02, "A#", 0xFF0000},
    {0x002, 0x02, false, true, true, 0, "B", 0xFF0000},
    {0x004, 0, false, true, true, 0, "H", 0xFFFF00},
    {0x001, 0, true, false, false, 0, "A ", 0x800000},
    {0x040, 0x10, true, false, false, 0, "Eb", 0x00FF00},
    {0x200, 0x40, false, true, true, 0, "Ges", 0x0000FF},
    {0x200, 0, false, true, true, 0, "Fis", 0x0000FF},
    {0x020, 0xFF, true, false, false, 0, "D ", 0x008000},
    {0x080, 0, true, false, false, 0, "E ", 0x008080},
    {0x100, 0, true, false, false, 0, "F ", 0x000080},
    {0x400, 0, true, false, false, 0, "G ", 0x808080},
    // Flat names follow the option, sharps follow the installed table.
    {0x010, 0x08, false, false, true, 0, "Des", 0xFF00FF},
    {0x010, 0, false, true, false, 0, "Cis", 0xFF00FF},
};

TEST_F(MusicTablesTest, NoteNamesAndColours)
{
    for (const auto& c : kNoteNameCases) {
        engine::SetNoteNames(c.germanTable);
        std::string name = "stale";
        COLORREF colour = 12345;
        engine::NoteNameOptions options{c.current, c.deutsch, false};
        const std::string& result = engine::GetNoteName(c.mask, name, colour, c.flags, c.pad, options);
        EXPECT_EQ(&result, &name);
        EXPECT_EQ(name, c.name) << "mask " << c.mask << " flags " << c.flags;
        EXPECT_EQ(colour, c.colour) << "mask " << c.mask;
    }
}

TEST_F(MusicTablesTest, MonochromeMakesEveryNoteBlack)
{
    std::string name;
    COLORREF colour = 1;
    engine::GetNoteName(0x010, name, colour, 0x08, true, {0, false, true});
    EXPECT_EQ(name, "Db");
    EXPECT_EQ(colour, 0u);
}

TEST_F(MusicTablesTest, NoteNameToMaskReadsTheInstalledTable)
{
    EXPECT_EQ(engine::NoteNameToMask("G#"), 0x800);
    EXPECT_EQ(engine::NoteNameToMask("A"), 0x001);
    EXPECT_EQ(engine::NoteNameToMask("Ab"), 0);
    EXPECT_EQ(engine::NoteNameToMask("Gis"), 0);
    EXPECT_EQ(engine::NoteNameToMask("g#"), 0);
    engine::SetNoteNames(true);
    EXPECT_EQ(engine::NoteNameToMask("Gis"), 0x800);
    EXPECT_EQ(engine::NoteNameToMask("H"), 0x004);
    EXPECT_EQ(engine::NoteNameToMask("G#"), 0);
}

TEST(FlatSpelling, KnownAndUnknownMasks)
{
    EXPECT_EQ(engine::GetFlatSpellingFlags(0x488), 0);
    EXPECT_EQ(engine::GetFlatSpellingFlags(0x850), 0x19);
    EXPECT_EQ(engine::GetFlatSpellingFlags(0x042), 0x12);
    EXPECT_EQ(engine::GetFlatSpellingFlags(0x852), 0x5A);
    EXPECT_EQ(engine::GetFlatSpellingFlags(0xDA4), 0x01);
    EXPECT_EQ(engine::GetFlatSpellingFlags(0x1042), 0);
}

TEST(FlatSpelling, TableIsSortedAndUsesOnlyBlackKeyBits)
{
    const auto& table = engine::detail::kFlatSpellingTable;
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (i > 0) {
            EXPECT_LT(table[i - 1].mask, table[i].mask);
        }
        EXPECT_EQ(table[i].flags & ~0x5B, 0) << std::hex << table[i].mask;
        EXPECT_NE(table[i].flags, 0);
    }
}

TEST(MidiProgram, InstrumentIdRange)
{
    const std::pair<int, int> cases[] = {{3000, 0}, {3025, 25}, {3127, 127}, {2999, 25}, {3128, 25}, {0, 25}};
    for (auto [id, program] : cases)
        EXPECT_EQ(engine::GetMidiProgram(id), program) << id;
}

TEST(ChordTypes, ThirtySevenTypesAsListed)
{
    EXPECT_EQ(g_ChordTypeLongNames[0], "A  major");
    EXPECT_EQ(g_ChordTypeShortNames[0], "A ");
    EXPECT_EQ(g_ChordTypeShortNames[15], "Am7-5");
    EXPECT_EQ(g_ChordTypeLongNames[36], "A  thirteenth minor ninth diminished 5th");
    EXPECT_EQ(g_ChordTypeIntervals[0], 0x091);
    EXPECT_EQ(g_ChordTypeIntervals[1], 0x089);
    EXPECT_EQ(g_ChordTypeIntervals[36], 0x653);
    EXPECT_EQ(g_SpellingTableDb[1], kSpellSharp);
    EXPECT_EQ(g_SpellingTableGb[0], kSpellBoth);
    EXPECT_EQ(g_SpellingTableAb[14], kSpellFlat);
    EXPECT_EQ(&g_SpellingTables[1], &g_SpellingTableGb);
}

TEST(ChordTypes, RootFieldsAndIntervals)
{
    for (int i = 0; i < kChordTypeCount; ++i) {
        const auto& longName = g_ChordTypeLongNames[static_cast<std::size_t>(i)];
        const auto& shortName = g_ChordTypeShortNames[static_cast<std::size_t>(i)];
        EXPECT_EQ(longName.substr(0, 3), "A  ") << i;
        EXPECT_EQ(shortName[0], 'A') << i;
        // Every type contains its root and nothing above 12 bits.
        EXPECT_EQ(g_ChordTypeIntervals[static_cast<std::size_t>(i)] & 0x001, 1) << i;
        EXPECT_EQ(g_ChordTypeIntervals[static_cast<std::size_t>(i)] & ~0xFFF, 0) << i;
        for (auto table : g_SpellingTables)
            EXPECT_LE(table[static_cast<std::size_t>(i)], 2) << i;
    }
}

TEST_F(MusicTablesTest, ResetRestoresRewrittenRootFields)
{
    g_ChordTypeLongNames[0].replace(0, 2, "Bb");
    engine::SetNoteNames(true);
    engine::ResetMusicTables();
    EXPECT_EQ(g_ChordTypeLongNames[0], "A  major");
    EXPECT_EQ(g_NoteNames[1], "A#");
}

TEST(RotateInterval, PlacesTypeOnRoot)
{
    EXPECT_EQ(engine::RotateInterval(0x091, 3), 0x488);  // C major
    EXPECT_EQ(engine::RotateInterval(0x091, 0), 0x091);
    EXPECT_EQ(engine::RotateInterval(0x089, 11), 0x844);  // G#m: G#, B, D#
}

TEST(RotateInterval, RootsCountRoundTheTwelveNotes)
{
    struct Case {
        int root;
        PitchClassMask mask;
    };
    // A major's intervals; a root below A or above G# is the same note an octave away.
    const Case cases[] = {
        {-1, 0x848},  {-9, 0x488},  {-12, 0x091}, {-13, 0x848},
        {12, 0x091},  {15, 0x488},  {INT_MIN, engine::RotateInterval(0x091, 4)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(engine::RotateInterval(0x091, c.root), c.mask) << c.root;
    static_assert(engine::RotateInterval(0x091, -1) == 0x848);
}

}  // namespace
