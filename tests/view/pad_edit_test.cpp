#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QScrollBar>

#include "document/command_ids.h"
#include "document/persistent_settings.h"
#include "engine/chord_names.h"
#include "tests/support/fake_pad_attributes.h"
#include "tests/view/mouse_fixture.h"

namespace {

using PadEdit = MouseFixture;

constexpr const char* kMarkWholeChord = "To copy chord to Scratch Pad\nyou must mark the whole chord.\n";
constexpr const char* kPadFull =
    "Scratch Pad full.\nTo free up space go into Scratch Pad\nand select View -> Clear\nor mark unwanted chords and cut.\n";

// A band from the gap left of chord first to just past chord last's band bottom.
void MarkChords(MouseFixture& f, int first, int last)
{
    f.Band(f.At(first, 2, 10), f.At(last, 38, 62));
}

TEST_F(PadEdit, TheViewHandlesItsEditCommandsAndTheDocumentTheirStates)
{
    startView(2);
    for (const int id : {cmd::EditCopyToScratchPad, cmd::EditCutFromScratchPad, cmd::EditCopy,
                         cmd::EditAttributesOfScratchPadChord}) {
        EXPECT_TRUE(view->Commands().HasHandler(id)) << id;
        CCmdUI state;
        EXPECT_FALSE(view->Commands().RunUpdateHandler(id, state)) << id;
    }
}

TEST_F(PadEdit, CopyPutsTheMarkedDiagramsInTheScratchPadAsNewChords)
{
    startView(2);
    searchCMajor();
    frame.m_nChdtitle = 0;
    // What a cut left behind in the rows past the count.
    addPadChord({1, 1, 1, 1, 1, 1}, 1, xMark(0) | finger(2, 3), "old", "old second");
    addPadChord({1, 1, 1, 1, 1, 1}, 1, xMark(5), "old", "old second");
    doc->m_nPadCount = 0;
    doc->m_wFlatFlags = 0x08;
    Ready();
    MarkChords(*this, 0, 1);
    ASSERT_TRUE(doc->m_mark.marked);

    const int updates = ui.updates;
    view->Commands().RunHandler(cmd::EditCopyToScratchPad);
    EXPECT_TRUE(ui.messages.empty());
    ASSERT_EQ(doc->m_nPadCount, 2);
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        const ScratchPadChordRow row = doc->GetPadRow(i);
        const VoicingRow v = doc->GetVoicing(i);
        for (int k = 0; k < 7; ++k)
            EXPECT_EQ(row.w[k], v[k]) << "word " << k;
        EXPECT_EQ(row.w[pad::FlatFlags], 0x08);
        EXPECT_EQ(row.w[pad::NameShown], 0);
        EXPECT_EQ(row.Attributes(), 0u);
        EXPECT_EQ(doc->m_astrPadNames2[static_cast<std::size_t>(i)], "");
    }
    EXPECT_EQ(doc->m_astrPadNames[0], "C major_1");
    EXPECT_EQ(doc->m_astrPadNames[1], "C major_2");
    EXPECT_EQ(ui.updates, updates) << "copying does not redraw";
}

TEST_F(PadEdit, CopyRefusesAMarkThatMissesAChordsBandBottom)
{
    startView(2);
    searchCMajor();
    Ready();
    Band(At(0, 2, 10), At(0, 38, 57));
    ASSERT_TRUE(doc->m_mark.marked);
    view->Commands().RunHandler(cmd::EditCopyToScratchPad);
    EXPECT_EQ(ui.messages, std::vector<std::string>{kMarkWholeChord});
    EXPECT_EQ(doc->m_nPadCount, 0);
}

TEST_F(PadEdit, CopyFillsThePadToThirtySixThenSaysItIsFull)
{
    startView(2);
    searchCMajor();
    for (int i = 0; i < 34; ++i)
        addPadChord({0, 0, 0, 0, 0, 0}, 0);
    Ready();
    MarkChords(*this, 0, 3);
    view->Commands().RunHandler(cmd::EditCopyToScratchPad);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(doc->m_nPadCount, 36);
    EXPECT_EQ(doc->m_astrPadNames[34], "C major_1");
    EXPECT_EQ(doc->m_astrPadNames[35], "C major_2");
    EXPECT_EQ(doc->GetPadRow(35).w[pad::FirstFret + 5], doc->GetVoicing(1)[5]);

    view->Commands().RunHandler(cmd::EditCopyToScratchPad);
    EXPECT_EQ(ui.messages, std::vector<std::string>{kPadFull});
    EXPECT_EQ(doc->m_nPadCount, 36);
}

TEST_F(PadEdit, CopiedNamesTakeTheTitlesFirstFourteenCharacters)
{
    startView(2);
    searchCMajor();
    doc->m_strChordTitle = "\xC3\x87" "7(b9,#11)/E \xC3\xBC" "ber alles";  // Ç ... ü: two bytes each
    Ready();
    MarkChords(*this, 0, 1);
    view->Commands().RunHandler(cmd::EditCopyToScratchPad);
    ASSERT_EQ(doc->m_nPadCount, 2);
    EXPECT_EQ(doc->m_astrPadNames[0], "\xC3\x87" "7(b9,#11)/E \xC3\xBC" "_1");
    EXPECT_EQ(doc->m_astrPadNames[1], "\xC3\x87" "7(b9,#11)/E \xC3\xBC" "_2");
}

TEST_F(PadEdit, CutTheMarkedColumnKeepsTheOthersInOrder)
{
    startView(0);  // three a row
    AddNamedPadChords(6);
    doc->m_bScratchPadMode = true;
    const ScratchPadChordRow fourth = doc->GetPadRow(3);
    Ready();
    MarkChords(*this, 1, 4);
    ASSERT_TRUE(doc->m_mark.marked);
    const int updates = ui.updates;
    view->Commands().RunHandler(cmd::EditCutFromScratchPad);
    EXPECT_EQ(PadOrder(), "0235");
    EXPECT_EQ(doc->m_nPadCount, 4);
    EXPECT_EQ(doc->GetPadRow(2).w, fourth.w) << "every word moves with its chord";
    EXPECT_EQ(doc->m_astrPadNames2[2], "second 3");
    EXPECT_EQ(ui.updates - updates, 1);
    EXPECT_TRUE(doc->m_mark.rect.isEmpty()) << "the status refresh ends the mark";
    EXPECT_TRUE(ui.messages.empty());

    // Nothing wholly marked: nothing cut, nothing said.
    Band(At(0, 2, 10), At(0, 30, 62));
    view->Commands().RunHandler(cmd::EditCutFromScratchPad);
    EXPECT_EQ(PadOrder(), "0235");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(PadEdit, AFullPageMarkCopiesWhatFitsAndCutsAllThirtySix)
{
    startView(3);  // six a row, 36 a page
    for (std::uint16_t r = 0; r < 36; ++r)
        for (std::uint16_t k = 0; k < 6; ++k)
            *doc->m_aVoicings.At(r, k) = static_cast<std::uint16_t>(r % 12);
    doc->m_nVoicingCount = 36;
    doc->m_nPageCount = 1;
    doc->m_strChordTitle = "E";
    Ready();
    MarkChords(*this, 0, 35);
    view->Commands().RunHandler(cmd::EditCopyToScratchPad);
    EXPECT_EQ(doc->m_nPadCount, 36);
    EXPECT_EQ(doc->GetPadRow(35).w[0], 11);
    EXPECT_EQ(doc->m_astrPadNames[35], "E_36");

    view->Commands().RunHandler(cmd::ViewScratchPad);
    view->OnUpdate();
    Paint();
    MarkChords(*this, 0, 35);
    view->Commands().RunHandler(cmd::EditCutFromScratchPad);
    EXPECT_EQ(doc->m_nPadCount, 0);
}

TEST_F(PadEdit, AttributesGoToTheFirstWhollyMarkedChord)
{
    startView(2);
    AddNamedPadChords(6);
    doc->m_bScratchPadMode = true;
    FakePadAttributes dialogs;
    doc->GetPorts().padAttributes = &dialogs;
    Ready();
    MarkChords(*this, 3, 4);
    view->Commands().RunHandler(cmd::EditAttributesOfScratchPadChord);
    EXPECT_EQ(dialogs.Opened(), std::vector<std::string>{"3"});

    Band(At(0, 2, 10), At(0, 30, 62));
    view->Commands().RunHandler(cmd::EditAttributesOfScratchPadChord);
    EXPECT_EQ(dialogs.Opened(), std::vector<std::string>{"3"});
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].rfind("To edit the attribute of the chord\n", 0), 0u);
}

TEST_F(PadEdit, ClipboardHoldsTheMarkedBlockInItsNormalColours)
{
    startView(2);
    searchCMajor(false);
    Ready();
    const QImage page = paintScreen(1100, 1200);
    MarkChords(*this, 1, 2);
    ASSERT_TRUE(doc->m_mark.marked);
    const Rect block = doc->m_mark.rect;
    const QImage expected = page.copy(block.left, block.top, block.width(), block.height());

    view->Commands().RunHandler(cmd::EditCopy);
    QImage copied = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(copied.size(), QSize(block.width(), block.height()));
    EXPECT_TRUE(copied == expected) << "painted as the page shows it, not inverted";

    // Scrolled so that most of the block is out of sight, the copy is the same.
    view->verticalScrollBar()->setValue(block.top + 60);
    Paint();
    ASSERT_EQ(doc->m_mark.rect, block);
    view->Commands().RunHandler(cmd::EditCopy);
    copied = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(copied == expected);
}

TEST_F(PadEdit, ContextMenuOverTheHeaderOfAnUnnamedChordRunsItsCommandThroughTheRunner)
{
    startView(2);
    Ready();
    std::vector<std::vector<CKvwinView::MenuItem>> menus;
    std::vector<int> commands;
    view->SetMenuRunner([&menus](const std::vector<CKvwinView::MenuItem>& items, QPoint) {
        menus.push_back(items);
        return items.empty() ? 0 : items.front().id;
    });
    view->SetCommandRunner([&commands](int id) { commands.push_back(id); });
    const auto contextMenu = [this](QPoint at) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, viewport()->mapToGlobal(at));
        QApplication::sendEvent(viewport(), &event);
    };

    doc->m_strChordTitle = std::string(kNoChordIdFound);
    contextMenu({100, 20});
    ASSERT_EQ(menus.size(), 1u);
    ASSERT_EQ(menus[0].size(), 1u);
    EXPECT_EQ(menus[0][0].id, cmd::AddChordToUserDirectory);
    EXPECT_EQ(menus[0][0].text, "Add Chord to User Directory");
    EXPECT_EQ(commands, std::vector<int>{cmd::AddChordToUserDirectory});

    contextMenu({100, 60});  // below the header band
    contextMenu({450, 20});  // right of it
    doc->m_strChordTitle = "C major";
    contextMenu({100, 20});
    EXPECT_EQ(menus.size(), 1u);
    EXPECT_EQ(commands.size(), 1u);
}

}  // namespace
