// The User Directory search and adding the current chord, on fake dialogs.
#include "document/html_page.h"
#include "engine/chord_names.h"
#include "tests/document/doc_fixture.h"
#include "tests/support/fake_user_dir_dialogs.h"

namespace {

constexpr PitchClassMask kDbMajor = 0x910;
// C, C# and E: no built-in name, and voicings in the regular tuning.
constexpr PitchClassMask kUnnamed = 0x098;

struct UserDirCommands : DocFixture {
    void SetUp() override
    {
        startDoc();
        doc->GetPorts().userDirDialogs = &dialogs;
    }
    void searchUnnamed(FlatSpellingFlags flags)
    {
        doc->m_wFlatFlags = flags;
        doc->SearchNewChord(kUnnamed, true);
        ASSERT_GT(doc->m_nVoicingCount, 0);
        ASSERT_EQ(doc->m_strChordTitle, kNoChordIdFound);
    }

    FakeUserDirDialogs dialogs;
};

TEST_F(UserDirCommands, TheChosenChordIsSearchedInItsSpellingAndRemembered)
{
    dialogs.directoryResult = {true, kDbMajor, 0x09};
    doc->OnSearchUserDirectory();
    EXPECT_EQ(doc->m_wChordMask, kDbMajor);
    EXPECT_EQ(doc->m_wFlatFlags, 0x09);
    EXPECT_GT(doc->m_nVoicingCount, 0);
    EXPECT_EQ(doc->m_awHistory, std::vector<PitchClassMask>{kDbMajor});
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(UserDirCommands, CancelSearchesNothingButKeepsTheChangesMadeInTheList)
{
    dialogs.whileDirectoryOpen = [](UserDirList& list) { engine::AddUserChord(list, "Mine", kUnnamed); };
    dialogs.directoryResult = {false, kDbMajor, 0};
    doc->OnSearchUserDirectory();
    EXPECT_EQ(doc->m_wChordMask, 0);
    EXPECT_TRUE(doc->m_awHistory.empty());
    ASSERT_EQ(doc->m_listUserDir.size(), 1u);
    EXPECT_TRUE(g_bUserDirModified);
}

TEST_F(UserDirCommands, TheUserDirectoryStopsAppendingToTheHistoryAtAHundred)
{
    frame.m_nHisBufSz = 200;
    doc->m_awHistory.assign(100, 0x001);
    doc->m_nHistoryPos = 100;
    dialogs.directoryResult = {true, kDbMajor, 0x09};
    doc->OnSearchUserDirectory();
    EXPECT_EQ(doc->m_wChordMask, kDbMajor);
    EXPECT_EQ(doc->m_awHistory.size(), 100u);
    EXPECT_EQ(doc->m_awHistory.back(), 0x001);
}

TEST_F(UserDirCommands, AddingTheCurrentChordPresetsItsNotesAndNamesItEverywhere)
{
    searchUnnamed(0x08);
    const int updates = ui.updates;
    dialogs.chordResult = {true, "My cluster", 0x08, kUnnamed};
    doc->AddChordToUserDirectory();

    ASSERT_EQ(dialogs.chordPresets.size(), 1u);
    const ports::UserChordPreset& preset = dialogs.chordPresets[0];
    EXPECT_EQ(preset.lock, notes::kNotesPreset);
    EXPECT_FALSE(preset.modifyMode);
    EXPECT_EQ(preset.checks, notes::NoteChecksFromChord(kUnnamed, 0x08));  // C, Db, E

    ASSERT_EQ(doc->m_listUserDir.size(), 1u);
    EXPECT_EQ(doc->m_listUserDir[0].GetName(), "My cluster");
    EXPECT_EQ(doc->m_listUserDir[0].m_nValue, 0x08 << 16 | kUnnamed);
    EXPECT_TRUE(g_bUserDirModified);

    EXPECT_EQ(doc->m_strChordTitle, "My cluster");
    EXPECT_GT(ui.updates, updates);
    EXPECT_EQ(ui.title, "My cluster");
    EXPECT_EQ(ui.panes[1], "My cluster");
    EXPECT_EQ(document::HtmlDefaultNames(*doc).fileName, "My_cluster");
    EXPECT_NE(document::buildHtmlPage(*doc, frame).find("<title>My cluster</title>"), std::string::npos);

    // Searched again, the chord keeps the name.
    doc->SearchNewChord(kUnnamed, true);
    EXPECT_EQ(doc->m_strChordTitle, "My cluster");
}

TEST_F(UserDirCommands, TheTitleFollowsOnlyWhenTheStoredSetIsTheCurrentChord)
{
    struct Case {
        PitchClassMask stored;
        std::string title;
    };
    const std::vector<Case> cases = {
        {kUnnamed, "Mine"},
        {0x018, std::string(kNoChordIdFound)},  // E unticked
    };
    for (const Case& c : cases) {
        searchUnnamed(0);
        dialogs.chordResult = {true, "Mine", 0, c.stored};
        doc->AddChordToUserDirectory();
        EXPECT_EQ(doc->m_strChordTitle, c.title) << c.stored;
        EXPECT_EQ(doc->m_listUserDir.back().Mask(), c.stored);
        doc->m_listUserDir.clear();
    }
}

TEST_F(UserDirCommands, WithoutACurrentChordTheNotesAreFreeAndCancelAddsNothing)
{
    doc->AddChordToUserDirectory();
    ASSERT_EQ(dialogs.chordPresets.size(), 1u);
    EXPECT_EQ(dialogs.chordPresets[0].lock, notes::kNotesFree);
    EXPECT_EQ(dialogs.chordPresets[0].checks, notes::NoteChecks{});
    EXPECT_TRUE(doc->m_listUserDir.empty());
    EXPECT_FALSE(g_bUserDirModified);
}

}  // namespace
