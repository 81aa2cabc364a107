#include <gtest/gtest.h>

#include "dialogs/search/chord_directory_logic.h"
#include "dialogs/search/search_texts.h"
#include "engine/chord_types.h"

namespace {

struct TablesReset : ::testing::Test {
    void TearDown() override { engine::ResetMusicTables(); }
};

struct LineCase {
    int rootPage;
    bool shortNames;
    int type;
    std::string line;
};

using ChordDirectoryLines = TablesReset;

TEST_F(ChordDirectoryLines, EachRootIsSpelledPerChordType)
{
    const std::vector<LineCase> cases = {
        {1, false, 0, "A  major"},
        {2, false, 0, "Bb major"},
        {16, false, 0, "Db major"},             // flat
        {16, false, 1, "C# minor"},             // sharp
        {512, false, 0, "F#/Gb major"},         // both
        {2048, false, 14, "Ab minor sharp seventh"},
        {2048, false, 7, "G# major sixth augmented fifth"},
        {3, false, 0, "ZZ major"},              // not a root
        {1, true, 0, "A "},
        {2, true, 1, "Bbm "},
        {8, true, 12, "C7 "},
        {64, true, 20, "Ebmaj7"},
        {16, true, 0, "Db "},                   // a flat root keeps both letters
        {16, true, 1, "C#m "},
        {512, true, 24, "F#/Gb9"},
        {3, true, 1, "ZZm "},
    };
    for (const LineCase& c : cases) {
        const std::vector<std::string> lines = dialogs::FillChordList(c.rootPage, c.shortNames);
        ASSERT_EQ(lines.size(), 37u);
        EXPECT_EQ(lines[static_cast<std::size_t>(c.type)], c.line) << c.rootPage << " " << c.shortNames;
    }
}

TEST_F(ChordDirectoryLines, OnlyOneSpellingRootsInLongNamesRewriteTheGlobalNames)
{
    dialogs::FillChordList(2, false);
    EXPECT_EQ(g_ChordTypeLongNames[0], "Bb major");
    EXPECT_EQ(g_ChordTypeLongNames[36], "Bb thirteenth minor ninth diminished 5th");
    dialogs::FillChordList(16, false);
    dialogs::FillChordList(8, true);
    EXPECT_EQ(g_ChordTypeLongNames[0], "Bb major");
    EXPECT_EQ(dialogs::FillChordList(16, false)[0], "Db major");
    dialogs::FillChordList(8, false);
    EXPECT_EQ(g_ChordTypeLongNames[0], "C  major");
}

TEST(ChordDirectoryRoots, StepThroughTheTwelveRoots)
{
    EXPECT_EQ(dialogs::RootUp(2048), 1);
    EXPECT_EQ(dialogs::RootDown(1), 2048);
    EXPECT_EQ(dialogs::RootUp(8), 16);
    EXPECT_EQ(dialogs::RootDown(8), 4);
    int root = 32;
    std::vector<std::string> texts;
    for (int i = 0; i < 12; ++i) {
        texts.push_back(dialogs::RootText(root));
        root = dialogs::RootUp(root);
    }
    EXPECT_EQ(root, 32);
    EXPECT_EQ(texts, (std::vector<std::string>{"D ", "Eb", "E ", "F ", "F#", "G ", "G#", "A ", "Bb", "B ", "C ", "C#"}));
    EXPECT_EQ(dialogs::RootText(0), "ZZ");
    EXPECT_EQ(dialogs::RootText(4096), "ZZ");
}

TEST(SheetCaption, NamesTheSetWithEveryNameOrNothing)
{
    const UserDirList userDir = {{"Mine", 0x00A}, {"Flat mine", (0x02 << 16) | 0x00A}};
    struct Case {
        PitchClassMask mask;
        std::string caption;
        bool named;
    };
    const std::vector<Case> cases = {
        {0x488, "Tonalith - C major", true},
        {0x111, "Tonalith - A augmented:Db aug:F aug", true},
        {0x00A, "Tonalith - Mine:Flat mine", true},
        {0x007, "Tonalith", false},
        {0, "Tonalith", false},
    };
    for (const Case& c : cases) {
        const dialogs::SheetCaption caption = dialogs::CaptionForNotes(c.mask, userDir);
        EXPECT_EQ(caption.text, c.caption);
        EXPECT_EQ(caption.named, c.named);
    }
}

}  // namespace
