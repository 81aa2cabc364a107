#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>

#include "app_fixture.h"
#include "dialogs/search/chord_directory_dialog.h"
#include "dialogs/search/diagram_widget.h"
#include "dialogs/search/search_sheet.h"
#include "dialogs/search/search_templates.h"
#include "document/command_ids.h"
#include "support/scripted_dialog_runner.h"
#include "view/kvwin_view.h"
#include "view/view_geometry.h"

namespace {

using SearchCommands = AppFixture;

TEST_F(SearchCommands, TheSearchSheetRunsOverTheWindowAndShowsItsChord)
{
    Start();
    QCoreApplication::processEvents();  // the command states follow the start
    runner.Expect([&](platform::Dialog& d) {
        EXPECT_EQ(d.parentWidget(), &Frame());
        auto& notes = dynamic_cast<dialogs::SearchSheet&>(d).Notes();
        for (int box : {4, 10, 14})  // C, E, G
            platform::Control<QCheckBox>(notes, dialogs::kNoteBoxIds[static_cast<std::size_t>(box)])->click();
        platform::PressOk(d);
    });
    Frame().Commands().Action(cmd::SearchTonalith)->trigger();
    EXPECT_EQ(runner.dialogsRun, 1);
    EXPECT_EQ(Doc().m_nVoicingCount, 12);
    EXPECT_EQ(Frame().windowTitle(), QStringLiteral("C major - Tonalith"));
}

TEST_F(SearchCommands, TheChordDirectoryRunsAndNeitherSearchRunsOnTheScratchPad)
{
    Start();
    QCoreApplication::processEvents();  // the command states follow the start
    runner.Expect([&](platform::Dialog& d) { platform::PressCancel(d); });
    Frame().Commands().Action(cmd::SearchChordDirectory)->trigger();
    EXPECT_EQ(runner.dialogsRun, 1);

    // Still enabled on the action until the next refresh; the command checks again.
    Doc().m_bScratchPadMode = true;
    Frame().Commands().Action(cmd::SearchTonalith)->trigger();
    Frame().Commands().Action(cmd::SearchChordDirectory)->trigger();
    EXPECT_EQ(runner.dialogsRun, 1);
    EXPECT_EQ(runner.unexpectedDialogs, 0);
}

// From the start of the program to C major on the screen, along each of the
// three ways the user can ask for it.

constexpr PitchClassMask kCMajor = 0x488;

void TickCEG(platform::Dialog& d)
{
    auto& notes = dynamic_cast<dialogs::SearchSheet&>(d).Notes();
    for (int box : {4, 10, 14})  // C, E, G
        QTest::mouseClick(platform::Control<QCheckBox>(notes, dialogs::kNoteBoxIds[static_cast<std::size_t>(box)]),
                          Qt::LeftButton);
    platform::PressOk(d);
}

void ChooseCMajorInTheDirectory(platform::Dialog& d)
{
    for (int i = 0; i < 3; ++i)  // A, Bb, B, C
        platform::ClickControl(d, dialogs::id::kRootUp);
    auto* list = platform::Control<QListWidget>(d, dialogs::id::kChordList);
    ASSERT_EQ(list->item(0)->text(), QStringLiteral("C  major"));
    list->setCurrentRow(0);
    platform::PressOk(d);
}

void ClickX32010OnTheDiagram(platform::Dialog& d)
{
    auto& sheet = dynamic_cast<dialogs::SearchSheet&>(d);
    sheet.Tabs()->setCurrentIndex(1);
    auto* diagram = platform::Control<dialogs::DiagramWidget>(sheet.Diagram(), dialogs::id::kDiagram);
    ASSERT_NE(diagram, nullptr);
    struct Dot {
        int column;    // 0 the 6th string
        int position;  // 1 open, 2.. the fret rows
    };
    for (const Dot dot : {Dot{1, 4}, Dot{2, 3}, Dot{3, 1}, Dot{4, 2}, Dot{5, 1}}) {
        const auto box = diagram->Geometry().MarkerBox(dot.column, dot.position);
        ASSERT_TRUE(box);
        QTest::mouseClick(diagram, Qt::LeftButton, Qt::NoModifier,
                          QPoint(box->left + box->width / 2, box->top + box->height / 2));
    }
    platform::PressOk(d);
}

struct SearchPath {
    const char* name;
    int command;
    void (*enter)(platform::Dialog&);
};

void PrintTo(const SearchPath& path, std::ostream* out)
{
    *out << path.name;
}

class FirstSearch : public AppFixture, public ::testing::WithParamInterface<SearchPath> {
protected:
    QString Pane(const char* name)
    {
        auto* pane = Frame().statusBar()->findChild<QLabel*>(QString::fromLatin1(name));
        return pane ? pane->text() : QStringLiteral("<no pane>");
    }

    // Dark pixels in the frame of the page's first diagram, as the viewport shows it.
    int DarkPixelsInFirstDiagram()
    {
        CKvwinView& view = *GetApp().View();
        const int s = Doc().m_nScale;
        const Point cell = view::CellOrigin(0, view::GridDimension(Doc()), s, false);
        Rect frame{cell.x + view::kFrameLeft * s, cell.y - view::kFrameTop * s, cell.x + view::kFrameRight * s,
                   cell.y - view::kFrameBottom * s};
        view.Dpi().SetScaling(true);
        view.Dpi().ScaleRect(frame);
        const Rect device = view.ScreenMapping(view.Dpi().GetDpiX(), view.Dpi().GetDpiY()).lpToDp(frame).normalized();
        const QImage shot = view.viewport()->grab().toImage();
        EXPECT_FALSE(shot.isNull());
        EXPECT_TRUE(shot.rect().contains(QRect(device.left, device.top, device.right - device.left,
                                               device.bottom - device.top)))
            << "the first diagram lies outside the viewport";
        int dark = 0;
        for (int y = std::max(device.top, 0); y < std::min(device.bottom, shot.height()); ++y)
            for (int x = std::max(device.left, 0); x < std::min(device.right, shot.width()); ++x)
                dark += qGray(shot.pixel(x, y)) < 100 ? 1 : 0;
        return dark;
    }
};

TEST_P(FirstSearch, FindsCMajorAndShowsItEverywhere)
{
    Start();
    QCoreApplication::processEvents();  // the command states follow the start
    EXPECT_EQ(DarkPixelsInFirstDiagram(), 0) << "an empty document shows no diagram";

    runner.Expect([&](platform::Dialog& d) {
        EXPECT_EQ(d.parentWidget(), &Frame());
        GetParam().enter(d);
    });
    QAction* command = Frame().Commands().Action(GetParam().command);
    ASSERT_TRUE(command->isEnabled());
    command->trigger();
    EXPECT_EQ(runner.dialogsRun, 1);
    EXPECT_EQ(runner.PendingScripts(), 0u);
    EXPECT_EQ(runner.dialogsLeftOpen, 0);
    EXPECT_TRUE(runner.messages.empty()) << runner.messages.front().text.toStdString();

    EXPECT_EQ(Doc().m_wChordMask, kCMajor);
    EXPECT_EQ(Doc().m_nVoicingCount, 12);
    EXPECT_EQ(Doc().m_nPageCount, 1);
    EXPECT_EQ(Doc().GetChordsOnPage(), 12);
    EXPECT_EQ(Frame().windowTitle(), QStringLiteral("C major - Tonalith"));
    EXPECT_EQ(Pane("pane1"), QStringLiteral("C major"));
    EXPECT_EQ(Pane("pane2"), QStringLiteral("Tuning: E A D G B E   Inv: 12   Page 1 of 1"));
    EXPECT_EQ(Doc().m_awHistory, std::vector<PitchClassMask>{kCMajor});
    EXPECT_EQ(Doc().m_nHistoryPos, 1);

    EXPECT_GT(DarkPixelsInFirstDiagram(), 0) << "the view does not paint the voicings";
}

INSTANTIATE_TEST_SUITE_P(ThreeWays, FirstSearch,
                         ::testing::Values(SearchPath{"NotesPage", cmd::SearchTonalith, TickCEG},
                                           SearchPath{"ChordDirectory", cmd::SearchChordDirectory,
                                                      ChooseCMajorInTheDirectory},
                                           SearchPath{"DiagramPage", cmd::SearchTonalith, ClickX32010OnTheDiagram}),
                         [](const ::testing::TestParamInfo<SearchPath>& info) { return std::string(info.param.name); });

}  // namespace
