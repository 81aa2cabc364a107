#include <cctype>
#include <climits>
#include <functional>
#include <numeric>
#include <ostream>
#include <string>
#include <vector>

#include "document/options_dialog_port.h"
#include "tests/document/doc_fixture.h"
#include "tests/support/fake_options_dialogs.h"
#include "tests/support/pad_chords.h"

namespace {

constexpr PitchClassMask kCMajor = 0x488;
// Open D, string 1 first: D4 A3 F#3 D3 A2 D2.
constexpr std::array<std::uint8_t, 6> kOpenDNotes = {62, 57, 54, 50, 45, 38};
constexpr std::array<PitchClassMask, 6> kOpenDMasks = {32, 1, 512, 32, 1, 32};
constexpr std::array<PitchClassMask, 6> kStandardMasks = {128, 4, 1024, 32, 1, 128};

std::vector<PitchClassMask> Entries(int from, int to)
{
    std::vector<PitchClassMask> entries(static_cast<std::size_t>(to - from + 1));
    std::iota(entries.begin(), entries.end(), static_cast<PitchClassMask>(from));
    return entries;
}

// A document on a machine with two MIDI devices, showing C major.
struct OptionsFixture : DocFixture {
    void SetUp() override
    {
        midi.devices = {"Built-in Synth", "Port B"};
        startDoc();
        doc->GetPorts().optionsDialogs = &dialogs;
        doc->SearchNewChord(kCMajor, true);
    }

    // Runs Tools > Options with the user's changes; counts the applications
    // that searched, and forgets what start-up and the first search did.
    void RunOptions(const std::function<void(ports::OptionsValues&, const FakeOptionsDialogs::ApplyNow&)>& user)
    {
        midi.calls.clear();
        ui.updates = 0;
        ui.messages.clear();
        doc->m_bSearched = false;
        searches = 0;
        dialogs.whileOpen = [&](ports::OptionsValues& values, const FakeOptionsDialogs::ApplyNow& applyNow) {
            user(values, [&](const ports::OptionsValues& v) {
                applyNow(v);
                searches += doc->m_bSearched ? 1 : 0;
                doc->m_bSearched = false;
            });
        };
        doc->OnToolsOptions();
        dialogs.whileOpen = nullptr;
        searches += doc->m_bSearched ? 1 : 0;
    }

    FakeOptionsDialogs dialogs;
    int searches = 0;
};

using Midi = FakeMidi::Call;

struct ApplyRow {
    const char* name = "";
    bool padMode = false;
    std::function<void(CKvwinDoc&, PersistentSettings&, FakeMidi&)> before = {};
    std::function<void(ports::OptionsValues&, const FakeOptionsDialogs::ApplyNow&)> user = {};
    std::function<void(const CKvwinDoc&, const PersistentSettings&)> expect = {};
    std::vector<Midi> midiCalls = {};
    int redraws = 0;
    int searches = 0;
    std::vector<std::string> messages = {};
};

void PrintTo(const ApplyRow& row, std::ostream* out)
{
    *out << row.name;
}

std::string TestName(const ::testing::TestParamInfo<ApplyRow>& info)
{
    std::string name;
    for (const char* c = info.param.name; *c; ++c)
        name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return name;
}

void ChangeTuningToOpenD(ports::OptionsValues& v)
{
    v.tuning.tuningChanged = 1;
    v.tuning.stringNotes = kOpenDNotes;
    v.tuning.stringNames = {"D", "A", "F#", "D", "A", "D"};
    v.tuning.soundOnAdjust = 1;
}

const ApplyRow kApplyRows[] = {
    {.name = "nothing changed",
     .user = [](ports::OptionsValues&, auto&) {},
     .expect = [](const CKvwinDoc& d, const PersistentSettings&) { EXPECT_EQ(d.m_nVoicingCount, 12); }},

    {.name = "Notes Colour unticked",
     .before = [](CKvwinDoc& d, PersistentSettings&, FakeMidi&) {
         d.m_mark.rect = {10, 10, 50, 50};
         d.m_mark.marked = true;
         d.m_mark.top = 7;
     },
     .user = [](ports::OptionsValues& v, auto&) { v.display.notesColour = 0; },
     .expect = [](const CKvwinDoc& d, const PersistentSettings&) {
         EXPECT_EQ(d.m_nNocol, 1);
         EXPECT_EQ(d.m_mark.rect, Rect{});
         EXPECT_FALSE(d.m_mark.marked);
         EXPECT_EQ(d.m_mark.top, 0);
     },
     .redraws = 1},

    {.name = "Notes on frets ticked",
     .before = [](CKvwinDoc& d, PersistentSettings&, FakeMidi&) {
         d.m_mark.hit = {10, 10, 50, 50};
         d.m_mark.marked = true;
     },
     .user = [](ports::OptionsValues& v, auto&) { v.display.notesOnFrets = 1; },
     .expect = [](const CKvwinDoc& d, const PersistentSettings&) {
         EXPECT_EQ(d.m_nNotefret, 1);
         EXPECT_EQ(d.m_nNocol, 0);
         EXPECT_EQ(d.m_mark.hit, Rect{});
         EXPECT_FALSE(d.m_mark.marked);
     },
     .redraws = 1},

    {.name = "Reduced Span off",
     .user = [](ports::OptionsValues& v, auto&) { v.general.reducedSpan = 0; },
     .expect = [](const CKvwinDoc& d, const PersistentSettings& f) {
         EXPECT_EQ(f.m_wExp & 1, 1);
         EXPECT_GT(d.m_nVoicingCount, 12);
     },
     .redraws = 1,
     .searches = 1},

    {.name = "history of 30 at 30 cut to 10",
     .before = [](CKvwinDoc& d, PersistentSettings&, FakeMidi&) {
         d.m_awHistory = Entries(1, 30);
         d.m_nHistoryPos = 30;
     },
     .user = [](ports::OptionsValues& v, auto&) { v.general.historySize = 10; },
     .expect = [](const CKvwinDoc& d, const PersistentSettings& f) {
         EXPECT_EQ(d.m_awHistory, Entries(21, 30));
         EXPECT_EQ(d.m_nHistoryPos, 10);
         EXPECT_EQ(f.m_nHisBufSz, 10);
     }},

    {.name = "history turned off",
     .before = [](CKvwinDoc& d, PersistentSettings&, FakeMidi&) {
         d.m_awHistory = Entries(1, 30);
         d.m_nHistoryPos = 12;
     },
     .user = [](ports::OptionsValues& v, auto&) { v.general.includeHistory = 0; },
     .expect = [](const CKvwinDoc& d, const PersistentSettings& f) {
         EXPECT_TRUE(d.m_awHistory.empty());
         EXPECT_EQ(d.m_nHistoryPos, 0);
         EXPECT_EQ(f.m_bIncHis, 0);
         EXPECT_EQ(f.m_nHisBufSz, 50);
     }},

    {.name = "history on again with a smaller size",
     .before = [](CKvwinDoc& d, PersistentSettings& f, FakeMidi&) {
         f.m_bIncHis = 0;
         d.m_awHistory = Entries(1, 30);
         d.m_nHistoryPos = 30;
     },
     .user = [](ports::OptionsValues& v, auto&) {
         v.general.includeHistory = 1;
         v.general.historySize = 20;
     },
     .expect = [](const CKvwinDoc& d, const PersistentSettings& f) {
         EXPECT_EQ(d.m_awHistory, Entries(11, 30));
         EXPECT_EQ(d.m_nHistoryPos, 20);
         EXPECT_EQ(f.m_bIncHis, 1);
     }},

    {.name = "text colour red",
     .user = [](ports::OptionsValues& v, auto&) { v.html.text = 0x0000FF; },
     .expect = [](const CKvwinDoc&, const PersistentSettings& f) {
         EXPECT_EQ(f.m_nTxtcol, 0xFF0000);
         EXPECT_EQ(f.m_nBgcol, 0xC0C0C0);
     }},

    {.name = "every applet value",
     .user = [](ports::OptionsValues& v, auto&) {
         v.html = {.background = 0x804020, .text = 0x000080, .appletFont = 2, .reducedScale = 1,
                   .saveAllPages = 1, .leftMargin = 40, .rowSeparation = 7, .shrinkToA4 = 0};
     },
     .expect = [](const CKvwinDoc&, const PersistentSettings& f) {
         EXPECT_EQ(f.m_nBgcol, 0x204080);
         EXPECT_EQ(f.m_nTxtcol, 0x800000);
         EXPECT_EQ(f.m_nApplfont, 2);
         EXPECT_EQ(f.m_nApplRedScale, 1);
         EXPECT_EQ(f.m_nApplAp, 1);
         EXPECT_EQ(f.m_nApplLmgn, 40);
         EXPECT_EQ(f.m_nApplRwsep, 7);
         EXPECT_EQ(f.m_nApplShrinkPrt, 0);
     }},

    {.name = "Scratch Pad titles",
     .user = [](ports::OptionsValues& v, auto&) {
         v.pad.showPageTitle = 0;
         v.pad.defaultChordTitles = 0;
         v.pad.titleAtBottom = 1;
     },
     .expect = [](const CKvwinDoc&, const PersistentSettings& f) {
         EXPECT_EQ(f.m_nPgtitle, 0);
         EXPECT_EQ(f.m_nChdtitle, 0);
         EXPECT_EQ(f.m_nChtitleTop, 0);
     }},

    {.name = "every Scratch Pad title hidden",
     .before = [](CKvwinDoc& d, PersistentSettings&, FakeMidi&) {
         ScratchPadChordRow shown;
         shown.w[pad::NameShown] = 1;
         for (int i = 0; i < 4; ++i)
             testsupport::AppendPadChord(d, shown, "C", "");
         d.m_nPadCount = 3;  // the fourth row is not in use
     },
     .user = [](ports::OptionsValues& v, auto&) {
         v.pad.setAllChordTitles = 1;
         v.pad.allTitlesChoice = 1;
     },
     .expect = [](const CKvwinDoc& d, const PersistentSettings&) {
         for (int i = 0; i < 3; ++i)
             EXPECT_EQ(d.GetPadRow(i).w[pad::NameShown], 0) << i;
         EXPECT_EQ(d.GetPadRow(3).w[pad::NameShown], 1);
     }},

    {.name = "every Scratch Pad title shown",
     .before = [](CKvwinDoc& d, PersistentSettings&, FakeMidi&) {
         for (int i = 0; i < 2; ++i)
             testsupport::AppendPadChord(d, ScratchPadChordRow{}, "C", "");
     },
     .user = [](ports::OptionsValues& v, auto&) {
         v.pad.setAllChordTitles = 1;
         v.pad.allTitlesChoice = 0;
     },
     .expect = [](const CKvwinDoc& d, const PersistentSettings&) {
         EXPECT_EQ(d.GetPadRow(0).w[pad::NameShown], 1);
         EXPECT_EQ(d.GetPadRow(1).w[pad::NameShown], 1);
     }},

    {.name = "instrument",
     .user = [](ports::OptionsValues& v, auto&) { v.sound.instrument = 3040; },
     .expect = [](const CKvwinDoc& d, const PersistentSettings&) { EXPECT_EQ(d.m_nInstrument, 3040); },
     .midiCalls = {{"program", 40}}},

    {.name = "velocity duration and separation",
     .user = [](ports::OptionsValues& v, auto&) {
         v.sound.velocity = 100;
         v.sound.duration = 900;
         v.sound.separation = 0;
     },
     .expect = [](const CKvwinDoc& d, const PersistentSettings&) {
         EXPECT_EQ(d.m_nVelocity, 100);
         EXPECT_EQ(d.m_nDuration, 900);
         EXPECT_EQ(d.m_nStrumDelay, 0);
         EXPECT_EQ(d.m_nInstrument, 3025);
     }},

    {.name = "program change refused",
     .before = [](CKvwinDoc&, PersistentSettings&, FakeMidi& m) { m.programResult = 67; },
     .user = [](ports::OptionsValues& v, auto&) { v.sound.instrument = 3000; },
     .midiCalls = {{"program", 0}},
     .messages = {"Midi: The hardware is busy with other data."}},

    {.name = "program change refused with no device counted",
     .before = [](CKvwinDoc& d, PersistentSettings&, FakeMidi& m) {
         m.programResult = 5;
         d.m_nMidiDevCount = 0;
     },
     .user = [](ports::OptionsValues& v, auto&) { v.sound.instrument = 3000; },
     .midiCalls = {{"program", 0}}},

    {.name = "device changed",
     .user = [](ports::OptionsValues& v, auto&) { v.midiOut.device = "Port B"; },
     .expect = [](const CKvwinDoc& d, const PersistentSettings& f) {
         EXPECT_EQ(f.m_strMidiOutName, "Port B");
         EXPECT_EQ(d.m_strMidiDevice, "Port B");
         EXPECT_EQ(d.m_nMidiDevice, 1u);
     },
     .midiCalls = {{"close"}, {"open", 1}}},

    {.name = "instrument and device changed",
     .user = [](ports::OptionsValues& v, auto&) {
         v.sound.instrument = 3040;
         v.midiOut.device = "Port B";
     },
     .midiCalls = {{"program", 40}, {"close"}, {"open", 1}}},

    {.name = "device will not open",
     .before = [](CKvwinDoc&, PersistentSettings&, FakeMidi& m) { m.openResult = 4; },
     .user = [](ports::OptionsValues& v, auto&) { v.midiOut.device = "Port B"; },
     .midiCalls = {{"close"}, {"open", 1}},
     .messages = {"Midi: The specified resource is already allocated."}},

    {.name = "a device name that differs in case is another device",
     .before = [](CKvwinDoc&, PersistentSettings& f, FakeMidi&) { f.m_strMidiOutName = "Port B"; },
     .user = [](ports::OptionsValues& v, auto&) { v.midiOut.device = "port b"; },
     .expect = [](const CKvwinDoc& d, const PersistentSettings&) { EXPECT_EQ(d.m_nMidiDevice, 0u); },
     .midiCalls = {{"close"}, {"open", 0}}},

    {.name = "tuning changed with chords found",
     .user = [](ports::OptionsValues& v, auto&) { ChangeTuningToOpenD(v); },
     .expect = [](const CKvwinDoc& d, const PersistentSettings&) {
         EXPECT_EQ(d.m_awTuning, kOpenDMasks);
         EXPECT_EQ(d.m_abTuningNotes, kOpenDNotes);
         EXPECT_EQ(d.m_nSnotes, 1);
         EXPECT_FALSE(d.m_bStandardTuning);
         EXPECT_EQ(d.noteAt(2, 0), 512);  // F# on the open 3rd string
         EXPECT_GT(d.m_nVoicingCount, 0);
     },
     .redraws = 1,
     .searches = 1},

    {.name = "a flat-named open string keeps its note",
     .user = [](ports::OptionsValues& v, auto&) {
         v.tuning.tuningChanged = 1;
         v.tuning.stringNames = {"Db", "B", "G", "D", "A", "E"};
         v.tuning.stringNotes = {61, 59, 55, 50, 45, 40};
     },
     .expect = [](const CKvwinDoc& d, const PersistentSettings&) {
         EXPECT_EQ(d.m_awTuning, (std::array<PitchClassMask, 6>{16, 4, 1024, 32, 1, 128}));
     },
     .redraws = 1,
     .searches = 1},

    {.name = "tuning changed with no chord found on the chord display",
     .before = [](CKvwinDoc& d, PersistentSettings&, FakeMidi&) {
         d.m_wChordMask = 0;
         d.FindVoicings(0);
     },
     .user = [](ports::OptionsValues& v, auto&) { ChangeTuningToOpenD(v); },
     .expect = [](const CKvwinDoc& d, const PersistentSettings&) {
         EXPECT_EQ(d.m_awTuning, kOpenDMasks);
         EXPECT_EQ(d.noteAt(2, 0), 512);
         EXPECT_EQ(d.m_nVoicingCount, 0);
     }},

    {.name = "tuning changed with no chord found on the fretboard",
     .before = [](CKvwinDoc& d, PersistentSettings&, FakeMidi&) {
         d.m_wChordMask = 0;
         d.FindVoicings(0);
         d.m_bChordDisplay = false;
     },
     .user = [](ports::OptionsValues& v, auto&) { ChangeTuningToOpenD(v); },
     .redraws = 1},

    {.name = "Scratch Pad mode leaves tuning span and history",
     .padMode = true,
     .before = [](CKvwinDoc& d, PersistentSettings&, FakeMidi&) {
         d.m_awHistory = Entries(1, 30);
         d.m_nHistoryPos = 30;
     },
     .user = [](ports::OptionsValues& v, auto&) {
         ChangeTuningToOpenD(v);
         v.general.reducedSpan = 0;
         v.general.historySize = 10;
     },
     .expect = [](const CKvwinDoc& d, const PersistentSettings& f) {
         EXPECT_EQ(d.m_awTuning, kStandardMasks);
         EXPECT_EQ(f.m_wExp & 1, 0);
         EXPECT_EQ(f.m_nHisBufSz, 50);
         EXPECT_EQ(d.m_awHistory.size(), 30u);
     },
     .redraws = 1},

    {.name = "Apply Now then OK",
     .user = [](ports::OptionsValues& v, const FakeOptionsDialogs::ApplyNow& applyNow) {
         v.general.reducedSpan = 0;
         v.sound.instrument = 3040;
         v.midiOut.device = "Port B";
         v.display.notesColour = 0;
         applyNow(v);
     },
     .expect = [](const CKvwinDoc& d, const PersistentSettings& f) {
         EXPECT_EQ(f.m_wExp & 1, 1);
         EXPECT_EQ(d.m_nNocol, 1);
     },
     .midiCalls = {{"program", 40}, {"close"}, {"open", 1}},
     .redraws = 1,
     .searches = 1},

    {.name = "Apply Now then OK repeats a tuning change",
     .user = [](ports::OptionsValues& v, const FakeOptionsDialogs::ApplyNow& applyNow) {
         ChangeTuningToOpenD(v);
         applyNow(v);
     },
     .expect = [](const CKvwinDoc& d, const PersistentSettings&) { EXPECT_EQ(d.m_awTuning, kOpenDMasks); },
     .redraws = 2,
     .searches = 2},
};

struct ApplyOptionsTable : OptionsFixture, ::testing::WithParamInterface<ApplyRow> {};

TEST_P(ApplyOptionsTable, AppliesWhatChangedAndRedrawsOnce)
{
    const ApplyRow& row = GetParam();
    if (row.before)
        row.before(*doc, frame, midi);
    doc->m_bScratchPadMode = row.padMode;
    RunOptions(row.user);
    if (row.expect)
        row.expect(*doc, frame);
    EXPECT_EQ(midi.calls, row.midiCalls);
    EXPECT_EQ(ui.updates, row.redraws);
    EXPECT_EQ(searches, row.searches);
    EXPECT_EQ(ui.messages, row.messages);
}

INSTANTIATE_TEST_SUITE_P(Rows, ApplyOptionsTable, ::testing::ValuesIn(kApplyRows), TestName);

using Options = OptionsFixture;

TEST_F(Options, CancelAppliesNothingButRemembersThePagePerMode)
{
    dialogs.ok = false;
    dialogs.lastPage = 5;
    RunOptions([](ports::OptionsValues& v, auto&) {
        v.display.notesColour = 0;
        v.sound.instrument = 3040;
    });
    EXPECT_EQ(doc->m_nNocol, 0);
    EXPECT_EQ(doc->m_nInstrument, 3025);
    EXPECT_TRUE(midi.calls.empty());
    EXPECT_EQ(ui.updates, 0);
    EXPECT_EQ(doc->m_nOptionsPage, 5);
    EXPECT_EQ(doc->m_nOptionsPagePad, 0);

    doc->m_bScratchPadMode = true;
    dialogs.lastPage = 3;
    doc->OnToolsOptions();
    EXPECT_EQ(doc->m_nOptionsPage, 5);
    EXPECT_EQ(doc->m_nOptionsPagePad, 3);
    ASSERT_EQ(dialogs.presets.size(), 2u);
    EXPECT_EQ(dialogs.presets[1].startPage, 0) << "Scratch Pad mode keeps a page of its own";

    doc->m_bScratchPadMode = false;
    doc->OnToolsOptions();
    EXPECT_EQ(dialogs.presets[2].startPage, 5);
}

TEST_F(Options, StartPageOutsideTheSheetIsTheFirst)
{
    struct Row {
        bool padMode;
        int remembered;
        int start;
        bool allPages;
    };
    const Row rows[] = {
        {false, 6, 6, true}, {false, 7, 0, true}, {false, -1, 0, true}, {false, INT_MIN, 0, true},
        {true, 4, 4, false}, {true, 5, 0, false}, {true, -3, 0, false},
    };
    for (const Row& row : rows) {
        doc->m_bScratchPadMode = row.padMode;
        (row.padMode ? doc->m_nOptionsPagePad : doc->m_nOptionsPage) = row.remembered;
        const ports::OptionsPreset preset = doc->MakeOptionsPreset();
        EXPECT_EQ(preset.startPage, row.start) << row.padMode << " " << row.remembered;
        EXPECT_EQ(preset.allPages, row.allPages);
    }
}

TEST_F(Options, BeforeStartUpTheCommandDoesNothing)
{
    CKvwinDoc fresh(CKvwinDoc::Ports{&ui, &midi, &screen, nullptr, nullptr, &dialogs});
    fresh.OnToolsOptions();
    EXPECT_TRUE(dialogs.presets.empty());
}

TEST_F(Options, PagesAreFilledFromTheDocumentAndTheSettings)
{
    frame.m_nPgtitle = 0;
    frame.m_nChdtitle = 1;
    frame.m_nChtitleTop = 0;
    frame.m_nBgcol = 0x204080;
    frame.m_nTxtcol = 0xFF0000;
    frame.m_nApplfont = 1;
    frame.m_nApplLmgn = 90;  // the page puts such values right
    frame.m_nApplRwsep = 20;
    frame.m_nApplRedScale = 1;
    frame.m_nApplAp = 1;
    frame.m_nApplShrinkPrt = 0;
    frame.m_bIncHis = 0;
    frame.m_nHisBufSz = 120;
    frame.m_strMidiOutName = "Port B";
    doc->m_nNotefret = 1;
    doc->m_nNocol = 1;
    doc->m_nSnotes = 1;
    doc->m_nVelocity = 0x1FF;
    doc->m_nDuration = 800;
    doc->m_nStrumDelay = 12;
    doc->m_nInstrument = 3001;
    testsupport::AppendPadChord(*doc, ScratchPadChordRow{}, "C", "");
    // After a search spelled with flats, the tuning is named the same way.
    doc->m_wFlatFlags = 0xFF;
    doc->m_awTuning = {128, 4, 1024, 32, 1, 64};  // E B G D A Eb
    doc->m_abTuningNotes = {64, 59, 55, 50, 45, 39};
    doc->m_nOptionsPage = 2;

    const ports::OptionsPreset preset = doc->MakeOptionsPreset();
    const ports::OptionsValues& v = preset.values;
    EXPECT_EQ(preset.startPage, 2);
    EXPECT_TRUE(preset.allPages);
    EXPECT_EQ(preset.midi, &midi);
    EXPECT_EQ(preset.midiDevCount, 2);

    EXPECT_EQ(v.pad.showPageTitle, 0);
    EXPECT_EQ(v.pad.defaultChordTitles, 1);
    EXPECT_EQ(v.pad.titleAtBottom, 1);
    EXPECT_EQ(v.pad.padCount, 1);
    EXPECT_EQ(v.pad.allTitlesChoice, 0);
    EXPECT_EQ(v.pad.setAllChordTitles, 0);

    EXPECT_EQ(v.tuning.stringNames, (std::array<std::string, 6>{"E", "B", "G", "D", "A", "Eb"}));
    EXPECT_EQ(v.tuning.stringNotes, doc->m_abTuningNotes);
    EXPECT_EQ(v.tuning.tuningChanged, 0);
    EXPECT_EQ(v.tuning.soundOnAdjust, 1);
    EXPECT_EQ(v.tuning.previewVelocity, 0xFF);
    EXPECT_EQ(v.tuning.previewDuration, 800);

    EXPECT_EQ(v.html.background, 0x804020u);
    EXPECT_EQ(v.html.text, 0x0000FFu);
    EXPECT_EQ(v.html.appletFont, 1);
    EXPECT_EQ(v.html.leftMargin, 90);
    EXPECT_EQ(v.html.rowSeparation, 20);
    EXPECT_EQ(v.html.reducedScale, 1);
    EXPECT_EQ(v.html.saveAllPages, 1);
    EXPECT_EQ(v.html.shrinkToA4, 0);

    EXPECT_EQ(v.display.notesOnFrets, 1);
    EXPECT_EQ(v.display.notesColour, 0);

    EXPECT_EQ(v.general.reducedSpan, 1);
    EXPECT_EQ(v.general.includeHistory, 0);
    EXPECT_EQ(v.general.historySize, 120);

    EXPECT_EQ(v.sound.instrument, 3001);
    EXPECT_EQ(v.sound.velocity, 0x1FF);
    EXPECT_EQ(v.sound.duration, 800);
    EXPECT_EQ(v.sound.separation, 12);
    EXPECT_EQ(v.midiOut.device, "Port B");
}

TEST_F(Options, TestNotesAreTheFirstChordFoundLowestStringFirst)
{
    // x 3 2 0 1 0 as found first: string 1 first, then the window start.
    const std::uint16_t shape[voicing::kWords] = {0, 1, 0, 2, 3, kFretNotPlayed, 0};
    for (std::uint16_t c = 0; c < voicing::kWords; ++c)
        *doc->m_aVoicings.At(0, c) = shape[c];
    EXPECT_EQ(doc->MakeOptionsPreset().values.sound.testNotes,
              (std::array<std::uint8_t, 6>{0, 48, 52, 55, 60, 64}));

    doc->m_wChordMask = 0;
    doc->FindVoicings(0);
    EXPECT_EQ(doc->MakeOptionsPreset().values.sound.testNotes, (std::array<std::uint8_t, 6>{}));
}

TEST_F(Options, AnAppletFontOutsideTheThreeShowsHelvetica)
{
    const std::pair<int, int> rows[] = {{0, 0}, {1, 1}, {2, 2}, {3, 0}, {-1, 0}, {INT_MIN, 0}, {INT_MAX, 0}};
    for (const auto& [stored, shown] : rows) {
        frame.m_nApplfont = stored;
        EXPECT_EQ(doc->MakeOptionsPreset().values.html.appletFont, shown) << stored;
    }
}

TEST_F(Options, ScratchPadModeHasNoTuningOrGeneralValuesAndNoTitleChoiceWhenEmpty)
{
    doc->m_bScratchPadMode = true;
    const ports::OptionsPreset preset = doc->MakeOptionsPreset();
    EXPECT_FALSE(preset.allPages);
    EXPECT_EQ(preset.values.pad.padCount, 0);
    EXPECT_EQ(preset.values.pad.allTitlesChoice, -1);
}

}  // namespace
