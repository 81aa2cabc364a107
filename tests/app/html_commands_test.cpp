#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include "app_fixture.h"
#include "choose_path.h"
#include "document/command_ids.h"

namespace {

using HtmlCommands = AppFixture;

TEST_F(HtmlCommands, SavedChordsLoadBackIntoTheScratchPad)
{
    Start();
    Doc().SearchNewChord(0x488, true);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("c_major.html");
    ChoosePath chooser(path);
    const platform::ScopedDialogRunner scoped(chooser);

    ASSERT_TRUE(Frame().Commands().Execute(cmd::FileSaveAsHtml));
    EXPECT_EQ(chooser.fileDialogs, 1);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("<param name=\"info1\""));
    EXPECT_TRUE(chooser.messages.empty());

    Frame().Commands().Execute(cmd::ViewScratchPad);
    QCoreApplication::processEvents();
    ASSERT_TRUE(Doc().m_bScratchPadMode);
    ASSERT_TRUE(Frame().Commands().Execute(cmd::FileLoadHtmlToScratchPad));
    EXPECT_EQ(chooser.fileDialogs, 2);
    EXPECT_EQ(Doc().m_nPadCount, 12);
    EXPECT_EQ(Doc().m_strPadTitle2, "c_major");
    EXPECT_EQ(Doc().GetPadRow(0).w[1], Doc().GetVoicing(0)[1]);
}

}  // namespace
