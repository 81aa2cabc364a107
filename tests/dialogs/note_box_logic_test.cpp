#include <gtest/gtest.h>

#include "dialogs/common/note_box_logic.h"

using dialogs::NoteBoxLogic;

namespace {

enum Box { A, As, Bb, B, C, Cs, Db, D, Ds, Eb, E, F, Fs, Gb, G, Gs, Ab };

std::vector<int> Disabled(const NoteBoxLogic& logic)
{
    std::vector<int> out;
    for (int i = 0; i < notes::kNoteBoxCount; ++i)
        if (!logic.Enabled(i))
            out.push_back(i);
    return out;
}

std::vector<int> Unticked(const NoteBoxLogic& logic)
{
    std::vector<int> out;
    for (int i = 0; i < notes::kNoteBoxCount; ++i)
        if (!logic.Checks()[static_cast<std::size_t>(i)])
            out.push_back(i);
    return out;
}

struct TwinCase {
    NoteBoxLogic::Rules rules;
};

class BothRules : public ::testing::TestWithParam<NoteBoxLogic::Rules> {};

TEST_P(BothRules, OneSpellingPerBlackKey)
{
    NoteBoxLogic logic(GetParam());
    logic.Toggle(As, true);
    EXPECT_EQ(Disabled(logic), std::vector<int>{Bb});
    logic.Toggle(As, false);
    EXPECT_TRUE(Disabled(logic).empty());
    logic.Toggle(Gb, true);
    EXPECT_EQ(Disabled(logic), std::vector<int>{Fs});
    EXPECT_EQ(logic.Mask(), 0x200);
    EXPECT_EQ(logic.Count(), 1);
}

TEST_P(BothRules, ASixthNoteDisablesEveryUntickedBox)
{
    NoteBoxLogic logic(GetParam());
    for (Box b : {A, Cs, D, E, F})
        logic.Toggle(b, true);
    EXPECT_EQ(Disabled(logic), std::vector<int>{Db});
    logic.Toggle(G, true);
    EXPECT_EQ(logic.Count(), 6);
    EXPECT_EQ(Disabled(logic), Unticked(logic));
    EXPECT_EQ(logic.Mask(), 0x5B1);
}

INSTANTIATE_TEST_SUITE_P(NoteBoxes, BothRules,
                         ::testing::Values(NoteBoxLogic::Rules::SearchSheet, NoteBoxLogic::Rules::UserDirectory));

TEST(NoteBoxLogic, UntickingOneOfSixKeepsTheTwinsOfTickedKeysDisabledOnlyOnTheSearchSheet)
{
    struct Case {
        NoteBoxLogic::Rules rules;
        std::vector<int> disabled;
    };
    const std::vector<Case> cases = {
        {NoteBoxLogic::Rules::SearchSheet, {Db}},  // C# stays ticked
        {NoteBoxLogic::Rules::UserDirectory, {}},
    };
    for (const Case& c : cases) {
        NoteBoxLogic logic(c.rules);
        for (Box b : {A, Cs, D, E, F, G})
            logic.Toggle(b, true);
        logic.Toggle(E, false);
        EXPECT_EQ(logic.Count(), 5);
        EXPECT_EQ(Disabled(logic), c.disabled);
    }
}

TEST(NoteBoxLogic, UntickingTheSixthBlackKeyFreesItsTwin)
{
    NoteBoxLogic logic(NoteBoxLogic::Rules::SearchSheet);
    for (Box b : {A, Cs, D, E, F, Ab})
        logic.Toggle(b, true);
    logic.Toggle(Ab, false);
    EXPECT_EQ(Disabled(logic), std::vector<int>{Db});
    EXPECT_EQ(logic.Mask(), 0x1B1);
}

TEST(NoteBoxLogic, ReopeningWithAnEntryAppliesTheSameRules)
{
    struct Case {
        notes::NoteChecks checks;
        std::vector<int> disabled;
    };
    const std::vector<Case> cases = {
        {notes::NoteChecksFromChord(0x122, 0x02), {As}},               // Bb ticked: A# off
        {notes::NoteChecksFromChord(0x212, 0x00), {Bb, Db, Gb}},
        {notes::NoteChecksFromChord(0x5B1, 0x00), {As, Bb, B, C, Db, Ds, Eb, Fs, Gb, Gs, Ab}},  // six notes
    };
    for (const Case& c : cases) {
        NoteBoxLogic logic(NoteBoxLogic::Rules::SearchSheet);
        logic.LoadSearchEntry(c.checks, notes::MaskFromNoteChecks(c.checks));
        EXPECT_EQ(Disabled(logic), c.disabled);
        EXPECT_EQ(logic.Count(), notes::CountNotes(c.checks));
    }
}

TEST(NoteBoxLogic, LocksFixOrPresetTheNotes)
{
    const notes::NoteChecks cMajor = notes::NoteChecksFromChord(0x488, 0);
    NoteBoxLogic fixed(NoteBoxLogic::Rules::UserDirectory);
    fixed.LoadUserChord(cMajor, NoteBoxLogic::kNotesFixed);
    EXPECT_EQ(Disabled(fixed).size(), 17u);

    NoteBoxLogic preset(NoteBoxLogic::Rules::UserDirectory);
    preset.LoadUserChord(cMajor, NoteBoxLogic::kNotesPreset);
    EXPECT_EQ(Disabled(preset), Unticked(preset));
    EXPECT_EQ(preset.Count(), 3);
}

TEST(NoteBoxLogic, APresetChordLetsOnlyItsOwnNotesBeTicked)
{
    // A, A#, B, C, C#, D: six notes, the black keys in their sharp spelling.
    const notes::NoteChecks six = notes::NoteChecksFromChord(0x03F, 0);
    struct Case {
        Box untick;
        std::vector<int> disabled;
    };
    const std::vector<Case> cases = {
        {C, {Bb, Db, Ds, Eb, E, F, Fs, Gb, G, Gs, Ab}},
        {Cs, {Bb, Ds, Eb, E, F, Fs, Gb, G, Gs, Ab}},  // Db, its other spelling, comes free
    };
    for (const Case& c : cases) {
        NoteBoxLogic logic(NoteBoxLogic::Rules::UserDirectory);
        logic.LoadUserChord(six, NoteBoxLogic::kNotesPreset);
        logic.Toggle(c.untick, false);
        EXPECT_EQ(logic.Count(), 5);
        EXPECT_EQ(Disabled(logic), c.disabled) << c.untick;
    }
}

TEST(NoteBoxLogic, ClearEnablesAndUnticksEverything)
{
    NoteBoxLogic logic(NoteBoxLogic::Rules::SearchSheet);
    for (Box b : {A, Cs, D, E, F, G})
        logic.Toggle(b, true);
    logic.Clear();
    EXPECT_TRUE(Disabled(logic).empty());
    EXPECT_EQ(logic.Count(), 0);
    EXPECT_EQ(logic.Mask(), 0);
    logic.Toggle(A, false);  // an untick at 0 stays at 0
    EXPECT_EQ(logic.Count(), 0);
}

}  // namespace
