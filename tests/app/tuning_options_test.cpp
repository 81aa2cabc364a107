// Retuning through Tools > Options in the running program: the status line,
// the chords found and the fretboard all follow the new open strings.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QStatusBar>
#include <QToolButton>

#include "app_fixture.h"
#include "dialogs/options/options_sheet.h"
#include "dialogs/options/options_templates.h"
#include "document/command_ids.h"
#include "document/display_sizes.h"
#include "engine/voicings.h"
#include "platform/up_down.h"
#include "support/options_sheet_driver.h"
#include "support/recording_surface.h"
#include "support/scripted_dialog_runner.h"
#include "view/kvwin_view.h"

namespace {

constexpr PitchClassMask kCMajor = 0x488;
// Open G, string 1 first: D B G D G D.
constexpr std::array<int, 6> kOpenGNotes = {62, 59, 55, 50, 43, 38};
constexpr engine::Tuning kOpenGMasks = {0x020, 0x004, 0x400, 0x020, 0x400, 0x020};

struct TuningOptions : AppFixture {
    QString Pane(const char* name)
    {
        auto* pane = Frame().statusBar()->findChild<QLabel*>(QString::fromLatin1(name));
        return pane ? pane->text() : QStringLiteral("<no pane>");
    }

    // Open G set on the Tuning page, then OK.
    void SetOpenG()
    {
        runner.Expect([](platform::Dialog& d) {
            platform::PropertyPage& page = testsupport::Turn(testsupport::AsOptionsSheet(d), dialogs::kTuningPage);
            for (int i = 0; i < 5; ++i)  // Open A, C, D, E, G
                platform::ClickControl(page, dialogs::id::kSetOpen);
            EXPECT_EQ(platform::ControlText(page.Control(dialogs::id::kOpenTuningLabel)), QStringLiteral("Open G"));
            platform::PressOk(d);
        });
        Frame().Commands().Action(cmd::ToolsOptions)->trigger();
        QCoreApplication::processEvents();
        EXPECT_EQ(runner.dialogsLeftOpen, 0);
    }
};

TEST_F(TuningOptions, OpenGRetunesTheStatusLineTheChordsFoundAndTheFretboard)
{
    Start();
    QCoreApplication::processEvents();
    Doc().SearchNewChord(kCMajor, true);
    QCoreApplication::processEvents();
    const VoicingRow regularFirst = Doc().GetVoicing(0);

    SetOpenG();

    EXPECT_TRUE(Pane("pane2").startsWith(QStringLiteral("Tuning: D G D G B D "))) << Pane("pane2").toStdString();
    EXPECT_EQ(Doc().m_abTuningNotes, (std::array<std::uint8_t, 6>{62, 59, 55, 50, 43, 38}));

    // The current chord searched again, as a search on the Open G board finds it.
    CWord2DimArray board, found;
    engine::BuildFretboardNotes(kOpenGMasks, board);
    const int count = engine::FindVoicings(board, kCMajor, Doc().m_nSpanExtra, found);
    ASSERT_GT(count, 0);
    ASSERT_EQ(Doc().m_nVoicingCount, count);
    for (int row = 0; row < count; ++row) {
        for (std::uint16_t w = 0; w < voicing::kWords; ++w)
            EXPECT_EQ(Doc().GetVoicing(row)[w], *found.At(static_cast<std::uint16_t>(row), w)) << row;
    }
    EXPECT_NE(Doc().GetVoicing(0), regularFirst);
    EXPECT_EQ(Pane("pane1"), QStringLiteral("C major"));

    // The fretboard map: C, E and G wherever the Open G strings give them.
    Frame().Commands().Action(cmd::ViewFretboard)->trigger();
    QCoreApplication::processEvents();
    ASSERT_FALSE(Doc().m_bChordDisplay);
    platform::RecordingSurface surface(platform::Mapping::screen());
    GetApp().View()->OnDraw(surface);
    const int s = Doc().m_nScale;
    const int lastFret = s == document::kThreeARow.scale ? 14 : 15;
    const char* const kNamesFromC[12] = {"C", "", "", "", "E", "", "", "G", "", "", "", ""};
    std::map<std::pair<int, int>, std::string> expected, drawn;
    for (int k = 0; k < 6; ++k) {
        for (int fret = 0; fret <= lastFret; ++fret) {
            const char* name = kNamesFromC[(kOpenGNotes[static_cast<std::size_t>(k)] + fret) % 12];
            if (*name)
                expected[{(18 + 12 * fret) * s, -(26 + 8 * k) * s}] = name;
        }
    }
    for (const platform::RecordedOp& op : surface.ops(platform::RecordedOp::Kind::TextOut)) {
        const int column = op.to.x / s - 18, row = -op.to.y / s - 26;
        if (op.to.x % s == 0 && op.to.y % s == 0 && column >= 0 && column % 12 == 0 && row >= 0 && row <= 40
            && row % 8 == 0 && op.text.find_first_of(".0123456789") == std::string::npos)
            drawn[{op.to.x, op.to.y}] = op.text;
    }
    EXPECT_EQ(drawn, expected);
    // The open 1st string is D now, no longer a chord note: nothing left of the nut on it.
    EXPECT_EQ(drawn.count({18 * s, -26 * s}), 0u);
}

// After a search spelled with flats the page shows a black-key string by its
// flat name; retuning another string must not lose that one.
TEST_F(TuningOptions, AFlatNamedOpenStringKeepsItsNoteWhenAnotherStringIsRetuned)
{
    Start();
    QCoreApplication::processEvents();
    Doc().m_awTuning = {0x080, 0x010, 0x001, 0x080, 0x001, 0x080};  // Open A: E C# A E A E
    Doc().m_abTuningNotes = {64, 61, 57, 52, 45, 40};
    Doc().BuildFretboardNotes();
    Doc().m_wFlatFlags = 0xFF;
    Doc().UpdateStatusLine();
    ASSERT_TRUE(Pane("pane2").startsWith(QStringLiteral("Tuning: E A E A DbE "))) << Pane("pane2").toStdString();

    runner.Expect([](platform::Dialog& d) {
        platform::PropertyPage& page = testsupport::Turn(testsupport::AsOptionsSheet(d), dialogs::kTuningPage);
        EXPECT_EQ(platform::ControlText(page.Control(dialogs::kStringNameIds[1])), QStringLiteral("Db"));
        EXPECT_EQ(platform::ControlText(page.Control(dialogs::id::kOpenTuningLabel)), QStringLiteral("Open A"));
        platform::Control<platform::UpDown>(page, dialogs::kStringArrowIds[5])->upButton()->click();
        platform::PressOk(d);
    });
    Frame().Commands().Action(cmd::ToolsOptions)->trigger();
    QCoreApplication::processEvents();

    EXPECT_EQ(Doc().m_awTuning, (engine::Tuning{0x080, 0x010, 0x001, 0x080, 0x001, 0x100}));
    EXPECT_EQ(Pane("pane2").left(20), QStringLiteral("Tuning: F A E A DbE "));
    EXPECT_FALSE(Pane("pane2").contains(QStringLiteral("ZZ")));
}

}  // namespace
