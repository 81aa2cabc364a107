// Every item of every menu, enabled or not as its update rule says, in chord
// display and in Scratch Pad mode.
#include <gtest/gtest.h>

#include <map>

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app_fixture.h"
#include "document/command_ids.h"
#include "support/pad_chords.h"

namespace {

struct Enabled {
    bool chordDisplay;
    bool scratchPad;
};

// With C major at three a row (two pages, the first shown), a history of two
// chords at its first, two Scratch Pad chords and a marked block.
const std::map<int, Enabled> kExpected = {
    // File
    {cmd::FileLoadHtmlToScratchPad, {false, true}},
    {cmd::FileSaveAsHtml, {true, true}},
    {cmd::FilePrint, {true, true}},
    {cmd::FilePrintPreview, {true, true}},
    {cmd::FilePrintSetup, {true, true}},
    {cmd::AppExit, {true, true}},
    // Edit
    {cmd::EditCutFromScratchPad, {false, true}},
    {cmd::EditCopy, {true, true}},
    {cmd::EditCopyToScratchPad, {true, false}},
    {cmd::EditAttributesOfScratchPadChord, {false, true}},
    // Search
    {cmd::SearchTonalith, {true, false}},
    {cmd::SearchChordDirectory, {true, false}},
    {cmd::SearchUserDirectory, {true, false}},
    // View
    {cmd::ViewToolbar, {true, true}},
    {cmd::ViewStatusBar, {true, true}},
    {cmd::ViewChordDisplay, {true, false}},
    {cmd::ViewFretboard, {true, false}},
    {cmd::ViewScratchPad, {true, true}},
    {cmd::ViewClear, {true, true}},
    {cmd::ViewClearAll, {true, false}},
    {cmd::ViewBack, {false, false}},
    {cmd::ViewForward, {true, false}},
    {cmd::ViewStartHistory, {false, false}},
    {cmd::ViewEndHistory, {true, false}},
    {cmd::ViewFirstPage, {false, false}},
    {cmd::ViewPreviousPage, {false, false}},
    {cmd::ViewNextPage, {true, false}},
    {cmd::ViewLastPage, {true, false}},
    {cmd::ViewSize, {true, true}},
    // Tools
    {cmd::ToolsLanguage, {true, true}},
    {cmd::ToolsOptions, {true, true}},
    // Help
    {cmd::HelpFinder, {true, true}},
    {cmd::AppAbout, {true, true}},
};

class MenuStates : public AppFixture {
protected:
    int IdOf(QAction* action)
    {
        for (int id : Frame().Commands().Ids())
            if (Frame().Commands().Action(id) == action)
                return id;
        return 0;
    }

    void ExpectMenuBar(bool scratchPad)
    {
        SCOPED_TRACE(scratchPad ? "Scratch Pad" : "chord display");
        ASSERT_EQ(Doc().m_bScratchPadMode, scratchPad);
        Doc().m_mark.marked = true;
        int items = 0;
        for (QAction* title : Frame().menuBar()->actions()) {
            QMenu* menu = title->menu();
            ASSERT_NE(menu, nullptr);
            emit menu->aboutToShow();  // as the menu opens
            for (QAction* item : menu->actions()) {
                if (item->isSeparator())
                    continue;
                ++items;
                const int id = IdOf(item);
                const auto expected = kExpected.find(id);
                ASSERT_NE(expected, kExpected.end()) << "no row for " << item->text().toStdString();
                EXPECT_EQ(item->isEnabled(), scratchPad ? expected->second.scratchPad : expected->second.chordDisplay)
                    << title->text().toStdString() << " > " << item->text().toStdString();
            }
        }
        EXPECT_EQ(items, static_cast<int>(kExpected.size())) << "a row for an item the menus do not hold";
    }
};

TEST_F(MenuStates, EveryItemIsEnabledAsItsRuleSays)
{
    Start();
    Doc().OnSelchangeSize(0);  // three a row
    constexpr PitchClassMask kCMajor = 0x488;
    constexpr PitchClassMask kEMajor = 0x884;
    Doc().SearchNewChord(kCMajor, false);
    Doc().SearchNewChord(kEMajor, false);
    Doc().OnViewBack();
    ASSERT_EQ(Doc().m_nPageCount, 2);
    ASSERT_EQ(Doc().m_nHistoryPos, 1);
    ScratchPadChordRow chord;
    chord.w = {0, 1, 0, 2, 3, 21, 0, 0, 1, 0, 0};
    testsupport::AppendPadChord(Doc(), chord, "C", "");
    testsupport::AppendPadChord(Doc(), chord, "C", "");

    ExpectMenuBar(false);
    ASSERT_TRUE(Frame().Commands().Execute(cmd::ViewScratchPad));
    ExpectMenuBar(true);
}

}  // namespace
