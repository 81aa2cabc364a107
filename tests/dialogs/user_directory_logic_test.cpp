// The User Directory dialogs as plain models: what the add dialog enables,
// counts and hands back, and what the list dialog chooses.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "dialogs/common/name_validator.h"
#include "dialogs/user_directory/user_directory_logic.h"

using namespace dialogs;

namespace {

enum Box { A, As, Bb, B, C, Cs, Db, D, Ds, Eb, E, F, Fs, Gb, G, Gs, Ab };

struct Tick {
    Box box;
    bool on = true;
};

struct AddCase {
    const char* what;
    int lock;
    notes::NoteChecks preset;
    std::vector<Tick> ticks;
    std::string name;
    std::vector<int> disabled;
    int count;
    const char* refusal;  // null: accepted with the values below
    FlatSpellingFlags flags = 0;
    PitchClassMask mask = 0;
    UdirChordValue value = 0;
    std::string notes;  // the list dialog's notes field once the chord is added
};

notes::NoteChecks Preset(PitchClassMask mask, FlatSpellingFlags flags)
{
    return notes::NoteChecksFromChord(mask, flags);
}

std::vector<int> AllBut(std::initializer_list<int> enabled)
{
    std::vector<int> out;
    for (int i = 0; i < notes::kNoteBoxCount; ++i)
        if (std::find(enabled.begin(), enabled.end(), i) == enabled.end())
            out.push_back(i);
    return out;
}

TEST(AddUserChordModel, LockTicksNameToBoxesCountAndOutcome)
{
    const std::vector<AddCase> cases = {
        {"free, Db F Ab", notes::kNotesFree, {}, {{Db}, {F}, {Ab}}, "Db triad", {Cs, Gs}, 3, nullptr, 0x09, 0x910,
         592144, "DbFAb"},
        {"free, sharps", notes::kNotesFree, {}, {{Cs}, {F}, {Gs}}, "C# triad", {Db, Ab}, 3, nullptr, 0x00, 0x910,
         0x910, "C#FG#"},
        {"free, no notes", notes::kNotesFree, {}, {}, "nothing", {}, 0, kNoNotesSelected, 0, 0, 0, ""},
        {"free, no name", notes::kNotesFree, {}, {{C}, {E}, {G}}, "", {}, 3, kNoChordName, 0, 0, 0, ""},
        {"a name only of refused characters", notes::kNotesFree, {}, {{C}}, "~^\t", {}, 1, kNoChordName, 0, 0, 0, ""},
        {"refused characters dropped", notes::kNotesFree, {}, {{C}}, "C~7^", {}, 1, nullptr, 0, 0x008, 0x008, "C"},
        {"free, a ticked key's twin comes back when unticked", notes::kNotesFree, {}, {{As}, {As, false}, {Bb}},
         "Bb", {As}, 1, nullptr, 0x02, 0x002, 0x20002, "Bb"},
        {"free, six notes", notes::kNotesFree, {}, {{A}, {Cs}, {D}, {E}, {F}, {G}}, "six",
         AllBut({A, Cs, D, E, F, G}), 6, nullptr, 0, 0x5B1, 0x5B1, "AC#DEFG"},
        {"free, one of six unticked frees every box", notes::kNotesFree, {},
         {{A}, {Cs}, {D}, {E}, {F}, {G}, {E, false}}, "five", {}, 5, nullptr, 0, 0x531, 0x531, "AC#DFG"},
        {"modify, preset Db: C# waits", notes::kNotesFree, Preset(0x910, 0x09), {}, "Db triad", {Cs, Gs}, 3,
         nullptr, 0x09, 0x910, 592144, "DbFAb"},
        {"fixed", notes::kNotesFixed, Preset(0x488, 0), {}, "C", AllBut({}), 3, nullptr, 0, 0x488, 0x488, "CEG"},
        {"fixed accepts no notes", notes::kNotesFixed, {}, {}, "empty", AllBut({}), 0, nullptr, 0, 0, 0, ""},
        {"preset, as it came", notes::kNotesPreset, Preset(0x910, 0x09), {}, "Mine", AllBut({Db, F, Ab}), 3,
         nullptr, 0x09, 0x910, 592144, "DbFAb"},
        {"preset, one unticked", notes::kNotesPreset, Preset(0x910, 0x09), {{F, false}}, "Mine",
         AllBut({Db, F, Ab}), 2, nullptr, 0x09, 0x810, 0x90810, "DbAb"},
        {"preset, all unticked", notes::kNotesPreset, Preset(0x910, 0x09), {{Db, false}, {F, false}, {Ab, false}},
         "Mine", AllBut({Db, F, Ab, Cs, Gs}), 0, kNoNotesSelected, 0, 0, 0, ""},
    };
    for (const AddCase& c : cases) {
        SCOPED_TRACE(c.what);
        NoteBoxLogic boxes(NoteBoxLogic::Rules::UserDirectory);
        boxes.LoadUserChord(c.preset, c.lock);
        for (const Tick& t : c.ticks)
            boxes.Toggle(t.box, t.on);
        std::vector<int> disabled;
        for (int i = 0; i < notes::kNoteBoxCount; ++i)
            if (!boxes.Enabled(i))
                disabled.push_back(i);
        EXPECT_EQ(disabled, c.disabled);
        EXPECT_EQ(boxes.Count(), c.count);

        const UserChordOk ok = CheckUserChord(c.name, boxes, c.lock);
        if (c.refusal) {
            EXPECT_STREQ(ok.refusal, c.refusal);
            continue;
        }
        ASSERT_EQ(ok.refusal, nullptr) << ok.refusal;
        EXPECT_EQ(ok.flags, c.flags);
        EXPECT_EQ(ok.mask, c.mask);
        EXPECT_EQ(ok.Value(), c.value);

        // Added through the list dialog: at the tail, chosen, its notes shown.
        UserDirList list = {{"first", 0x488}};
        g_bUserDirModified = false;
        UserDirectoryModel model(list);
        model.Add(ok.name, ok.Value());
        ASSERT_EQ(list.size(), 2u);
        EXPECT_EQ(list.back().GetName(), ok.name);
        EXPECT_EQ(list.back().m_nValue, c.value);
        EXPECT_TRUE(g_bUserDirModified);
        EXPECT_EQ(model.Chosen(), c.value);
        EXPECT_EQ(model.ChosenNotes(), c.notes);
    }
    g_bUserDirModified = false;
}

TEST(AddUserChordModel, ChordNamesRefuseTheFileAndPageSeparators)
{
    struct Case {
        std::string name;
        bool allowed;
        std::string kept;
    };
    const std::vector<Case> cases = {
        {"Cmaj7 (Dur)", true, "Cmaj7 (Dur)"},
        {"D\xC3\xBCr", true, "D\xC3\xBCr"},   // ü
        {"C~7", false, "C7"},
        {"C^7", false, "C7"},
        {"C\t7\r\n", false, "C7"},
        {"C\x7F", false, "C"},
        {"C\xC2\x85" "7", false, "C7"},       // NEL, a C1 control
        {"\xC2\xA0" "C", true, "\xC2\xA0" "C"},  // no-break space stays
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsAllowedName(c.name), c.allowed) << c.name;
        EXPECT_EQ(AllowedName(c.name), c.kept) << c.name;
    }
}

TEST(UserDirectoryModel, NotesAreWrittenTogetherInTheValuesSpelling)
{
    EXPECT_EQ(UserChordNotes(0x20092), "BbC#E");
    EXPECT_EQ(UserChordNotes(0x5B0092), "BbDbE");
    EXPECT_EQ(UserChordNotes(0x092), "A#C#E");
    EXPECT_EQ(UserChordNotes(0xFFF), "AA#BCC#DD#EFF#GG#");
    EXPECT_EQ(UserChordNotes(0), "");
}

TEST(UserDirectoryModel, NothingIsChosenUntilALineIs)
{
    UserDirList list = {{"Mine", 0x007}};
    UserDirectoryModel model(list);
    EXPECT_STREQ(model.OkRefusal(), kNoSelection);
    const std::string line = "Mine";
    model.Select(&line);
    EXPECT_EQ(model.OkRefusal(), nullptr);
    EXPECT_EQ(model.ChosenMask(), 0x007);
    model.Select(nullptr);
    EXPECT_STREQ(model.OkRefusal(), kNoSelection);
}

TEST(UserDirectoryModel, ALineFindsTheFirstEqualNameElseTheLastEntry)
{
    UserDirList list = {{"twin", 1}, {"other", 2}, {"twin", 3}, {"last", 4}};
    UserDirectoryModel model(list);
    EXPECT_EQ(model.Find("twin")->m_nValue, 1);
    EXPECT_EQ(model.Find("Twin")->m_nValue, 4);
    UserDirList empty;
    EXPECT_EQ(UserDirectoryModel(empty).Find("twin"), nullptr);
}

TEST(UserDirectoryModel, ModifyChoosesTheNewValueAndDeleteChoosesNothing)
{
    UserDirList list = {{"Mine", 0x007}, {"Yours", 0x488}};
    g_bUserDirModified = false;
    UserDirectoryModel model(list);
    const std::string mine = "Mine";
    model.Select(&mine);

    EXPECT_FALSE(model.Modify(mine, "Mine", 0x007));
    EXPECT_FALSE(g_bUserDirModified);
    EXPECT_TRUE(model.Modify(mine, "Zed", 0x20092));
    EXPECT_TRUE(g_bUserDirModified);
    EXPECT_EQ(list[0].GetName(), "Zed");
    // OK now searches the chord as modified, and the notes show it.
    EXPECT_EQ(model.Chosen(), 0x20092);
    EXPECT_EQ(model.ChosenNotes(), "BbC#E");

    model.Delete("Zed");
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].GetName(), "Yours");
    // OK no longer searches the deleted chord.
    EXPECT_STREQ(model.OkRefusal(), kNoSelection);
    g_bUserDirModified = false;
}

}  // namespace
