#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "dialogs/options/tuning_logic.h"
#include "engine/chord_types.h"
#include "engine/pitch.h"

using tuning::NoteNameTable;
using tuning::StringNames;
using tuning::StringNotes;
using tuning::TuningState;

namespace {

// Spelled from C, the way a keyboard reads, so that no table of the program
// is compared with itself.
const char* const kEnglishFromC[12] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
const char* const kGermanFromC[12] = {"C", "Cis", "D", "Dis", "E", "F", "Fis", "G", "Gis", "A", "Ais", "H"};

NoteNameTable Table(bool deutsch)
{
    engine::SetNoteNames(deutsch);
    const NoteNameTable table = g_NoteNames;
    engine::SetNoteNames(false);
    return table;
}

struct TuningLogic : ::testing::Test {
    void TearDown() override { engine::ResetMusicTables(); }

    const NoteNameTable english = Table(false);
    const NoteNameTable german = Table(true);
};

StringNames EnglishNames(const StringNotes& notes)
{
    StringNames names;
    for (std::size_t s = 0; s < 6; ++s)
        names[s] = kEnglishFromC[notes[s] % 12];
    return names;
}

// Up through the whole range and round to the start, then down the same way:
// each step gives the next semitone, its name in both languages, and the
// mask that name stands for.
TEST_F(TuningLogic, EachStringStepsThroughItsTwelveSemitonesAndBack)
{
    for (int s = 0; s < 6; ++s) {
        const tuning::StringRange range = tuning::kStringRanges[static_cast<std::size_t>(s)];
        ASSERT_EQ(range.highest - range.lowest, 11) << "string " << s + 1;
        for (const bool up : {true, false}) {
            std::uint8_t note = range.lowest;
            std::vector<int> visited;
            for (int step = 0; step < 12; ++step) {
                note = tuning::StepNote(note, s, up);
                visited.push_back(note);
                const int fromC = note % 12;
                EXPECT_EQ(tuning::NameOfNote(note, english), kEnglishFromC[fromC]) << int(note);
                EXPECT_EQ(tuning::NameOfNote(note, german), kGermanFromC[fromC]) << int(note);
                engine::SetNoteNames(false);
                EXPECT_EQ(engine::NoteNameToMask(kEnglishFromC[fromC]), engine::MidiNoteMask(note)) << int(note);
                engine::SetNoteNames(true);
                EXPECT_EQ(engine::NoteNameToMask(kGermanFromC[fromC]), engine::MidiNoteMask(note)) << int(note);
                engine::SetNoteNames(false);
            }
            // Twelve steps come back to the start, having visited every semitone once.
            EXPECT_EQ(note, range.lowest) << "string " << s + 1;
            std::vector<int> sorted = visited;
            std::sort(sorted.begin(), sorted.end());
            for (int i = 0; i < 12; ++i)
                EXPECT_EQ(sorted[static_cast<std::size_t>(i)], range.lowest + i);
            if (up)
                EXPECT_EQ(visited.front(), range.lowest + 1);
            else
                EXPECT_EQ(visited.front(), range.highest);
        }
    }
}

TEST_F(TuningLogic, SixthStringWrapsBetween46And35)
{
    EXPECT_EQ(tuning::StepNote(46, 5, true), 35);
    EXPECT_EQ(tuning::NameOfNote(35, english), "B");
    EXPECT_EQ(tuning::StepNote(35, 5, false), 46);
    EXPECT_EQ(tuning::NameOfNote(46, english), "A#");
    // A note outside the range (from a hand-edited setting) comes back into it.
    EXPECT_EQ(tuning::StepNote(90, 5, true), 35);
    EXPECT_EQ(tuning::StepNote(0, 5, false), 46);
}

// The mask of an open string comes from its note, whatever it was called, so
// a string shown with a flat name still sounds and reads as a note.
TEST_F(TuningLogic, OpenStringMaskOfEveryNoteOfEveryString)
{
    const StringNotes regular = tuning::kTunings[0].notes;
    const PitchClassMask regularMasks[6] = {0x080, 0x004, 0x400, 0x020, 0x001, 0x080};  // E B G D A E
    for (std::size_t s = 0; s < 6; ++s)
        EXPECT_EQ(engine::MidiNoteMask(regular[s]), regularMasks[s]);

    for (const tuning::StringRange range : tuning::kStringRanges) {
        for (int note = range.lowest; note <= range.highest; ++note) {
            const PitchClassMask mask = engine::MidiNoteMask(note);
            ASSERT_NE(mask, 0) << note;
            EXPECT_EQ(mask & (mask - 1), 0) << note;
            EXPECT_EQ(engine::MidiNoteMask(note + 1), engine::RotateInterval(mask, 1)) << note;
            EXPECT_EQ(engine::MidiNoteMask(note + 12), mask) << note;
            // Named with every black key flat, in both languages, it is still a note.
            std::string name;
            COLORREF colour = 0;
            for (const bool deutsch : {false, true}) {
                engine::GetNoteName(mask, name, colour, 0xFF, false, {0, deutsch, false});
                EXPECT_NE(name, "ZZ") << note;
            }
        }
    }
}

TEST_F(TuningLogic, AStringShownWithAFlatNameStepsToTheNamesOfItsNotes)
{
    struct Row {
        const char* given;  // as the sheet fills a flat-spelled chord's tuning
        std::uint8_t note;
        bool up;
        const NoteNameTable* table;
        const char* after;
    };
    const Row rows[] = {
        {"Db", 61, true, &english, "D"},   {"Db", 61, false, &english, "C"},
        {"Des", 61, true, &german, "D"},   {"Des", 61, false, &german, "C"},
        {"Bb", 58, true, &english, "B"},   {"B", 58, true, &german, "H"},
        {"Bb", 58, false, &english, "A"},  {"Gb", 54, false, &english, "F"},
        {"Ab", 56, true, &english, "A"},   {"As", 56, false, &german, "G"},
        {"xyz", 60, true, &english, "C#"}, {"", 60, false, &german, "H"},
    };
    for (const Row& row : rows) {
        StringNames names = EnglishNames(tuning::kTunings[0].notes);
        StringNotes notes = tuning::kTunings[0].notes;
        names[2] = row.given;
        notes[2] = row.note;
        TuningState state(names, notes);
        state.Step(2, row.up, *row.table);
        EXPECT_EQ(state.Names()[2], row.after) << row.given << (row.up ? " up" : " down");
        EXPECT_EQ(state.Names()[0], "E") << "the other strings keep their names";
    }
}

TEST_F(TuningLogic, TheOpenButtonCyclesThroughTheOpenTunings)
{
    struct Press {
        const char* label;
        const char* captionAfter;
        StringNotes notes;
        const char* names;  // string 1 first
    };
    const Press presses[] = {
        {"Open A", "Set &Open C", {64, 61, 57, 52, 45, 40}, "E C# A E A E"},
        {"Open C", "Set &Open D", {64, 60, 55, 48, 43, 36}, "E C G C G C"},
        {"Open D", "Set &Open E", {62, 57, 54, 50, 45, 38}, "D A F# D A D"},
        {"Open E", "Set &Open G", {64, 59, 56, 52, 47, 40}, "E B G# E B E"},
        {"Open G", "Set &Open A", {62, 59, 55, 50, 43, 38}, "D B G D G D"},
        {"Open A", "Set &Open C", {64, 61, 57, 52, 45, 40}, "E C# A E A E"},
    };
    TuningState state(EnglishNames(tuning::kTunings[0].notes), tuning::kTunings[0].notes);
    EXPECT_STREQ(state.Label(), "");
    EXPECT_STREQ(state.OpenButtonCaption(), "Set &Open A");
    EXPECT_FALSE(state.RegularEnabled());
    for (const Press& press : presses) {
        state.SetOpen(english);
        EXPECT_STREQ(state.Label(), press.label);
        EXPECT_STREQ(state.OpenButtonCaption(), press.captionAfter) << press.label;
        EXPECT_EQ(state.Notes(), press.notes) << press.label;
        std::string names;
        for (const std::string& n : state.Names())
            names += (names.empty() ? "" : " ") + n;
        EXPECT_EQ(names, press.names);
        EXPECT_TRUE(state.RegularEnabled());
    }
}

TEST_F(TuningLogic, LabelAndOpenButtonFollowTheStringsStepped)
{
    // One semitone off Open A is no open tuning; the button offers Open A.
    TuningState offA;
    offA.SetOpen(english);
    offA.Step(0, true, english);
    EXPECT_STREQ(offA.Label(), "");
    EXPECT_STREQ(offA.OpenButtonCaption(), "Set &Open A");
    EXPECT_TRUE(offA.RegularEnabled());

    // Open A back to the regular tuning by hand: strings 2, 3 and 4 two
    // semitones down. The first step already left Open A.
    TuningState toRegular;
    toRegular.SetOpen(english);
    for (int s : {1, 1, 2, 2, 3, 3})
        toRegular.Step(s, false, english);
    EXPECT_TRUE(toRegular.IsRegular());
    EXPECT_FALSE(toRegular.RegularEnabled());
    EXPECT_STREQ(toRegular.Label(), "");
    EXPECT_STREQ(toRegular.OpenButtonCaption(), "Set &Open A");

    // Stepping into an open tuning recognises it.
    TuningState intoE;
    for (int s : {2, 3, 3, 4, 4})  // G to G#, D to E, A to B
        intoE.Step(s, true, english);
    EXPECT_STREQ(intoE.Label(), "Open E");
    EXPECT_STREQ(intoE.OpenButtonCaption(), "Set &Open G");

    // Set Regular keeps what the Open button offers.
    TuningState regular;
    regular.SetOpen(english);
    regular.SetOpen(english);  // Open C
    regular.SetRegular(english);
    EXPECT_EQ(regular.Notes(), tuning::kTunings[0].notes);
    EXPECT_EQ(regular.Names(), EnglishNames(tuning::kTunings[0].notes));
    EXPECT_STREQ(regular.Label(), "");
    EXPECT_STREQ(regular.OpenButtonCaption(), "Set &Open D");
    EXPECT_FALSE(regular.RegularEnabled());
}

TEST_F(TuningLogic, APageOpenedOnAnOpenTuningNamesIt)
{
    struct Row {
        StringNotes notes;
        const char* label;
        const char* caption;
    };
    const Row rows[] = {
        {tuning::kTunings[0].notes, "", "Set &Open A"},
        {tuning::kTunings[3].notes, "Open D", "Set &Open E"},
        {tuning::kTunings[5].notes, "Open G", "Set &Open A"},
        {{63, 59, 55, 50, 45, 40}, "", "Set &Open A"},
    };
    for (const Row& row : rows) {
        const TuningState state(EnglishNames(row.notes), row.notes);
        EXPECT_STREQ(state.Label(), row.label);
        EXPECT_STREQ(state.OpenButtonCaption(), row.caption);
    }
}

TEST_F(TuningLogic, GermanNamesStepAsTheGermanTableReads)
{
    TuningState state(EnglishNames(tuning::kTunings[0].notes), tuning::kTunings[0].notes);
    std::vector<std::string> seen;
    for (int i = 0; i < 5; ++i) {
        state.Step(4, true, german);  // the A string
        seen.push_back(state.Names()[4]);
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"Ais", "H", "C", "Cis", "D"}));
    state.SetOpen(german);  // Open A
    EXPECT_EQ(state.Names()[1], "Cis");
}

}  // namespace
