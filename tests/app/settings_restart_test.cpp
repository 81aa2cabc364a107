#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QStatusBar>
#include <QToolBar>

#include "app/kvwin_bar.h"
#include "app_fixture.h"
#include "document/command_ids.h"
#include "document/persistent_settings.h"
#include "document/settings_store.h"

namespace {

class SettingsRestartTest : public AppFixture {};

TEST_F(SettingsRestartTest, AFreshUserGetsTheDefaultWindowAndWritesEverythingAtExit)
{
    Start();
    EXPECT_EQ(Frame().normalGeometry(), QRect(10, 10, 490, 390));
    EXPECT_FALSE(Frame().m_wndToolBar->isHidden());
    EXPECT_FALSE(Frame().statusBar()->isHidden());
    EXPECT_EQ(Frame().m_strNoteFont, "Times New Roman");
    Stop();

    platform::QtSettingsStore store(IniPath());
    EXPECT_EQ(store.ReadString(settings_section::kWindowSize, "Rect"), "0010 0010 0500 0400");
    EXPECT_EQ(store.ReadInt(settings_section::kMisc, "exp"), 0);
    EXPECT_EQ(store.ReadInt(settings_section::kSettings, "his_buf_sz"), 50);
    for (const char* face : {"chdhdr_fnt", "note_fnt", "spadchdt_fnt"})
        EXPECT_EQ(store.ReadString(settings_section::kSettings, face), "Times New Roman") << face;
}

TEST_F(SettingsRestartTest, SizePlacementAndBarsComeBackAfterARestart)
{
    Start();
    QComboBox* box = Frame().m_pToolBar->m_wndSizeCombo;
    box->setCurrentIndex(1);
    emit box->activated(1);
    Frame().setGeometry(120, 90, 640, 480);
    Frame().Commands().Action(cmd::ViewStatusBar)->trigger();
    ASSERT_TRUE(Frame().statusBar()->isHidden());
    Stop();

    Start();
    EXPECT_EQ(Frame().normalGeometry(), QRect(120, 90, 640, 480));
    EXPECT_EQ(Frame().m_pToolBar->m_wndSizeCombo->currentText(), QStringLiteral("4"));
    EXPECT_EQ(Doc().m_nScale, 60);
    EXPECT_EQ(Doc().m_nChordsPerPage, 16);
    EXPECT_TRUE(Frame().statusBar()->isHidden());
    EXPECT_FALSE(Frame().m_wndToolBar->isHidden());
    QCoreApplication::processEvents();
    EXPECT_TRUE(Frame().Commands().Action(cmd::ViewToolbar)->isChecked());
    EXPECT_FALSE(Frame().Commands().Action(cmd::ViewStatusBar)->isChecked());
}

TEST_F(SettingsRestartTest, AMaximisedWindowReopensMaximisedOverItsNormalRectangle)
{
    Start();
    Frame().setGeometry(50, 60, 700, 500);
    Frame().showMaximized();
    Stop();

    Start();
    EXPECT_TRUE(Frame().windowState().testFlag(Qt::WindowMaximized));
    EXPECT_EQ(Frame().normalGeometry(), QRect(50, 60, 700, 500));
}

TEST_F(SettingsRestartTest, TheDocumentsWorkingSettingsAreWrittenBackAtClose)
{
    {
        platform::QtSettingsStore store(IniPath());
        store.WriteInt(settings_section::kMisc, "instr", 3000);
        store.WriteInt(settings_section::kMisc, "dur", 0);
    }
    Start();
    EXPECT_EQ(Doc().m_nInstrument, 3000);
    EXPECT_EQ(Doc().m_nDuration, 2500) << "out of range at start-up";
    Doc().m_nVelocity = 100;
    Stop();

    platform::QtSettingsStore store(IniPath());
    EXPECT_EQ(store.ReadInt(settings_section::kMisc, "instr"), 3000);
    EXPECT_EQ(store.ReadInt(settings_section::kMisc, "vel"), 100);
    EXPECT_EQ(store.ReadInt(settings_section::kMisc, "dur"), 2500);
}

TEST_F(SettingsRestartTest, ClosingFirstWritesBackThenSavesThenEmptiesTheDocument)
{
    Start();
    Doc().m_nVelocity = 90;
    midi.calls.clear();
    Frame().close();
    EXPECT_EQ(Doc().MainFrame()->m_nVel, 90);
    ASSERT_FALSE(midi.calls.empty());
    EXPECT_EQ(midi.calls.back().op, "close");
    platform::QtSettingsStore store(IniPath());
    EXPECT_EQ(store.ReadInt(settings_section::kMisc, "vel"), 90);
}

}  // namespace
