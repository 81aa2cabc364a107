// Opening a menu refreshes every command's state; the Scratch Pad's page,
// its heading included, must paint as it did before the menu opened.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include <QAction>
#include <QCoreApplication>
#include <QImage>
#include <QMenu>
#include <QMenuBar>

#include "app_fixture.h"
#include "document/command_ids.h"
#include "support/pad_chords.h"
#include "support/texts_painted.h"
#include "view/kvwin_view.h"

namespace {

class MenuPageHeading : public AppFixture {
protected:
    CKvwinView& View() { return *GetApp().View(); }

    QImage Shot() { return View().viewport()->grab().toImage(); }

    bool HeadingPainted()
    {
        const std::vector<std::string> texts = testsupport::TextsPainted(View());
        return std::find(texts.begin(), texts.end(), "Scratch Pad") != texts.end();
    }
};

TEST_F(MenuPageHeading, EveryMenuLeavesTheScratchPadPageAsItWas)
{
    Start();
    ScratchPadChordRow chord;
    chord.w = {0, 1, 0, 2, 3, 21, 0, 0, 1, 0, 0};
    testsupport::AppendPadChord(Doc(), chord, "C", "");
    ASSERT_TRUE(Frame().Commands().Execute(cmd::ViewScratchPad));
    Frame().show();
    QCoreApplication::processEvents();
    ASSERT_TRUE(HeadingPainted());
    const QImage before = Shot();
    ASSERT_FALSE(before.isNull());

    const QList<QAction*> titles = Frame().menuBar()->actions();
    ASSERT_FALSE(titles.isEmpty());
    for (QAction* title : titles) {
        SCOPED_TRACE(title->text().toStdString());
        QMenu* menu = title->menu();
        ASSERT_NE(menu, nullptr);
        // As a click on its title opens it.
        Frame().menuBar()->setActiveAction(title);
        QCoreApplication::processEvents();
        ASSERT_TRUE(menu->isVisible());
        EXPECT_TRUE(HeadingPainted());
        EXPECT_TRUE(Shot() == before) << "the page changed while the menu is open";
        menu->hide();
        QCoreApplication::processEvents();
        EXPECT_TRUE(Shot() == before) << "the page changed after the menu closed";
    }
    // In this mode none of the searches can run.
    for (int id : {cmd::SearchTonalith, cmd::SearchChordDirectory, cmd::SearchUserDirectory})
        EXPECT_FALSE(Frame().Commands().Action(id)->isEnabled()) << id;
}

}  // namespace
