#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>

#include "app_fixture.h"
#include "dialogs/dialog_templates.h"
#include "dialogs/search_sheet.h"
#include "document/command_ids.h"
#include "platform/scripted_dialog_runner.h"

namespace {

using SearchCommands = AppFixture;

TEST_F(SearchCommands, TheSearchSheetRunsOverTheWindowAndShowsItsChord)
{
    Start();
    QCoreApplication::processEvents();  // the command states follow the start
    platform::ScriptedDialogRunner runner;
    platform::ScopedDialogRunner scope(runner);
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
    platform::ScriptedDialogRunner runner;
    platform::ScopedDialogRunner scope(runner);
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

}  // namespace
