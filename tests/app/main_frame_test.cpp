#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include "app/kvwin_bar.h"
#include "app_fixture.h"
#include "document/command_ids.h"

namespace {

using Listing = std::vector<std::pair<std::string, std::vector<std::string>>>;

Listing ReadMenuBar(QMenuBar* bar)
{
    Listing listing;
    for (QAction* title : bar->actions()) {
        std::vector<std::string> items;
        for (QAction* item : title->menu()->actions())
            items.push_back(item->isSeparator() ? "" : item->text().toStdString());
        listing.emplace_back(title->text().toStdString(), items);
    }
    return listing;
}

class MainFrameTest : public AppFixture {};

TEST_F(MainFrameTest, TheMenuBarReadsAsTheResourceWithoutOpenSaveAndRecentFile)
{
    Start();
    const Listing expected = {
        {"&File",
         {"&Load HTML to Scratch Pad", "", "Save &As HTML...", "", "&Print...\tCtrl+P", "Print Pre&view",
          "P&rint Setup...", "", "E&xit"}},
        {"&Edit",
         {"Cu&t from Scratch Pad", "&Copy to Clipboard\tCtrl+C", "Copy to Sc&ratch Pad\tCtrl+R", "",
          "&Attributes of Scratch Pad Chord..."}},
        {"&Search", {"&Tonalith...", "Chord &Directory...", "&User Directory..."}},
        {"&View",
         {"&Toolbar", "&Status Bar", "C&hord Display", "&Fretboard", "Scratch &Pad", "&Clear", "Cl&ear All", "",
          "&Back", "F&orward", "Start &History", "End H&istory", "", "First P&age", "P&revious Page",
          "&Next Page", "&Last Page", "", "Si&ze..."}},
        {"&Tools", {"Language...", "", "&Options..."}},
        {"&Help", {"&Contents and Index", "", "&About Tonalith..."}},
    };
    EXPECT_EQ(ReadMenuBar(Frame().menuBar()), expected);
}

TEST_F(MainFrameTest, TheToolbarHoldsTheCommandsInSlotOrderAroundTheSizeBox)
{
    Start();
    const std::vector<int> expected = {
        cmd::ViewBack, cmd::ViewForward, 0, cmd::SearchTonalith, cmd::SearchChordDirectory, 0,
        cmd::ViewFretboard, cmd::ViewScratchPad, cmd::ReducedSpan, 0, cmd::EditCutFromScratchPad,
        cmd::EditCopyToScratchPad, cmd::EditCopy, 0, cmd::ViewClear, -1, -1, 0, cmd::FilePrint,
        cmd::FilePrintPreview, 0, cmd::ViewFirstPage, cmd::ViewPreviousPage, cmd::ViewNextPage,
        cmd::ViewLastPage, 0, cmd::AppAbout, cmd::ContextHelp,
    };
    std::vector<int> layout;
    for (QAction* action : Frame().m_wndToolBar->actions()) {
        if (action->isSeparator()) {
            layout.push_back(0);
            continue;
        }
        int id = -1;  // the gap and the size box
        for (int candidate : Frame().Commands().Ids())
            if (Frame().Commands().Action(candidate) == action)
                id = candidate;
        layout.push_back(id);
    }
    EXPECT_EQ(layout, expected);

    struct Tip {
        int id;
        const char* tooltip;
    };
    for (const Tip& tip : {Tip{cmd::SearchTonalith, "Tonalith"}, Tip{cmd::ViewScratchPad, "View scratchpad"},
                           Tip{cmd::ViewPreviousPage, "Prev. Page"}, Tip{cmd::ContextHelp, "Help"}}) {
        QAction* action = Frame().Commands().Action(tip.id);
        EXPECT_EQ(action->toolTip().toStdString(), tip.tooltip);
        EXPECT_FALSE(action->icon().isNull()) << tip.tooltip;
    }
}

TEST_F(MainFrameTest, TheSizeBoxOffersThreeToSixAndShowsTheStoredSize)
{
    Start(false);
    QComboBox* box = Frame().m_pToolBar->m_wndSizeCombo;
    ASSERT_NE(box, nullptr);
    std::vector<std::string> entries;
    for (int i = 0; i < box->count(); ++i)
        entries.push_back(box->itemText(i).toStdString());
    EXPECT_EQ(entries, (std::vector<std::string>{"3", "4", "5", "6"}));
    EXPECT_EQ(box->currentIndex(), -1) << "nothing is chosen before the document starts";
    EXPECT_EQ(box->toolTip(), QStringLiteral("Size"));

    GetApp().InitDocument();
    EXPECT_EQ(box->currentText(), QStringLiteral("6")) << "a fresh user has six chords a row";
}

TEST_F(MainFrameTest, ChoosingInTheSizeBoxResizesTheDocument)
{
    Start();
    QComboBox* box = Frame().m_pToolBar->m_wndSizeCombo;
    box->setCurrentIndex(0);
    emit box->activated(0);
    EXPECT_EQ(Doc().m_nScale, 80);
    EXPECT_EQ(Doc().m_nChordsPerPage, 9);
    EXPECT_EQ((Doc().MainFrame()->m_wExp >> 1) & 3, 3);
}

TEST_F(MainFrameTest, TheStatusBarHasTitleTuningAndKeyPanes)
{
    Start();
    QStatusBar* bar = Frame().statusBar();
    for (const char* name : {"pane0", "pane1", "pane2", "indicatorCaps", "indicatorNum", "indicatorScrl"})
        EXPECT_NE(bar->findChild<QLabel*>(QString::fromLatin1(name)), nullptr) << name;
    EXPECT_EQ(bar->findChild<QLabel*>(QStringLiteral("pane2"))->text(),
              QStringLiteral("Tuning: E A D G B E "));
    EXPECT_EQ(Frame().windowTitle(), QStringLiteral("Tonalith"));

    Doc().m_strChordTitle = "C major";
    Doc().UpdateStatusLine();
    EXPECT_EQ(bar->findChild<QLabel*>(QStringLiteral("pane1"))->text(), QStringLiteral("C major"));
    EXPECT_EQ(Frame().windowTitle(), QStringLiteral("C major - Tonalith"));
}

TEST_F(MainFrameTest, TheDocumentsMessagesAreBoxesCaptionedWithTheProgramsName)
{
    midi.devices = {"Built-in Synth (FluidSynth)"};
    midi.openResult = 4;
    Start();
    ASSERT_FALSE(runner.messages.empty());
    EXPECT_EQ(runner.messages.front().caption, QStringLiteral("Tonalith"));
    EXPECT_TRUE(runner.messages.front().text.startsWith(QStringLiteral("Midi: "))) << runner.messages.front().text.toStdString();
    EXPECT_EQ(runner.messages.front().icon, platform::MessageIcon::None);
}

TEST_F(MainFrameTest, WithoutMidiDevicesStartUpShowsNothing)
{
    midi.openResult = 68;
    Start();
    EXPECT_TRUE(runner.messages.empty());
}

TEST_F(MainFrameTest, TheDisplayCommandsReachTheViewAndTheirChecksFollow)
{
    Start();
    QAction* fretboard = Frame().Commands().Action(cmd::ViewFretboard);
    QAction* chords = Frame().Commands().Action(cmd::ViewChordDisplay);
    QCoreApplication::processEvents();
    EXPECT_TRUE(chords->isChecked());
    EXPECT_FALSE(fretboard->isChecked());

    fretboard->trigger();
    EXPECT_FALSE(Doc().m_bChordDisplay);
    EXPECT_TRUE(fretboard->isChecked());
    EXPECT_FALSE(chords->isChecked());

    chords->trigger();
    EXPECT_TRUE(Doc().m_bChordDisplay);
    EXPECT_TRUE(chords->isChecked());
    EXPECT_FALSE(fretboard->isChecked());
}

TEST_F(MainFrameTest, PromptsOfTheToolbarLastOnlyWhileThePointerIsOverThem)
{
    Start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Frame()));
    QStatusBar* bar = Frame().statusBar();
    QLabel* ready = bar->findChild<QLabel*>(QStringLiteral("pane0"));
    QComboBox* box = Frame().m_pToolBar->m_wndSizeCombo;
    QWidget* clear = Frame().m_wndToolBar->widgetForAction(Frame().Commands().Action(cmd::ViewClear));
    ASSERT_NE(clear, nullptr);
    QWidget* view = Frame().View();

    struct Hover {
        QWidget* over;
        const char* prompt;
    };
    const Hover hovers[] = {{clear, "Clear the current chord or the Scratch Pad"}, {box, "Adjust scale of display"}};
    for (const Hover& hover : hovers) {
        QTest::mouseMove(hover.over, hover.over->rect().center());
        EXPECT_EQ(bar->currentMessage().toStdString(), hover.prompt);
        QTest::mouseMove(view, view->rect().center());
        EXPECT_EQ(bar->currentMessage().toStdString(), "") << hover.prompt;
        EXPECT_TRUE(ready->isVisible()) << hover.prompt;
        EXPECT_EQ(ready->text(), QStringLiteral("Ready"));
    }
}

// Keys pressed on the active main window.
class AcceleratorTest : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        Start();
        viewCommands.On(cmd::EditCopy, [this] { ++copies; });
        Frame().SetView(nullptr, &viewCommands);
        Frame().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
        Frame().Commands().RefreshNow();
    }

    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        QTest::keyClick(&Frame(), static_cast<Qt::Key>(key), modifiers);
    }

    platform::CommandMap viewCommands;
    int copies = 0;
};

TEST_F(AcceleratorTest, CopyRunsOnlyWhileABlockIsMarked)
{
    Press(Qt::Key_C);
    EXPECT_EQ(copies, 0) << "nothing marked";

    Doc().m_mark.marked = true;
    Frame().Commands().RefreshNow();
    Press(Qt::Key_C);
    Press(Qt::Key_Insert);
    EXPECT_EQ(copies, 2);

    // The mark goes while the action still looks enabled: the key must not copy.
    Doc().m_mark.marked = false;
    Press(Qt::Key_C);
    EXPECT_EQ(copies, 2);
}

TEST_F(AcceleratorTest, CtrlNStartsANewDocumentAndReopensMidi)
{
    midi.calls.clear();
    Press(Qt::Key_N);
    ASSERT_GE(midi.calls.size(), 2u);
    EXPECT_EQ(midi.calls.front().op, "close");
    EXPECT_EQ(midi.calls[1].op, "open");
}

TEST_F(AcceleratorTest, CtrlOAsksForAFileAndCtrlSDoesNothing)
{
    midi.calls.clear();
    Press(Qt::Key_O);
    EXPECT_EQ(runner.standardDialogs, std::vector<QString>{QStringLiteral("QFileDialog")});
    EXPECT_TRUE(midi.calls.empty()) << "cancelled: no new document";
    Press(Qt::Key_S);
    EXPECT_EQ(runner.standardDialogs.size(), 1u);
    EXPECT_TRUE(midi.calls.empty());

    // A file chosen starts a new document, as Ctrl+N does.
    runner.standardAnswer = QDialog::Accepted;
    Press(Qt::Key_O);
    ASSERT_GE(midi.calls.size(), 2u);
    EXPECT_EQ(midi.calls.front().op, "close");
    EXPECT_EQ(midi.calls[1].op, "open");
}

TEST_F(AcceleratorTest, KeysWithoutHandlersAreDisabled)
{
    for (int id : {cmd::EditPaste, cmd::EditCut, cmd::EditUndo, cmd::NextPane, cmd::PrevPane, cmd::FileSave}) {
        QAction* action = Frame().Commands().Action(id);
        ASSERT_NE(action, nullptr) << id;
        EXPECT_FALSE(action->isEnabled()) << id;
        EXPECT_TRUE(Frame().actions().contains(action)) << id;
    }
}

TEST_F(AcceleratorTest, TheToolbarCommandHidesTheToolbarAndChecksFollow)
{
    QAction* toggle = Frame().Commands().Action(cmd::ViewToolbar);
    ASSERT_TRUE(toggle->isChecked());
    toggle->trigger();
    EXPECT_TRUE(Frame().m_wndToolBar->isHidden());
    EXPECT_FALSE(toggle->isChecked());
    toggle->trigger();
    EXPECT_FALSE(Frame().m_wndToolBar->isHidden());
    EXPECT_TRUE(toggle->isChecked());
}

}  // namespace

namespace {

// No help ships: Help > Contents and F1 each say so and name the manual
// page, not a help file of another system nor a place among the programs.
TEST_F(AcceleratorTest, HelpContentsAndF1PointToTheManualPage)
{
    struct Row {
        const char* how;
        std::function<void()> ask;
    };
    const Row rows[] = {
        {"Help > Contents", [this] { Frame().Commands().Action(cmd::HelpFinder)->trigger(); }},
        {"F1", [this] { Press(Qt::Key_F1, Qt::NoModifier); }},
    };
    for (const Row& row : rows) {
        runner.messages.clear();
        row.ask();
        ASSERT_EQ(runner.messages.size(), 1u) << row.how;
        const auto& box = runner.messages[0];
        EXPECT_EQ(box.caption, QStringLiteral("Tonalith")) << row.how;
        EXPECT_EQ(box.icon, platform::MessageIcon::Exclamation) << row.how;
        EXPECT_TRUE(box.text.startsWith(QStringLiteral("No help is installed for Tonalith."))) << row.how;
        EXPECT_TRUE(box.text.contains(QStringLiteral("man tonalith"))) << row.how << ": " << box.text.toStdString();
        EXPECT_FALSE(box.text.contains(QStringLiteral(".chm"), Qt::CaseInsensitive)) << row.how;
        EXPECT_FALSE(box.text.contains(QStringLiteral("/"))) << row.how << ": names a path";
    }
}

}  // namespace
