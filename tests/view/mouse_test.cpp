#include <QKeyEvent>
#include <QRubberBand>
#include <QScrollBar>

#include "document/command_ids.h"
#include "tests/support/fake_pad_attributes.h"
#include "tests/view/mouse_fixture.h"

namespace {

using Mouse = MouseFixture;

struct Strum {
    int note;
    int slot;  // delay in strum steps
};

std::vector<FakeMidi::Call> Expected(const std::vector<Strum>& strums, int step, int velocity, int duration)
{
    std::vector<FakeMidi::Call> calls;
    for (const Strum& s : strums)
        calls.push_back({"note", s.slot * step, s.note, velocity, duration});
    return calls;
}

// The second diagram of the C major page is x32010 over E: 43, 48, 52, 55,
// 60, 64 from the 6th string up; the fifth is 332x13, its 3rd string silent.
TEST_F(Mouse, ClickOnADiagramStrumsItInTheButtonsOrder)
{
    startView(2);
    searchCMajor();
    doc->m_nStrumDelay = 40;
    doc->m_nVelocity = 100;
    doc->m_nDuration = 1500;
    Ready();
    ASSERT_EQ(doc->GetVoicing(1), (VoicingRow{0, 1, 0, 2, 3, 3, 0}));

    struct Case {
        const char* what;
        Qt::MouseButton button;
        int chord;
        double u, v;
        std::vector<Strum> strums;
    };
    const Case cases[] = {
        {"left, on the frame", Qt::LeftButton, 1, 21, 40, {{43, 0}, {48, 1}, {52, 2}, {55, 3}, {60, 4}, {64, 5}}},
        {"right, on the frame", Qt::RightButton, 1, 21, 40, {{64, 0}, {60, 1}, {55, 2}, {52, 3}, {48, 4}, {43, 5}}},
        {"left, above the first fret between the 4th and 3rd strings", Qt::LeftButton, 1, 21, 24,
         {{55, 3}, {60, 4}, {64, 5}}},
        {"right, there", Qt::RightButton, 1, 21, 24, {{52, 3}, {48, 4}, {43, 5}}},
        {"left, above the first fret between the 2nd and 1st strings", Qt::LeftButton, 1, 33, 24, {{64, 5}}},
        {"right, there", Qt::RightButton, 1, 33, 24, {{60, 1}, {55, 2}, {52, 3}, {48, 4}, {43, 5}}},
        {"left, a silent string keeps its time", Qt::LeftButton, 4, 21, 40,
         {{43, 0}, {48, 1}, {52, 2}, {60, 4}, {67, 5}}},
        {"the gap above the frame", Qt::LeftButton, 1, 21, 10, {}},
        {"the pick strip's left edge", Qt::RightButton, 1, 5.5, 24, {}},
        {"past the last chord of the page", Qt::LeftButton, 13, 21, 40, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        midi.calls.clear();
        Click(c.button, At(c.chord, c.u, c.v));
        EXPECT_EQ(midi.calls, Expected(c.strums, 40, 100, 1500));
        EXPECT_EQ(view->LastButton(), c.button == Qt::LeftButton ? 1 : 0);
    }
}

TEST_F(Mouse, ClickAtAHigherResolutionHitsTheChordDrawnThere)
{
    fixedScreen.resolution.logicalDpiX = 120;
    fixedScreen.resolution.logicalDpiY = 120;
    startView(2);
    searchCMajor();
    Ready();
    Click(Qt::LeftButton, At(4, 21, 40));
    EXPECT_EQ(midi.calls, Expected({{43, 0}, {48, 1}, {52, 2}, {60, 4}, {67, 5}}, 30, 64, 2500));
}

TEST_F(Mouse, ScratchPadChordsPlayOnlyInChordDisplayWithVoicings)
{
    struct Case {
        bool voicings;
        bool chordDisplay;
        bool plays;
    };
    const Case cases[] = {{true, true, true}, {false, true, false}, {true, false, false}};
    for (const Case& c : cases) {
        startView(2);
        if (c.voicings)
            searchCMajor();
        addPadChord({3, 3, 0, 0, 2, 3}, 0);  // G
        doc->m_bScratchPadMode = true;
        doc->m_bChordDisplay = c.chordDisplay;
        Ready();
        Click(Qt::RightButton, At(0, 21, 40));
        EXPECT_EQ(Notes().size(), c.plays ? 6u : 0u) << c.voicings << c.chordDisplay;
        if (c.plays) {
            EXPECT_EQ(Notes().front().b, 67) << "the pad's chord, not the first voicing";
        }
        view.reset();
        DocFixture::TearDown();
    }
}

TEST_F(Mouse, DoubleClickDoesNotStrumAgain)
{
    startView(2);
    searchCMajor();
    Ready();
    QTest::mouseDClick(viewport(), Qt::LeftButton, {}, At(1, 21, 40));
    EXPECT_TRUE(Notes().empty());
}

TEST_F(Mouse, DoubleClickJustAboveAPadFrameEditsThatChord)
{
    startView(2);
    AddNamedPadChords(3);
    doc->m_bScratchPadMode = true;
    Ready();
    FakePadAttributes dialogs;
    doc->GetPorts().padAttributes = &dialogs;
    QTest::mouseDClick(viewport(), Qt::LeftButton, {}, At(2, 21, 17));
    QTest::mouseDClick(viewport(), Qt::LeftButton, {}, At(1, 21, 40));  // the frame itself
    QTest::mouseDClick(viewport(), Qt::LeftButton, {}, At(3, 21, 17));  // no chord there
    EXPECT_EQ(dialogs.Opened(), std::vector<std::string>{"2"});
}

TEST_F(Mouse, RubberBandMarksFromFifteenPixelsOnTheMoveAfterTheRelease)
{
    struct Case {
        int dx, dy;
        bool marked;
    };
    const Case cases[] = {{14, 14, false}, {15, 3, true}, {3, 15, true}, {-40, -20, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dx << " x " << c.dy);
        startView(2);
        searchCMajor(false);
        Ready();
        view->verticalScrollBar()->setValue(30);
        Paint();

        const QPoint from = At(5, 2, 10) + QPoint(50, 30);
        const QPoint to = from + QPoint(c.dx, c.dy);
        QTest::mousePress(viewport(), Qt::LeftButton, {}, from);
        QTest::mouseMove(viewport(), to);
        const auto* band = viewport()->findChild<QRubberBand*>();
        ASSERT_NE(band, nullptr);
        EXPECT_TRUE(band->isVisibleTo(view.get()));
        QTest::mouseRelease(viewport(), Qt::LeftButton, {}, to);
        EXPECT_FALSE(band->isVisibleTo(view.get()));
        EXPECT_TRUE(doc->m_bTracking) << "the release belongs to the band";
        EXPECT_TRUE(doc->m_mark.rect.isEmpty()) << "nothing is marked before the next move";

        Hover(to + QPoint(1, 1));
        EXPECT_FALSE(doc->m_bTracking);
        Paint();
        EXPECT_EQ(doc->m_mark.marked, c.marked);
        if (c.marked) {
            const Rect client = Rect{from.x(), from.y(), to.x(), to.y()}.normalized();
            EXPECT_EQ(doc->m_mark.rect, client.offset(0, 30)) << "kept with the scroll position";
            EXPECT_EQ(doc->m_mark.hit, doc->m_mark.rect);
        } else {
            EXPECT_TRUE(doc->m_mark.rect.isEmpty());
        }
        EXPECT_TRUE(Notes().empty());
        view.reset();
        DocFixture::TearDown();
    }
}

TEST_F(Mouse, EscapeCancelsTheBand)
{
    startView(2);
    searchCMajor();
    Ready();
    const QPoint from = At(0, 2, 10);
    QTest::mousePress(viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(viewport(), from + QPoint(200, 150));
    QTest::keyClick(view.get(), Qt::Key_Escape);
    QTest::mouseRelease(viewport(), Qt::LeftButton, {}, from + QPoint(200, 150));
    Hover(from + QPoint(201, 151));
    Paint();
    EXPECT_FALSE(doc->m_mark.marked);
    EXPECT_TRUE(doc->m_mark.rect.isEmpty());
}

TEST_F(Mouse, PressOutsideTheMarkRemovesIt)
{
    startView(2);
    searchCMajor();
    Ready();
    Band(At(0, 2, 10), At(1, 38, 62));
    ASSERT_TRUE(doc->m_mark.marked);
    doc->m_mark.top = -5;
    Click(Qt::LeftButton, At(3, 21, 40));
    EXPECT_TRUE(doc->m_mark.rect.isEmpty());
    EXPECT_FALSE(doc->m_mark.marked);
    EXPECT_EQ(doc->m_mark.top, 0);
    EXPECT_EQ(Notes().size(), 6u) << "and the chord under it plays";
}

TEST_F(Mouse, DragReordersTheScratchPadAndKeepsItsTitles)
{
    struct Case {
        const char* what;
        int target;  // cell of the release
        const char* order;
    };
    const Case cases[] = {
        {"onto chord 0", 0, "230145"},
        {"onto the free place after the last chord", 6, "014523"},
        {"onto one of the dragged chords", 2, "012345"},
        {"onto the gap above a row", -1, "012345"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        startView(2);
        AddNamedPadChords(6);
        const ScratchPadChordRow third = doc->GetPadRow(2);
        doc->m_bScratchPadMode = true;
        doc->m_strPadTitle = "Riffs";
        doc->m_strPadTitle2 = "Verse";
        Ready();
        Band(At(2, 3, 10), At(3, 38, 62));
        ASSERT_TRUE(doc->m_mark.marked);

        const int updates = ui.updates;
        Drag(At(2, 21, 40), c.target >= 0 ? At(c.target, 21, 40) : At(0, 21, 10));
        EXPECT_EQ(PadOrder(), c.order);
        EXPECT_EQ(doc->m_nPadCount, 6);
        const std::size_t at = std::string(c.order).find('2');
        EXPECT_EQ(doc->GetPadRow(static_cast<int>(at)).w, third.w) << "every word moves with its chord";
        EXPECT_EQ(doc->m_astrPadNames2[at], "second 2");
        EXPECT_EQ(doc->m_strPadTitle, "Riffs");
        EXPECT_EQ(doc->m_strPadTitle2, "Verse");
        EXPECT_EQ(ui.updates - updates, 1);
        EXPECT_TRUE(doc->m_mark.rect.isEmpty());
        EXPECT_FALSE(doc->m_bDragging);
        EXPECT_TRUE(view->DragList().empty());
        view.reset();
        DocFixture::TearDown();
    }
}

TEST_F(Mouse, DragOnAChordPageLeavesTheScratchPadAlone)
{
    startView(2);
    searchCMajor();
    AddNamedPadChords(6);
    Ready();
    Band(At(2, 3, 10), At(3, 38, 62));
    ASSERT_TRUE(doc->m_mark.marked);
    Drag(At(2, 21, 40), At(0, 21, 40));
    EXPECT_EQ(PadOrder(), "012345");
    EXPECT_FALSE(doc->m_bDragging);
    EXPECT_FALSE(doc->m_mark.marked);
    EXPECT_EQ(Notes().size(), 6u) << "the press inside the mark plays the chord under it";
}

}  // namespace
