#include <algorithm>
#include <limits>

#include "tests/document/doc_fixture.h"

namespace {

struct History : DocFixture {
    void SetUp() override
    {
        frame.m_bIncHis = 1;
        frame.m_nHisBufSz = 10;
        startDoc();
    }
    void setHistory(int count, int position)
    {
        doc->m_awHistory.clear();
        for (int i = 1; i <= count; ++i)
            doc->m_awHistory.push_back(static_cast<PitchClassMask>(i));
        doc->m_nHistoryPos = position;
    }
    std::vector<PitchClassMask> entries() const { return doc->m_awHistory; }
};

// A chord found in standard tuning, for pushes.
constexpr PitchClassMask kCMajor = 0x488;

TEST_F(History, PushAtTheBound)
{
    struct Case {
        int count, position;
        std::vector<PitchClassMask> after;
        int positionAfter;
    };
    const std::vector<Case> cases = {
        {10, 10, {2, 3, 4, 5, 6, 7, 8, 9, 10, kCMajor}, 10},
        {10, 3, {1, 2, 3, kCMajor, 4, 5, 6, 7, 8, 10}, 4},
        {10, 5, {2, 3, 4, 5, kCMajor, 6, 7, 8, 9, 10}, 5},
        {3, 1, {1, kCMajor, 2, 3}, 2},
        {0, 0, {kCMajor}, 1},
    };
    for (const auto& c : cases) {
        setHistory(c.count, c.position);
        doc->SearchNewChord(kCMajor, true);
        EXPECT_EQ(entries(), c.after) << c.count << "@" << c.position;
        EXPECT_EQ(doc->m_nHistoryPos, c.positionAfter) << c.count << "@" << c.position;
    }
}

TEST_F(History, ShrinkingNeverRemovesANegativeCount)
{
    // Options shrank the history from 40 entries to a capacity of 10.
    struct Case {
        int count, position;
    };
    const Case cases[] = {{40, 6}, {40, 19}, {40, 20}, {40, 21}, {40, 39}, {40, 1}, {40, 0}, {12, 6}};
    for (const auto& c : cases) {
        setHistory(c.count, c.position);
        doc->TrimHistory(false);
        const auto& h = doc->m_awHistory;
        EXPECT_LE(h.size(), 10u) << c.count << "@" << c.position;
        EXPECT_GE(doc->m_nHistoryPos, 0);
        EXPECT_LE(doc->m_nHistoryPos, static_cast<int>(h.size()));
        // What is left keeps its order.
        EXPECT_TRUE(std::is_sorted(h.begin(), h.end())) << c.count << "@" << c.position;
    }
}

// The stored size is kept as read; a negative one trimmed with signed
// overflow on the first search.
TEST_F(History, SizesOutsideWhatTheHistoryHoldsAreTakenAtTheNearestBound)
{
    struct Case {
        int stored, used;
    };
    const Case cases[] = {{std::numeric_limits<int>::min(), 0},
                          {std::numeric_limits<int>::min() + 1, 0},
                          {-1, 0},
                          {0, 0},
                          {std::numeric_limits<int>::max(), std::numeric_limits<int>::max()}};
    for (const auto& c : cases) {
        frame.m_nHisBufSz = c.stored;
        EXPECT_EQ(doc->GetHistorySize(), c.used) << c.stored;
        for (int count : {0, 9, 10, 40}) {
            setHistory(count, count / 2);
            doc->SearchNewChord(kCMajor, true);
            doc->TrimHistory(false);
            EXPECT_GE(doc->m_nHistoryPos, 0) << c.stored << ", " << count;
            EXPECT_LE(doc->m_nHistoryPos, static_cast<int>(entries().size())) << c.stored << ", " << count;
            EXPECT_LE(entries().size(), static_cast<std::size_t>(count) + 1) << c.stored << ", " << count;
            doc->OnViewBack();
            doc->OnViewEndHistory();
            doc->OnViewClear();
        }
    }
    EXPECT_EQ(frame.m_nHisBufSz, std::numeric_limits<int>::max()) << "the setting itself is left alone";
}

TEST_F(History, HistoryOffKeepsOnlyTheLatestChord)
{
    frame.m_bIncHis = 0;
    setHistory(0, 0);
    doc->SearchNewChord(kCMajor, true);
    doc->SearchNewChord(0x091, true);
    EXPECT_EQ(entries(), std::vector<PitchClassMask>{0x091});
    CCmdUI ui;
    doc->OnUpdateViewBack(ui);
    EXPECT_FALSE(ui.enabled);
}

TEST_F(History, NothingFoundIsSaidAndNotRemembered)
{
    setHistory(2, 2);
    doc->SearchNewChord(0xFFF, true);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"No chords found\nfor selected span"});
    EXPECT_EQ(entries().size(), 2u);
    // The empty chord is pushed like any other.
    doc->SearchNewChord(0, true);
    EXPECT_EQ(entries().back(), 0);
    EXPECT_EQ(doc->m_nHistoryPos, 3);
}

TEST_F(History, AppendLimitOfTheSearchSheet)
{
    frame.m_nHisBufSz = 200;
    setHistory(100, 100);
    doc->SearchNewChord(kCMajor, true);
    EXPECT_EQ(entries().size(), 100u);
    doc->SearchNewChord(kCMajor, false);
    EXPECT_EQ(entries().size(), 101u);
}

TEST_F(History, Navigation)
{
    doc->m_awHistory = {kCMajor, 0x091, 0x089};
    doc->m_nHistoryPos = 2;
    doc->OnViewBack();
    EXPECT_EQ(doc->m_nHistoryPos, 1);
    EXPECT_EQ(doc->m_wChordMask, kCMajor);
    EXPECT_EQ(doc->m_strChordTitle, "C major");
    doc->OnViewBack();
    EXPECT_EQ(doc->m_nHistoryPos, 1);
    doc->OnViewEndHistory();
    EXPECT_EQ(doc->m_nHistoryPos, 3);
    EXPECT_EQ(doc->m_strChordTitle, "A minor");
    doc->OnViewForward();
    EXPECT_EQ(doc->m_nHistoryPos, 3);
    doc->OnViewStartHistory();
    EXPECT_EQ(doc->m_nHistoryPos, 1);
    doc->OnViewForward();
    EXPECT_EQ(doc->m_wChordMask, 0x091);
}

TEST_F(History, ClearRemovesTheCurrentEntry)
{
    doc->m_awHistory = {kCMajor, 0x091};
    doc->m_nHistoryPos = 2;
    doc->m_wChordMask = 0x091;
    doc->OnViewClear();
    EXPECT_EQ(entries(), std::vector<PitchClassMask>{kCMajor});
    EXPECT_EQ(doc->m_wChordMask, kCMajor);
    EXPECT_EQ(doc->m_nVoicingCount, 12);

    // At position 1 the only entry goes and the display empties.
    doc->m_nHistoryPos = 1;
    doc->OnViewClear();
    EXPECT_TRUE(entries().empty());
    EXPECT_EQ(doc->m_nHistoryPos, 0);
    EXPECT_EQ(doc->m_wChordMask, 0);
    EXPECT_EQ(doc->m_nVoicingCount, 0);
    EXPECT_EQ(doc->m_strChordTitle, "");
}

TEST_F(History, ClearAllOnlyWithHistoryOn)
{
    doc->m_awHistory = {kCMajor};
    doc->m_nHistoryPos = 1;
    frame.m_bIncHis = 0;
    doc->OnViewClearAll();
    EXPECT_EQ(entries().size(), 1u);
    frame.m_bIncHis = 1;
    doc->OnViewClearAll();
    EXPECT_TRUE(entries().empty());
    EXPECT_EQ(doc->m_wChordMask, 0);
}

TEST_F(History, ScratchPadClearingAndCount)
{
    doc->m_bScratchPadMode = true;
    doc->m_nPadCount = 2;
    doc->m_astrPadNames[1] = "mine";
    doc->m_astrPadNames2[1] = "second";
    *doc->m_aScratchPad.At(1, pad::AttributesLow) = 0x41;
    *doc->m_aScratchPad.At(1, 0) = 3;
    doc->m_strPadTitle = "Set list";
    doc->OnViewClear();
    EXPECT_EQ(doc->m_nPadCount, 0);
    EXPECT_EQ(doc->m_astrPadNames[1], "");
    EXPECT_EQ(doc->m_astrPadNames2[1], "");
    EXPECT_EQ(*doc->m_aScratchPad.At(1, pad::AttributesLow), 0);
    EXPECT_EQ(*doc->m_aScratchPad.At(1, 0), 3);  // frets stay
    EXPECT_EQ(doc->m_strPadTitle, "Scratch Pad");

    doc->SetScratchPadCount(36);
    EXPECT_EQ(doc->m_nPadCount, 36);
    doc->SetScratchPadCount(37);
    EXPECT_EQ(doc->m_nPadCount, 36);
}

TEST_F(History, WithoutAFrameTheHistoryHoldsTen)
{
    makeDoc();
    EXPECT_FALSE(doc->IsHistoryEnabled());
    EXPECT_EQ(doc->GetHistorySize(), 10);
}

}  // namespace
