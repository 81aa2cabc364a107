#include "tests/document/doc_fixture.h"
#include "tests/support/fake_search_dialogs.h"

namespace {

using notes::NoteChecks;

// Box indices of the note boxes.
enum Box { A, As, Bb, B, C, Cs, Db, D, Ds, Eb, E, F, Fs, Gb, G, Gs, Ab };

NoteChecks Ticked(std::initializer_list<Box> boxes)
{
    NoteChecks checks{};
    for (Box b : boxes)
        checks[b] = 1;
    return checks;
}

constexpr PitchClassMask kCMajor = 0x488;

struct DocSearch : DocFixture {
    void SetUp() override
    {
        startDoc();
        doc->GetPorts().searchDialogs = &dialogs;
    }
    // The Notes page closed with OK on these boxes.
    void okOnNotes(const NoteChecks& checks, int clearPrevious = 1)
    {
        dialogs.sheetResult = {};
        dialogs.sheetResult.ok = true;
        dialogs.sheetResult.activePage = ports::kNotesPage;
        dialogs.sheetResult.noteChecks = checks;
        dialogs.sheetResult.notesClearPrevious = clearPrevious;
    }
    const ports::SearchSheetPreset& lastPreset() const { return dialogs.sheetPresets.back(); }

    FakeSearchDialogs dialogs;
};

TEST_F(DocSearch, TickingCEAndGFindsCMajor)
{
    okOnNotes(Ticked({C, E, G}), 0);
    doc->OnSearchTonalith();
    EXPECT_EQ(doc->m_wChordMask, kCMajor);
    EXPECT_EQ(doc->m_nVoicingCount, 12);  // standard tuning, Reduced Span on
    EXPECT_EQ(doc->m_strChordTitle, "C major");
    EXPECT_EQ(doc->m_awHistory, std::vector<PitchClassMask>{kCMajor});
    EXPECT_EQ(doc->m_nHistoryPos, 1);
    EXPECT_EQ(doc->m_wLastNoteMask, kCMajor);
    EXPECT_EQ(doc->m_nKvClrprev, 0);
    EXPECT_EQ(doc->m_nSearchPage, ports::kNotesPage);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_GT(ui.updates, 0);
}

TEST_F(DocSearch, TickedFlatsSpellTheChordAndAreRemembered)
{
    struct Case {
        NoteChecks checks;
        PitchClassMask mask;
        FlatSpellingFlags flags;
    };
    const std::vector<Case> cases = {
        {Ticked({Bb, D, F}), 0x122, 0x02},
        {Ticked({As, D, F}), 0x122, 0x00},
        {Ticked({Ab, C, Eb}), 0x848, 0x11},
        {Ticked({Db, F, Ab}), 0x910, 0x09},
        {Ticked({Gb, Bb, Db}), 0x212, 0x4A},
    };
    for (const Case& c : cases) {
        okOnNotes(c.checks);
        doc->OnSearchTonalith();
        EXPECT_EQ(doc->m_wChordMask, c.mask);
        EXPECT_EQ(doc->m_wFlatFlags, c.flags);
        EXPECT_EQ(doc->m_wLastNoteMask, c.mask);
        EXPECT_EQ(doc->m_wLastFlatFlags, c.flags);
    }
}

TEST_F(DocSearch, TheNotesPageReopensWithTheLastEntryUnlessAskedToClear)
{
    struct Case {
        int clearPrevious;
        PitchClassMask lastMask;
        FlatSpellingFlags lastFlags;
        NoteChecks expected;
    };
    const std::vector<Case> cases = {
        {0, 0x122, 0x02, Ticked({Bb, D, F})},
        {0, 0x122, 0x00, Ticked({As, D, F})},
        {0, 0x910, 0x09, Ticked({Db, F, Ab})},
        {0, 0xA54, 0x41, Ticked({B, Cs, Ds, Gb, Ab})},  // each black key in its own spelling
        {1, 0x122, 0x02, {}},
        {0, 0, 0, {}},
    };
    for (const Case& c : cases) {
        doc->m_nKvClrprev = c.clearPrevious;
        doc->m_wLastNoteMask = c.lastMask;
        doc->m_wLastFlatFlags = c.lastFlags;
        doc->OnSearchTonalith();
        EXPECT_EQ(lastPreset().noteChecks, c.expected) << std::hex << c.lastMask;
        EXPECT_EQ(lastPreset().notesInitialMask, c.lastMask);
        EXPECT_EQ(lastPreset().notesClearPrevious, c.clearPrevious);
    }
}

TEST_F(DocSearch, TheDiagramPageGetsTheTuningInSharps)
{
    struct Case {
        std::array<PitchClassMask, 6> tuning;
        bool deutsch;
        FlatSpellingFlags currentFlags;
        std::array<std::string, 6> notes;
        std::string name;
    };
    const std::vector<Case> cases = {
        {{128, 4, 1024, 32, 1, 128}, false, 0, {"E", "A", "D", "G", "B", "E"}, "Regular"},
        {{128, 16, 1, 128, 1, 128}, false, 0, {"E", "A", "E", "A", "C#", "E"}, "Open A"},
        {{128, 8, 1024, 8, 1024, 8}, false, 0, {"C", "G", "C", "G", "C", "E"}, "Open C"},
        // The shown chord's flats must not respell the tuning: the new search is sharp.
        {{32, 1, 512, 32, 1, 32}, false, 0x40, {"D", "A", "D", "F#", "A", "D"}, "Open D"},
        {{128, 4, 2048, 128, 4, 128}, false, 0x01, {"E", "B", "E", "G#", "B", "E"}, "Open E"},
        {{32, 4, 1024, 32, 1024, 32}, false, 0, {"D", "G", "D", "G", "B", "D"}, "Open G"},
        {{128, 4, 1024, 32, 1, 128}, true, 0, {"E", "A", "D", "G", "H", "E"}, "Regular"},
        {{128, 4, 1024, 32, 1, 64}, false, 0x10, {"D#", "A", "D", "G", "B", "E"}, ""},
    };
    for (const Case& c : cases) {
        doc->m_awTuning = c.tuning;
        doc->m_nDeutsch = c.deutsch;
        doc->SetNoteNames();
        doc->BuildFretboardNotes();
        doc->m_wFlatFlags = c.currentFlags;
        doc->OnSearchTonalith();
        EXPECT_EQ(lastPreset().tuningNotes, c.notes);
        EXPECT_EQ(lastPreset().tuningName, c.name);
        EXPECT_EQ(lastPreset().deutsch, c.deutsch);
    }
}

TEST_F(DocSearch, TheDiagramPageGetsTheFretboardNotes)
{
    doc->OnSearchTonalith();
    const ports::FretNotes& notes = lastPreset().fretNotes;
    EXPECT_EQ(notes[5][0], 0x080);   // 6th string open: E
    EXPECT_EQ(notes[5][1], 0x100);   // F
    EXPECT_EQ(notes[5][8], 0x008);   // C
    EXPECT_EQ(notes[0][11], 0x040);  // 1st string fret 11: D#
    for (int s = 0; s < 6; ++s)
        for (int f = 0; f < 12; ++f)
            EXPECT_EQ(notes[static_cast<std::size_t>(s)][static_cast<std::size_t>(f)], doc->noteAt(s, f));
}

TEST_F(DocSearch, TheDiagramEntryReturnsUnlessAskedToClear)
{
    const ports::DiagramEntry entry = {65, 66, 0, 3, 0, 0, 10, 0, 0};
    doc->m_abDiagramEntry = entry;
    doc->m_nDiagramEntryBaseFret = 10;
    doc->m_nKvClrprevKvdgm = 0;
    doc->OnSearchTonalith();
    EXPECT_EQ(lastPreset().diagramEntry, entry);
    EXPECT_EQ(lastPreset().diagramBaseFret, 10);
    EXPECT_EQ(lastPreset().diagramClearPrevious, 0);
    doc->m_nKvClrprevKvdgm = 1;
    doc->OnSearchTonalith();
    EXPECT_EQ(lastPreset().diagramEntry, ports::DiagramEntry{});
    EXPECT_EQ(lastPreset().diagramBaseFret, 1);
}

TEST_F(DocSearch, OkOnTheDiagramPageSearchesItsSetWithSharps)
{
    doc->m_wFlatFlags = 0x12;
    doc->m_wLastNoteMask = 0x122;
    doc->m_wLastFlatFlags = 0x02;
    doc->m_nKvClrprev = 0;
    dialogs.sheetResult.ok = true;
    dialogs.sheetResult.activePage = ports::kDiagramPage;
    dialogs.sheetResult.diagramMask = kCMajor;
    dialogs.sheetResult.diagramClearPrevious = 0;
    dialogs.sheetResult.diagramEntry = {64 | 1, 64 | 4, 64 | 3, 0, 64 | 2, 64 | 1, 1, 0, 0};
    dialogs.sheetResult.diagramBaseFret = 1;
    dialogs.sheetResult.noteChecks = Ticked({A});  // the other page is not asked
    doc->OnSearchTonalith();
    EXPECT_EQ(doc->m_wChordMask, kCMajor);
    EXPECT_EQ(doc->m_wFlatFlags, 0);
    EXPECT_EQ(doc->m_nVoicingCount, 12);
    EXPECT_EQ(doc->m_awHistory, std::vector<PitchClassMask>{kCMajor});
    EXPECT_EQ(doc->m_nSearchPage, ports::kDiagramPage);
    EXPECT_EQ(doc->m_nKvClrprevKvdgm, 0);
    EXPECT_EQ(doc->m_abDiagramEntry, dialogs.sheetResult.diagramEntry);
    // The remembered Notes entry is the Notes page's.
    EXPECT_EQ(doc->m_wLastNoteMask, 0x122);
    EXPECT_EQ(doc->m_wLastFlatFlags, 0x02);
    EXPECT_EQ(doc->m_nKvClrprev, 0);
    // The next run starts on the Diagram page.
    doc->OnSearchTonalith();
    EXPECT_EQ(lastPreset().startPage, ports::kDiagramPage);
}

TEST_F(DocSearch, CancelChangesNothingNotEvenTheSpelling)
{
    doc->m_wChordMask = 0x122;
    doc->m_wFlatFlags = 0x02;
    doc->m_nSearchPage = 1;
    doc->m_abDiagramEntry = {65, 0, 0, 0, 0, 0, 1, 0, 0};
    dialogs.sheetResult = {};
    dialogs.sheetResult.ok = false;
    dialogs.sheetResult.activePage = 0;
    dialogs.whileSheetOpen = [](UserDirList&) {};
    doc->OnSearchTonalith();
    EXPECT_EQ(dialogs.sheetPresets.size(), 1u);
    EXPECT_EQ(doc->m_wChordMask, 0x122);
    EXPECT_EQ(doc->m_wFlatFlags, 0x02);
    EXPECT_EQ(doc->m_nSearchPage, 1);
    EXPECT_EQ(doc->m_abDiagramEntry[0], 65);
    EXPECT_TRUE(doc->m_awHistory.empty());
}

TEST_F(DocSearch, OkWithNoNotesPushesTheEmptySetSilently)
{
    okOnNotes({});
    doc->OnSearchTonalith();
    EXPECT_EQ(doc->m_wChordMask, 0);
    EXPECT_EQ(doc->m_awHistory, std::vector<PitchClassMask>{0});
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DocSearch, NothingFoundIsSaidAndNotPushedButTheDiagramIsKept)
{
    // Seven notes cannot sound on six strings.
    okOnNotes(Ticked({A, B, C, D, E, F, G}));
    dialogs.sheetResult.diagramEntry = {66, 0, 0, 0, 0, 0, 1, 0, 0};
    doc->OnSearchTonalith();
    EXPECT_EQ(doc->m_nVoicingCount, 0);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"No chords found\nfor selected span"});
    EXPECT_TRUE(doc->m_awHistory.empty());
    EXPECT_EQ(doc->m_abDiagramEntry[0], 66);
}

TEST_F(DocSearch, AnActivePageOutsideTheSheetCountsAsNotes)
{
    for (int page : {2, 7, -1}) {
        okOnNotes(Ticked({C, E, G}));
        dialogs.sheetResult.activePage = page;
        dialogs.sheetResult.diagramMask = 0x001;
        doc->OnSearchTonalith();
        EXPECT_EQ(doc->m_nSearchPage, 0) << page;
        EXPECT_EQ(doc->m_wChordMask, kCMajor) << page;
    }
}

TEST_F(DocSearch, ChordsAddedOnTheSheetReachTheDocument)
{
    dialogs.whileSheetOpen = [](UserDirList& userDir) {
        userDir.push_back({"Mine", 0x00A});
        g_bUserDirModified = true;
    };
    doc->OnSearchTonalith();
    ASSERT_FALSE(doc->m_listUserDir.empty());
    EXPECT_EQ(doc->m_listUserDir.back().m_strName, "Mine");
}

TEST_F(DocSearch, TheSheetStopsAppendingAtAHundredTheDirectoryDoesNot)
{
    frame.m_nHisBufSz = 200;
    doc->m_awHistory.assign(100, 0x001);
    doc->m_nHistoryPos = 100;
    okOnNotes(Ticked({C, E, G}));
    doc->OnSearchTonalith();
    EXPECT_EQ(doc->m_awHistory.size(), 100u);

    dialogs.directoryResult = {true, 8, 0, 0};
    doc->OnSearchChordDirectory();
    EXPECT_EQ(doc->m_awHistory.size(), 101u);
    EXPECT_EQ(doc->m_awHistory.back(), kCMajor);
}

struct DirectoryCase {
    int rootPage, type;
    PitchClassMask mask;
    FlatSpellingFlags flags;
};

TEST_F(DocSearch, TheDirectoryRotatesTheTypeToTheRootAndSpellsIt)
{
    const std::vector<DirectoryCase> cases = {
        {8, 0, kCMajor, 0x00},
        {32, 0, 0x221, 0x00},     // D major: A, D, F#
        {1, 21, 0x493, 0x02},     // A seventh minor ninth, with its Bb
        {2, 0, 0x122, 0x02},      // Bb major
        {2048, 0, 0x848, 0x11},   // Ab major: Ab, C, Eb
        {3, 0, 0x091, 0x00},      // not a single bit: the intervals unrotated
    };
    for (const DirectoryCase& c : cases) {
        doc->m_wFlatFlags = 0x5B;
        dialogs.directoryResult = {true, c.rootPage, c.type, 1};
        doc->OnSearchChordDirectory();
        EXPECT_EQ(doc->m_wChordMask, c.mask) << c.rootPage << "/" << c.type;
        EXPECT_EQ(doc->m_wFlatFlags, c.flags) << c.rootPage << "/" << c.type;
        EXPECT_EQ(doc->m_wChdirRoot, c.rootPage);
        EXPECT_EQ(doc->m_nChdirType, c.type);
        EXPECT_EQ(doc->m_nShtNames, 1);
    }
}

TEST_F(DocSearch, TheDirectoryFindsCMajor)
{
    doc->m_wChdirRoot = 2;
    doc->m_nChdirType = 5;
    doc->m_nShtNames = 1;
    dialogs.directoryResult = {true, 8, 0, 0};
    doc->OnSearchChordDirectory();
    ASSERT_EQ(dialogs.directoryPresets.size(), 1u);
    EXPECT_EQ(dialogs.directoryPresets[0].rootPage, 2);
    EXPECT_EQ(dialogs.directoryPresets[0].chordType, 5);
    EXPECT_EQ(dialogs.directoryPresets[0].shortNames, 1);
    EXPECT_EQ(doc->m_nVoicingCount, 12);
    EXPECT_EQ(doc->m_strChordTitle, "C major");
    EXPECT_EQ(doc->m_awHistory, std::vector<PitchClassMask>{kCMajor});
}

TEST_F(DocSearch, TheDirectoryStoresNothingWithoutAChoice)
{
    const std::vector<ports::ChordDirectoryResult> results = {
        {false, 8, 0, 1},
        {true, 8, -1, 1},
        {true, 8, 37, 1},
    };
    for (const auto& r : results) {
        doc->m_wChdirRoot = 1;
        doc->m_nChdirType = -1;
        doc->m_nShtNames = 0;
        dialogs.directoryResult = r;
        doc->OnSearchChordDirectory();
        EXPECT_EQ(doc->m_wChdirRoot, 1);
        EXPECT_EQ(doc->m_nChdirType, -1);
        EXPECT_EQ(doc->m_nShtNames, 0);
        EXPECT_TRUE(doc->m_awHistory.empty());
    }
}

TEST(NoteBoxes, SpellingsRoundTrip)
{
    // Every mask with every spelling of its black keys comes back from its boxes.
    for (unsigned mask = 0; mask < 0x1000; mask += 7) {
        for (FlatSpellingFlags flags : {0x00, 0x5B, 0x12, 0x49}) {
            const NoteChecks checks = notes::NoteChecksFromChord(static_cast<PitchClassMask>(mask), flags);
            EXPECT_EQ(notes::MaskFromNoteChecks(checks), mask);
            const FlatSpellingFlags used = notes::FlatFlagsFromNoteChecks(checks);
            EXPECT_EQ(used & ~flags, 0);
            EXPECT_EQ(notes::CountNotes(checks), std::popcount(mask));
        }
    }
}

}  // namespace
