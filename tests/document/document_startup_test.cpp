#include "tests/document/doc_fixture.h"

#include "document/command_ids.h"

namespace {

using Startup = DocFixture;

TEST_F(Startup, RangeChecksReplaceBadSettings)
{
    struct Case {
        int instr, vel, dur, sep, snotes, graphx;
        int wantInstr, wantVel, wantDur, wantSep, wantSnotes, wantGraphx;
    };
    const Case cases[] = {
        {3127, 127, 9999, 2000, 1, 16, 3127, 127, 9999, 2000, 1, 16},
        {3128, 128, 0, 2001, 2, 64, 3025, 64, 2500, 30, 0, 32},
        {2999, -1, 10000, -1, -1, 0, 3025, 64, 2500, 30, 0, 32},
        {3000, 0, 1, 0, 0, 32, 3000, 0, 1, 0, 0, 32},
    };
    for (const auto& c : cases) {
        frame = {};
        frame.m_nInstr = c.instr;
        frame.m_nVel = c.vel;
        frame.m_nDur = c.dur;
        frame.m_nSep = c.sep;
        frame.m_nSnotes = c.snotes;
        frame.m_nGraphx = c.graphx;
        startDoc();
        EXPECT_EQ(doc->m_nInstrument, c.wantInstr);
        EXPECT_EQ(doc->m_nVelocity, c.wantVel);
        EXPECT_EQ(doc->m_nDuration, c.wantDur);
        EXPECT_EQ(doc->m_nStrumDelay, c.wantSep);
        EXPECT_EQ(doc->m_nSnotes, c.wantSnotes);
        EXPECT_EQ(doc->m_nGraphx, c.wantGraphx);
    }
}

TEST_F(Startup, OpensTheNamedDeviceAndSelectsTheInstrument)
{
    midi.devices = {"Synth", "Port A", "Port B", "Port A"};
    frame.m_strMidiOutName = "Port A";
    frame.m_nInstr = 3040;
    startDoc();
    // The last device of that name wins.
    EXPECT_EQ(doc->m_nMidiDevice, 3u);
    const std::vector<FakeMidi::Call> expected = {{"close"}, {"open", 3}, {"program", 40}};
    EXPECT_EQ(midi.calls, expected);
}

TEST_F(Startup, UnknownDeviceNameFallsBackToTheFirstDevice)
{
    midi.devices = {"Synth", "Port A"};
    frame.m_strMidiOutName = "port a";
    startDoc();
    EXPECT_EQ(doc->m_nMidiDevice, 0u);
}

TEST_F(Startup, MidiErrorsShowOnlyWhenDevicesExist)
{
    midi.openResult = 68;
    midi.programResult = 5;
    startDoc();
    EXPECT_TRUE(ui.messages.empty());
}

// One box says why there is no sound; the program change that follows a
// failed open is kept for the next open and says nothing.
TEST_F(Startup, AFailedOpenShowsOneBoxThatSaysWhy)
{
    struct Row {
        std::uint32_t open;
        std::uint32_t program;
        std::vector<std::string> messages;
    };
    const Row rows[] = {
        {1001, 5, {"Midi: The built-in synthesizer found no audio output."}},
        {1002, 5,
         {"Midi: The MIDI port could not be opened. It may have been unplugged, or the ALSA sequencer may not be "
          "running."}},
        {4, 5, {"Midi: The specified resource is already allocated."}},
        {0, 67, {"Midi: The hardware is busy with other data."}},
        {0, 0, {}},
    };
    for (const Row& row : rows) {
        midi.devices = {"Built-in Synth (FluidSynth)"};
        midi.openResult = row.open;
        midi.programResult = row.program;
        midi.calls.clear();
        ui.messages.clear();
        frame.m_nInstr = 3025;
        startDoc();
        EXPECT_EQ(ui.messages, row.messages) << row.open;
        const std::vector<FakeMidi::Call> expected = {{"close"}, {"open", 0}, {"program", 25}};
        EXPECT_EQ(midi.calls, expected) << row.open;
    }
}

// The synth still loading: nothing is said at once, and the boxes come as
// at a start whose open ended that way, once the result is known.
TEST_F(Startup, AnOpenThatEndsLaterShowsItsBoxesThen)
{
    struct Row {
        std::uint32_t open;
        std::uint32_t program;
        std::vector<std::string> messages;
    };
    const Row rows[] = {
        {1001, 0, {"Midi: The built-in synthesizer found no audio output."}},
        {0, 67, {"Midi: The hardware is busy with other data."}},
        {0, 0, {}},
    };
    for (const Row& row : rows) {
        midi.devices = {"Built-in Synth (FluidSynth)"};
        midi.openResult = kvmidi::kOpening;
        ui.messages.clear();
        startDoc();
        EXPECT_TRUE(ui.messages.empty()) << row.open;
        ASSERT_TRUE(midi.opened);
        midi.opened(row.open, row.program);
        EXPECT_EQ(ui.messages, row.messages) << row.open;
    }
}

TEST_F(Startup, SizeBitsChooseTheGrid)
{
    struct Case {
        std::uint16_t exp;
        int scale, scrollRowChords, perPage, combo;
    };
    const Case cases[] = {
        {0, 40, 12, 36, 6}, {2, 50, 10, 25, 5}, {4, 60, 8, 16, 4}, {6, 80, 6, 9, 3}, {7, 80, 6, 9, 3},
    };
    for (const auto& c : cases) {
        frame.m_wExp = c.exp;
        ui.sizeCombo.clear();
        startDoc();
        EXPECT_EQ(doc->m_nScale, c.scale) << c.exp;
        EXPECT_EQ(doc->m_nScrollRowChords, c.scrollRowChords);
        EXPECT_EQ(doc->m_nChordsPerPage, c.perPage);
        EXPECT_EQ(ui.sizeCombo, std::vector<int>{c.combo});
    }
}

TEST_F(Startup, GermanNamesAreInstalled)
{
    frame.m_nDeutsch = 1;
    startDoc();
    EXPECT_EQ(g_NoteNames[2], "H");
    std::string name;
    COLORREF colour;
    EXPECT_EQ(doc->GetNoteName(0x002, name, colour, 0x02), "B");
}

TEST_F(Startup, CloseBeforeStartUpKeepsTheUsersSettings)
{
    frame.m_nInstr = 3100;
    frame.m_strMidiOutName = "Port A";
    makeDoc();
    doc->OnNewDocument();  // closes MIDI before anything was opened
    doc->OnCloseDocument();
    EXPECT_EQ(frame.m_nInstr, 3100);
    EXPECT_EQ(frame.m_strMidiOutName, "Port A");
    const std::vector<FakeMidi::Call> expected = {{"close"}};
    EXPECT_EQ(midi.calls, expected);
}

TEST_F(Startup, CloseWritesTheWorkingCopiesBack)
{
    frame.m_nGraphx = 16;
    startDoc();
    doc->m_nInstrument = 3001;
    doc->m_nStrumDelay = 99;
    doc->m_nDeutsch = 1;
    doc->m_nGraphx = 32;
    doc->OnCloseDocument();
    EXPECT_EQ(frame.m_nInstr, 3001);
    EXPECT_EQ(frame.m_nSep, 99);
    EXPECT_EQ(frame.m_nDeutsch, 1);
    EXPECT_EQ(frame.m_nGraphx, 16);  // not written back
}

TEST_F(Startup, EveryWorkingCopyIsReadAtStartUpAndAllButTheDrawingModeWrittenBack)
{
    struct Case {
        const char* name;
        std::int32_t PersistentSettings::*setting;
        int CKvwinDoc::*copy;
        int stored, changed;
        bool writtenBack;
    };
    // Each stored value differs from both defaults, so a copy not made shows.
    const Case cases[] = {
        {"instr", &PersistentSettings::m_nInstr, &CKvwinDoc::m_nInstrument, 3040, 3001, true},
        {"vel", &PersistentSettings::m_nVel, &CKvwinDoc::m_nVelocity, 100, 10, true},
        {"dur", &PersistentSettings::m_nDur, &CKvwinDoc::m_nDuration, 1000, 20, true},
        {"sep", &PersistentSettings::m_nSep, &CKvwinDoc::m_nStrumDelay, 50, 5, true},
        {"snotes", &PersistentSettings::m_nSnotes, &CKvwinDoc::m_nSnotes, 1, 0, true},
        {"notefret", &PersistentSettings::m_nNotefret, &CKvwinDoc::m_nNotefret, 1, 0, true},
        {"nocol", &PersistentSettings::m_nNocol, &CKvwinDoc::m_nNocol, 1, 0, true},
        {"graphx", &PersistentSettings::m_nGraphx, &CKvwinDoc::m_nGraphx, 16, 32, false},
        {"kv_clrprev", &PersistentSettings::m_nKvClrprev, &CKvwinDoc::m_nKvClrprev, 0, 1, true},
        {"kv_clrprev_kvdgm", &PersistentSettings::m_nKvClrprevKvdgm, &CKvwinDoc::m_nKvClrprevKvdgm, 0, 1, true},
        {"sht_names", &PersistentSettings::m_nShtNames, &CKvwinDoc::m_nShtNames, 1, 0, true},
        {"deutsch", &PersistentSettings::m_nDeutsch, &CKvwinDoc::m_nDeutsch, 1, 0, true},
        {"UdirLoc", &PersistentSettings::m_nUdirLoc, &CKvwinDoc::m_nUdirLoc, 1, 0, true},
    };
    for (const Case& c : cases) {
        frame = {};
        frame.*c.setting = c.stored;
        startDoc();
        EXPECT_EQ((*doc).*c.copy, c.stored) << c.name;
        (*doc).*c.copy = c.changed;
        doc->OnCloseDocument();
        EXPECT_EQ(frame.*c.setting, c.writtenBack ? c.changed : c.stored) << c.name;
    }
}

TEST_F(Startup, FileNewReopensMidiWithTheInstrument)
{
    midi.devices = {"Synth"};
    frame.m_nInstr = 3010;
    startDoc();
    doc->m_awHistory = {0x488};
    doc->m_nHistoryPos = 1;
    midi.calls.clear();
    doc->OnFileNew();
    const std::vector<FakeMidi::Call> expected = {{"close"}, {"open", 0}, {"program", 10}};
    EXPECT_EQ(midi.calls, expected);
    EXPECT_TRUE(doc->m_awHistory.empty());
}

TEST_F(Startup, FileNewForgetsTheFontList)
{
    startDoc();
    doc->m_astrFonts = {"Arial"};
    doc->m_bFontsEnumerated = true;
    doc->OnFileNew();
    EXPECT_TRUE(doc->m_astrFonts.empty());
    EXPECT_FALSE(doc->m_bFontsEnumerated);
}

TEST_F(Startup, ConstructorDefaults)
{
    makeDoc();
    EXPECT_EQ(doc->m_nScale, 50);
    EXPECT_EQ(doc->m_nChordsPerPage, 36);
    EXPECT_EQ(doc->m_strPadTitle, "Scratch Pad");
    EXPECT_TRUE(doc->m_bStandardTuning);
    EXPECT_EQ(*doc->m_aFretNotes.At(0, 5), 1);  // E string, fret 5: A
    EXPECT_EQ(*doc->m_aScratchPad.At(39, 10), 0);
    EXPECT_EQ(doc->noteAt(0, 20), doc->noteAt(0, 8));
    EXPECT_EQ(doc->noteAt(0, 21), 0);
    EXPECT_EQ(doc->GetContextMenuItemText(0), "Add Chord to User Directory");
    EXPECT_EQ(doc->GetContextMenuItemId(0), cmd::AddChordToUserDirectory);
    EXPECT_EQ(doc->GetContextMenuItemId(1), 0);
}

}  // namespace

namespace {

TEST(ScratchPadChordRowTest, AttributesPackMarksAndFingers)
{
    ScratchPadChordRow row;
    // String 2 marked, string 1 finger 3, string 6 finger 5 (thumb).
    row.SetAttributes(0x2 | (3u << 6) | (5u << (6 + 15)));
    EXPECT_EQ(row.w[pad::AttributesHigh], 0x00A0);
    EXPECT_EQ(row.w[pad::AttributesLow], 0x00C2);
    EXPECT_TRUE(row.Marked(1));
    EXPECT_FALSE(row.Marked(0));
    EXPECT_EQ(row.Finger(0), 3);
    EXPECT_EQ(row.Finger(5), 5);
    EXPECT_EQ(row.Finger(2), 0);
}

}  // namespace
