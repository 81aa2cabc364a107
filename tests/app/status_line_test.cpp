// The status line in a narrow main window: it never holds the window wide,
// and a passing message has the whole line. CTest also runs these on a
// 1280 x 1024 screen at 100 % and at 200 %.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include <QAction>
#include <QCoreApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSizeGrip>
#include <QStatusBar>
#include <QToolTip>

#include "app_fixture.h"
#include "dialogs/user_directory/add_user_chord_dialog.h"
#include "document/persistent_settings.h"
#include "engine/chord_names.h"
#include "support/display_scale.h"

namespace {

using testsupport::ExpectedScale;

// The window's width at the first start: 490 pixels.
constexpr int kFirstStartWidth = WindowRect{}.right - WindowRect{}.left;

struct PaneState {
    QString text;
    bool visible;
    QRect geometry;
    bool operator==(const PaneState&) const = default;
};

class StatusLineRoom : public AppFixture {
public:
    void SetUp() override
    {
        AppFixture::SetUp();
        Start();
        Frame().show();
        QCoreApplication::processEvents();
        ASSERT_DOUBLE_EQ(Frame().screen()->devicePixelRatio(), ExpectedScale());
    }

    QStatusBar& Bar() { return *Frame().statusBar(); }
    QLabel& Pane(const char* name) { return *Bar().findChild<QLabel*>(QString::fromLatin1(name)); }

    // The built-in name that takes the most room in the title pane, searched
    // as the Chord Directory searches it.
    void ShowWidestBuiltInName()
    {
        const QFontMetrics metrics = Pane("pane1").fontMetrics();
        unsigned widest = 0;
        for (unsigned mask = 1; mask < 4096; ++mask) {
            const char* name = engine::BuiltInChordName(mask);
            const char* best = engine::BuiltInChordName(widest);
            if (name && (!best || metrics.horizontalAdvance(QString::fromUtf8(name))
                                      > metrics.horizontalAdvance(QString::fromUtf8(best))))
                widest = mask;
        }
        Doc().SearchNewChord(static_cast<PitchClassMask>(widest), false);
        ASSERT_GT(Doc().m_nVoicingCount, 0);
        Settle();
    }

    // Three user names of the longest length allowed, as a note set with
    // three entries in the User Directory is named.
    void ShowLongestUserName()
    {
        const std::string one(dialogs::AddUserChordDialog::kMaxNameLength, 'W');
        Doc().m_strChordTitle = one + ":" + one + ":" + one;
        Doc().UpdateStatusLine();
        Settle();
    }

    void Settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }

    // Where the status bar draws its message: from 6 pixels in to the size
    // grip or, 2 pixels before it, the first permanent pane on show.
    int MessageRoom()
    {
        int right = Bar().width() - 12;
        if (auto* grip = Bar().findChild<QSizeGrip*>(); grip && grip->isVisible())
            right = grip->x();
        for (QLabel* pane : Bar().findChildren<QLabel*>())
            if (pane->objectName() != QStringLiteral("pane0") && pane->isVisible())
                right = std::min(right, pane->x() - 2);
        return right - 6;
    }

    std::vector<PaneState> Panes()
    {
        std::vector<PaneState> panes;
        for (QLabel* pane : Bar().findChildren<QLabel*>())
            panes.push_back({pane->text(), pane->isVisible(), pane->geometry()});
        return panes;
    }
};

TEST_F(StatusLineRoom, TheWindowNarrowsToItsFirstStartWidthWhateverTheChordName)
{
    struct Case {
        const char* name;
        void (StatusLineRoom::*show)();
    };
    const Case cases[] = {
        {"widest built-in name", &StatusLineRoom::ShowWidestBuiltInName},
        {"three longest user names", &StatusLineRoom::ShowLongestUserName},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        (this->*c.show)();
        EXPECT_LE(Frame().minimumSizeHint().width(), kFirstStartWidth);
        EXPECT_LE(Frame().minimumWidth(), kFirstStartWidth);
        Frame().resize(kFirstStartWidth, Frame().height());
        Settle();
        EXPECT_EQ(Frame().width(), kFirstStartWidth);
    }
}

TEST_F(StatusLineRoom, APaneCutShortShowsWhatFitsAndItsWholeTextAsTooltip)
{
    ShowLongestUserName();
    Frame().resize(kFirstStartWidth, Frame().height());
    Settle();
    QLabel& title = Pane("pane1");
    ASSERT_LT(title.width(), title.fontMetrics().horizontalAdvance(title.text()));
    EXPECT_EQ(title.text().toStdString(), Doc().m_strChordTitle) << "the document's text is kept whole";

    QHelpEvent help(QEvent::ToolTip, title.rect().center(), title.mapToGlobal(title.rect().center()));
    QCoreApplication::sendEvent(&title, &help);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), title.text());
    QToolTip::hideText();
}

// A user may name a chord with angle brackets; the pane shows the name as
// it was typed, markup and all.
TEST_F(StatusLineRoom, AChordNameIsShownAsWrittenNotReadAsMarkup)
{
    Doc().m_strChordTitle = "<i>Am7</i>";
    Doc().UpdateStatusLine();
    Settle();
    QLabel& title = Pane("pane1");
    EXPECT_GE(title.width(), title.fontMetrics().horizontalAdvance(title.text()));
}

TEST_F(StatusLineRoom, EveryMenuPromptHasTheWholeLineAndThePanesComeBackAfterIt)
{
    ShowWidestBuiltInName();
    Frame().resize(kFirstStartWidth, Frame().height());
    Settle();
    const std::vector<PaneState> before = Panes();
    const QFontMetrics metrics = Bar().fontMetrics();
    int prompts = 0;
    for (QAction* title : Frame().menuBar()->actions()) {
        for (QAction* item : title->menu()->actions()) {
            if (item->isSeparator() || item->statusTip().isEmpty())
                continue;
            SCOPED_TRACE(item->statusTip().toStdString());
            ++prompts;
            // As a menu shows the prompt of the item under the pointer.
            item->showStatusText(Frame().menuBar());
            ASSERT_EQ(Bar().currentMessage(), item->statusTip());
            EXPECT_GE(MessageRoom(), metrics.horizontalAdvance(item->statusTip()));
        }
    }
    EXPECT_GT(prompts, 0);

    QStatusTipEvent gone{QString()};
    QCoreApplication::sendEvent(Frame().menuBar(), &gone);
    Settle();
    EXPECT_EQ(Bar().currentMessage(), QString());
    EXPECT_EQ(Panes(), before);
}

}  // namespace
