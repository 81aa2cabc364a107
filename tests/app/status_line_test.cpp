// The status line in a narrow main window: it never holds the window wide.
// CTest also runs these on a 1280 x 1024 screen at 100 % and at 200 %.
#include <gtest/gtest.h>

#include <string>

#include <QCoreApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QToolTip>

#include "app_fixture.h"
#include "dialogs/user_directory/add_user_chord_dialog.h"
#include "engine/chord_names.h"

namespace {

constexpr int kFirstStartWidth = 490;

qreal ExpectedScale()
{
    bool ok = false;
    const double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok ? factor : 1.0;
}

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

}  // namespace
