// The attributes dialog's chord apart from its widgets: radios, base-fret
// moves, labels and spellings, on the standard tuning.
#include <gtest/gtest.h>

#include "dialogs/pad_attributes/pad_attributes_logic.h"
#include "document/pad_attributes_port.h"
#include "tests/document/doc_fixture.h"

using dialogs::PadChordEdit;

namespace {

using Frets = std::array<int, 6>;  // string 1 first
using Radios = std::array<int, 6>;
using Labels = std::array<std::string, 6>;

struct PadAttributesLogic : DocFixture {
    void SetUp() override { startDoc(); }

    PadChordEdit Chord(Frets frets, int baseFret, FlatSpellingFlags flags = 0, bool deutsch = false)
    {
        engine::SetNoteNames(deutsch);  // as the document installs them
        PadChordEdit chord;
        chord.frets = frets;
        chord.baseFret = baseFret;
        chord.flags = flags;
        chord.deutsch = deutsch;
        chord.fretNotes = doc->MakePadAttributesPreset(0).fretNotes;
        chord.FretsToRadios();
        return chord;
    }

    static Labels NoteLabels(const PadChordEdit& chord)
    {
        Labels labels;
        for (int s = 0; s < 6; ++s)
            labels[static_cast<std::size_t>(s)] = chord.NoteLabel(s);
        return labels;
    }
    static Labels AccidentalLabels(const PadChordEdit& chord)
    {
        Labels labels;
        for (int s = 0; s < 6; ++s)
            labels[static_cast<std::size_t>(s)] = chord.AccidentalLabel(s);
        return labels;
    }
};

TEST_F(PadAttributesLogic, RadiosAndLabelsOfAChord)
{
    struct Case {
        const char* what;
        Frets frets;
        int baseFret;
        FlatSpellingFlags flags;
        bool deutsch;
        Radios radios;
        Labels notes;
        Labels accidentals;
    };
    const Case cases[] = {
        {"C major x32010", {3, 1, 0, 2, 3, 21}, 0, 0, false, {4, 2, 1, 3, 4, 0},
         {"G", "C", "G", "E", "C", "  "}, {" ", " ", " ", " ", " ", " "}},
        {"A major at base 5, first-fret row above", {5, 5, 6, 7, 7, 5}, 5, 0, false, {2, 2, 3, 4, 4, 2},
         {"A", "E", "C#", "A", "E", "A"}, {" ", " ", "b", " ", " ", " "}},
        {"Db major spelled flat, German", {4, 6, 6, 6, 4, 21}, 4, 0x08 | 0x01, true, {2, 4, 4, 4, 2, 0},
         {"As", "F", "Des", "As", "Des", "  "}, {"es", " ", "es", "es", "es", " "}},
        {"sharp in German", {4, 6, 6, 6, 4, 21}, 4, 0, true, {2, 4, 4, 4, 2, 0},
         {"Gis", "F", "Cis", "Gis", "Cis", "  "}, {"is", " ", "is", "is", "is", " "}},
        {"outside the window: Not Played", {9, 1, 3, 21, 4, 3}, 3, 0, false, {0, 0, 2, 0, 3, 2},
         {"C#", "C", "A#", "  ", "C#", "G"}, {"b", " ", "b", " ", "b", " "}},
        {"fret 19 at base 15, read as fret 7", {19, 15, 21, 21, 21, 20}, 15, 0, false, {6, 2, 0, 0, 0, 0},
         {"B", "D", "  ", "  ", "  ", "C"}, {" ", " ", " ", " ", " ", " "}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const PadChordEdit chord = Chord(c.frets, c.baseFret, c.flags, c.deutsch);
        EXPECT_EQ(chord.radios, c.radios);
        EXPECT_EQ(NoteLabels(chord), c.notes);
        EXPECT_EQ(AccidentalLabels(chord), c.accidentals);
    }
}

TEST_F(PadAttributesLogic, ARadioSetsItsStringsFret)
{
    struct Case {
        int baseFret;
        int string;  // 0 the 1st
        int position;
        int fret;
        int radio;
    };
    const Case cases[] = {
        {3, 3, 2, 4, 3},
        {3, 3, dialogs::kNotPlayedPosition, 21, 0},
        {0, 5, 0, 0, 1},
        {0, 0, 5, 5, 6},
        {15, 2, 5, 19, 6},
    };
    for (const Case& c : cases) {
        PadChordEdit chord = Chord({0, 1, 0, 2, 3, 21}, c.baseFret);
        chord.SetStringFret(c.string, c.position);
        EXPECT_EQ(chord.frets[static_cast<std::size_t>(c.string)], c.fret) << c.baseFret << " " << c.position;
        EXPECT_EQ(chord.radios[static_cast<std::size_t>(c.string)], c.radio) << c.baseFret << " " << c.position;
    }
}

TEST_F(PadAttributesLogic, TheBaseFretMovesTheShape)
{
    struct Case {
        const char* what;
        Frets frets;
        int from, to;
        Frets moved;
        Radios radios;
        bool radiosMoved;
    };
    const Case cases[] = {
        {"0 to 1: a fret up and a row down", {0, 1, 0, 2, 3, 21}, 0, 1, {1, 2, 1, 3, 4, 21}, {2, 3, 2, 4, 5, 0},
         true},
        {"1 to 0 undoes it", {1, 2, 1, 3, 4, 21}, 1, 0, {0, 1, 0, 2, 3, 21}, {1, 2, 1, 3, 4, 0}, true},
        {"1 to 2: a fret up, the rows kept", {1, 2, 1, 3, 4, 21}, 1, 2, {2, 3, 2, 4, 5, 21}, {2, 3, 2, 4, 5, 0},
         false},
        {"5 to 4: a fret down, the rows kept", {5, 5, 6, 7, 7, 5}, 5, 4, {4, 4, 5, 6, 6, 4}, {2, 2, 3, 4, 4, 2},
         false},
        {"strings not played stay at 21", {21, 21, 21, 21, 21, 21}, 0, 1, {21, 21, 21, 21, 21, 21},
         {0, 0, 0, 0, 0, 0}, false},
        {"a fret never leaves 0..20", {0, 20, 2, 21, 20, 1}, 3, 2, {0, 19, 1, 21, 19, 0}, {0, 0, 1, 0, 0, 0},
         false},
        {"nor goes past 20", {20, 4, 21, 21, 21, 21}, 0, 1, {20, 5, 21, 21, 21, 21}, {0, 6, 0, 0, 0, 0}, true},
        {"a typed jump from 0 moves one fret", {0, 1, 0, 2, 3, 21}, 0, 5, {1, 2, 1, 3, 4, 21}, {0, 0, 0, 0, 1, 0},
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PadChordEdit chord = Chord(c.frets, c.from);
        EXPECT_EQ(chord.ChangeBaseFret(c.to), c.radiosMoved);
        EXPECT_EQ(chord.baseFret, c.to);
        EXPECT_EQ(chord.frets, c.moved);
        EXPECT_EQ(chord.radios, c.radios);
    }
    PadChordEdit same = Chord({0, 1, 0, 2, 3, 21}, 0);
    EXPECT_FALSE(same.ChangeBaseFret(0));
    EXPECT_EQ(same.frets, (Frets{0, 1, 0, 2, 3, 21}));
}

TEST_F(PadAttributesLogic, TypedJumpsThereAndBackKeepEveryFretOnTheNeck)
{
    PadChordEdit chord = Chord({0, 1, 0, 2, 3, 21}, 0);
    chord.ChangeBaseFret(5);
    chord.ChangeBaseFret(0);
    for (const int fret : chord.frets)
        EXPECT_TRUE((fret >= 0 && fret <= 20) || fret == 21) << fret;
}

TEST_F(PadAttributesLogic, AnAccidentalRespellsEveryStringWithThatNote)
{
    struct Case {
        bool deutsch;
        Labels notes;
        Labels accidentals;
    };
    const Case cases[] = {
        {false, {"Ab", "F", "Db", "Ab", "Db", "  "}, {"#", " ", "#", "#", "#", " "}},
        {true, {"As", "F", "Des", "As", "Des", "  "}, {"es", " ", "es", "es", "es", " "}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.deutsch);
        PadChordEdit chord = Chord({4, 6, 6, 6, 4, 21}, 4, 0, c.deutsch);  // G# and C#, sharp
        EXPECT_TRUE(chord.ToggleAccidental(2));  // C# on the 3rd and 5th strings
        EXPECT_TRUE(chord.ToggleAccidental(3));  // G# on the 4th and 1st strings
        EXPECT_EQ(chord.flags, 0x09);
        EXPECT_EQ(NoteLabels(chord), c.notes);
        EXPECT_EQ(AccidentalLabels(chord), c.accidentals);
        // A white key and a string not played have nothing to respell.
        EXPECT_FALSE(chord.ToggleAccidental(1));
        EXPECT_FALSE(chord.ToggleAccidental(5));
        EXPECT_EQ(chord.flags, 0x09);
        EXPECT_TRUE(chord.ToggleAccidental(0));
        EXPECT_EQ(chord.flags, 0x08);
    }
}

TEST(AccidentalLabel, ShowsTheSwitchInEnglishAndTheSuffixInGerman)
{
    struct Case {
        PitchClassMask note;
        FlatSpellingFlags flags;
        const char* english;
        const char* german;
    };
    const Case cases[] = {
        {0x010, 0, "b", "is"},     {0x010, 0x08, "#", "es"}, {0x002, 0x02, "#", "es"},
        {0x040, 0x00, "b", "is"},  {0x200, 0x40, "#", "es"}, {0x800, 0x01, "#", "es"},
        {0x800, 0x08, "b", "is"},  {0x008, 0xFF, " ", " "},  {0x000, 0, " ", " "},
        {0x012, 0x0A, " ", " "},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(dialogs::AccidentalLabel(c.note, c.flags, false), c.english) << c.note << " " << c.flags;
        EXPECT_EQ(dialogs::AccidentalLabel(c.note, c.flags, true), c.german) << c.note << " " << c.flags;
    }
}

TEST(PadAttributes, FingersAndMarksPackIntoWordsNineAndTen)
{
    struct Case {
        std::array<int, 6> fingers;
        std::array<int, 6> marks;
        std::uint16_t high, low;
    };
    const Case cases[] = {
        {{0, 0, 0, 0, 0, 5}, {1, 0, 0, 0, 0, 0}, 0x00A0, 0x0001},
        {{1, 2, 3, 4, 5, 0}, {0, 0, 0, 0, 0, 0}, 0x0016, 0x3440},
        {{0, 0, 0, 0, 0, 0}, {1, 1, 1, 1, 1, 1}, 0x0000, 0x003F},
        {{5, 5, 5, 5, 5, 5}, {0, 1, 0, 1, 0, 1}, 0x00B6, 0xDB6A},
    };
    for (const Case& c : cases) {
        ScratchPadChordRow row;
        row.SetAttributes(pad::PackAttributes(c.fingers, c.marks));
        EXPECT_EQ(row.w[pad::AttributesHigh], c.high);
        EXPECT_EQ(row.w[pad::AttributesLow], c.low);
        for (int k = 0; k < 6; ++k) {
            EXPECT_EQ(row.Finger(k), c.fingers[static_cast<std::size_t>(k)]) << k;
            EXPECT_EQ(row.Marked(k), c.marks[static_cast<std::size_t>(k)] != 0) << k;
        }
    }
}

}  // namespace
