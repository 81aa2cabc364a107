#include "tests/document/doc_fixture.h"

namespace {

using Display = DocFixture;

TEST_F(Display, PageCountsAndChordsOnTheLastPage)
{
    struct Case {
        int sizeIndex, voicings, pages, lastPageChords;
    };
    const Case cases[] = {
        {0, 150, 17, 6}, {2, 150, 6, 25}, {3, 150, 5, 6}, {1, 16, 1, 16}, {1, 17, 2, 1}, {0, 0, 0, 0},
    };
    startDoc();
    for (const auto& c : cases) {
        doc->SetSizeIndex(c.sizeIndex);
        doc->m_nVoicingCount = c.voicings;
        doc->RecountPages();
        EXPECT_EQ(doc->m_nPageCount, c.pages) << c.voicings;
        EXPECT_EQ(doc->m_nPage, 0);
        if (c.pages > 0) {
            doc->m_nPage = c.pages - 1;
            EXPECT_EQ(doc->GetChordsOnPage(), c.lastPageChords) << c.voicings;
        }
    }
}

TEST_F(Display, StatusLineTexts)
{
    struct Case {
        const char* what;
        std::optional<ports::DisplayMetrics> metrics;
        int voicings, page, pages;
        bool chordDisplay, scratchPad;
        int padCount;
        const char* text;
    };
    const ports::DisplayMetrics big{96, 96, 1920, 1080};
    const Case cases[] = {
        {"no view", std::nullopt, 12, 0, 2, true, false, 0, "Tuning: E A D G B E   Inv: 12   Page 1 of 2"},
        {"large 96", big, 12, 1, 2, true, false, 0, "Tuning: E A D G B E   Inv: 12   Page 2 of 2"},
        {"medium 144", ports::DisplayMetrics{144, 144, 1024, 768}, 12, 0, 2, true, false, 0,
         "Tng:E A D G B E  Inv: 12  Pg 1/2"},
        {"small 144", ports::DisplayMetrics{144, 144, 800, 600}, 12, 0, 2, true, false, 0,
         "Tng:E A D G B E  I:12  Pg 1/2"},
        {"small 120", ports::DisplayMetrics{120, 120, 800, 600}, 12, 0, 2, true, false, 0,
         "Tng:E A D G B E  Inv: 12  Pg 1/2"},
        {"small 96", ports::DisplayMetrics{96, 96, 800, 600}, 12, 0, 2, true, false, 0,
         "Tng: E A D G B E   Inv: 12   Page 1 of 2"},
        {"large 144", ports::DisplayMetrics{144, 144, 2560, 1440}, 5, 0, 1, true, false, 0,
         "Tng: E A D G B E   Inv: 5   Page 1 of 1"},
        {"fretboard", big, 12, 0, 2, false, false, 0, "Tuning: E A D G B E   Inv: 12"},
        {"fretboard shortened", ports::DisplayMetrics{144, 144, 800, 600}, 12, 0, 2, false, false, 0,
         "Tng:E A D G B E   Inv: 12"},
        {"nothing found", big, 0, 0, 0, true, false, 0, "Tuning: E A D G B E "},
        {"scratch pad", big, 12, 0, 2, true, true, 7, "Tuning: E A D G B E   No.: 7"},
        {"empty scratch pad", big, 12, 0, 2, true, true, 0, "Tuning: E A D G B E "},
    };
    startDoc();
    for (const auto& c : cases) {
        screen.metrics = c.metrics;
        doc->m_nVoicingCount = c.voicings;
        doc->m_nPage = c.page;
        doc->m_nPageCount = c.pages;
        doc->m_bChordDisplay = c.chordDisplay;
        doc->m_bScratchPadMode = c.scratchPad;
        doc->m_nPadCount = c.padCount;
        EXPECT_TRUE(doc->UpdateStatusLine());
        EXPECT_EQ(ui.panes[2], c.text) << c.what;
    }
}

TEST_F(Display, StatusLineSpellsTheTuningWithTheCurrentFlats)
{
    startDoc();
    doc->m_awTuning = {128, 4, 1024, 32, 1, 2};  // low string tuned to A#/Bb
    doc->BuildFretboardNotes();
    EXPECT_FALSE(doc->m_bStandardTuning);
    doc->m_wFlatFlags = 0x02;
    doc->UpdateStatusLine();
    EXPECT_EQ(ui.panes[2], "Tuning: BbA D G B E ");
}

TEST_F(Display, TitleAndMarkAfterAStatusRefresh)
{
    startDoc();
    doc->m_strChordTitle = "C major";
    doc->m_mark.rect = {10, 10, 200, 300};
    doc->m_mark.hit = {10, 10, 10, 300};  // no width: kept
    doc->m_mark.marked = true;
    doc->UpdateStatusLine();
    EXPECT_EQ(ui.panes[1], "C major");
    EXPECT_EQ(ui.title, "C major");
    EXPECT_TRUE(doc->m_mark.rect.isEmpty());
    EXPECT_EQ(doc->m_mark.hit.right, 10);
    EXPECT_EQ(doc->m_mark.hit.bottom, 300);
    EXPECT_FALSE(doc->m_mark.marked);

    doc->m_bScratchPadMode = true;
    doc->UpdateStatusLine();
    EXPECT_EQ(ui.title, "Scratch Pad");

    ui.statusBar = false;
    ui.title = "unchanged";
    EXPECT_FALSE(doc->UpdateStatusLine());
    EXPECT_EQ(ui.title, "unchanged");
}

TEST_F(Display, SizeBoxChoices)
{
    frame.m_wExp = 1;  // wide windows, six per row
    startDoc();
    doc->m_wChordMask = 0x488;
    doc->FindVoicings(0x488);
    ASSERT_EQ(doc->m_nVoicingCount, 20);

    ui.updates = 0;
    doc->OnSelchangeSize(3);  // already six per row
    EXPECT_EQ(ui.updates, 0);

    doc->m_nPage = 1;
    doc->OnSelchangeSize(0);
    EXPECT_EQ(doc->m_nScale, 80);
    EXPECT_EQ(frame.m_wExp, 7);
    EXPECT_EQ(doc->m_nPageCount, 3);
    EXPECT_EQ(doc->m_nPage, 0);
    EXPECT_EQ(ui.updates, 1);

    doc->OnSelchangeSize(-1);
    doc->OnSelchangeSize(4);
    EXPECT_EQ(doc->m_nScale, 80);

    // The Size dialog's way: the box is set to follow.
    ui.sizeCombo.clear();
    doc->SetSizeIndex(2);
    doc->StoreSizeChoice(false);
    EXPECT_EQ(frame.m_wExp, 3);
    EXPECT_EQ(ui.sizeCombo, std::vector<int>{5});
}

TEST_F(Display, ReducedSpanToggleSearchesAgain)
{
    startDoc();
    EXPECT_TRUE(doc->IsReducedSpan());
    doc->m_wChordMask = 0x488;
    doc->FindVoicings(0x488);
    EXPECT_EQ(doc->m_nVoicingCount, 12);
    EXPECT_EQ(doc->m_strChordTitle, "C major");
    doc->OnReducedSpan();
    EXPECT_FALSE(doc->IsReducedSpan());
    EXPECT_EQ(doc->m_nVoicingCount, 20);
    EXPECT_EQ(doc->m_nSpanExtra, 1);
    CCmdUI ui;
    doc->OnUpdateReducedSpan(ui);
    EXPECT_TRUE(ui.hasCheck);
    EXPECT_FALSE(ui.checked);
}

TEST_F(Display, UpdateRules)
{
    startDoc();
    struct Case {
        const char* what;
        bool scratchPad, chordDisplay, marked;
        int page, pages, padCount;
        bool first, prev, next, copy, copyToPad, cutFromPad, attributes, loadHtml, search;
    };
    const Case cases[] = {
        {"first page of two", false, true, false, 0, 2, 0, false, false, true, false, false, false, false, false, true},
        {"second page of two", false, true, true, 1, 2, 0, true, true, false, true, true, false, false, false, true},
        {"fretboard", false, false, true, 1, 2, 0, false, false, false, true, false, false, false, false, true},
        {"one page", false, true, false, 0, 1, 0, false, false, false, false, false, false, false, false, true},
        {"scratch pad marked", true, true, true, 1, 3, 2, false, false, false, true, false, true, true, true, false},
        {"scratch pad empty", true, true, true, 0, 0, 0, false, false, false, true, false, true, false, true, false},
    };
    for (const auto& c : cases) {
        doc->m_bScratchPadMode = c.scratchPad;
        doc->m_bChordDisplay = c.chordDisplay;
        doc->m_mark.marked = c.marked;
        doc->m_nPage = c.page;
        doc->m_nPageCount = c.pages;
        doc->m_nPadCount = c.padCount;
        auto state = [&](void (CKvwinDoc::*handler)(CCmdUI&) const) {
            CCmdUI ui;
            (doc.get()->*handler)(ui);
            return ui.enabled;
        };
        EXPECT_EQ(state(&CKvwinDoc::OnUpdateViewFirstPage), c.first) << c.what;
        EXPECT_EQ(state(&CKvwinDoc::OnUpdateViewPreviousPage), c.prev) << c.what;
        EXPECT_EQ(state(&CKvwinDoc::OnUpdateViewNextPage), c.next) << c.what;
        EXPECT_EQ(state(&CKvwinDoc::OnUpdateViewLastPage), c.next) << c.what;
        EXPECT_EQ(state(&CKvwinDoc::OnUpdateEditCopy), c.copy) << c.what;
        EXPECT_EQ(state(&CKvwinDoc::OnUpdateEditCopyToScratchPad), c.copyToPad) << c.what;
        EXPECT_EQ(state(&CKvwinDoc::OnUpdateEditCutFromScratchPad), c.cutFromPad) << c.what;
        EXPECT_EQ(state(&CKvwinDoc::OnUpdateEditAttributesOfScratchPadChord), c.attributes) << c.what;
        EXPECT_EQ(state(&CKvwinDoc::OnUpdateFileLoadHtmlToScratchPad), c.loadHtml) << c.what;
        EXPECT_EQ(state(&CKvwinDoc::OnUpdateSearch), c.search) << c.what;
        EXPECT_EQ(state(&CKvwinDoc::OnUpdateReducedSpan), c.search) << c.what;
    }
}

}  // namespace
