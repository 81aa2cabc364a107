#include <algorithm>
#include <string>
#include <vector>

#include "engine/word_table.h"
#include "tests/view/recording_helpers.h"
#include "tests/view/view_fixture.h"

namespace {

using platform::Mapping;
using platform::RecordedOp;
using platform::RecordingSurface;

using ChordPage = ViewFixture;
using rec::Pts;

// Voicing i is a barre at fret i + 1 with the window starting there, so its
// base-fret label names it; above fret 20 the strings are not played.
void FillBarres(CKvwinDoc& doc, int count)
{
    for (int i = 0; i < count; ++i) {
        for (std::uint16_t c = 0; c < 7; ++c)
            *doc.m_aVoicings.At(static_cast<std::uint16_t>(i), c) = static_cast<std::uint16_t>(i + 1);
    }
    doc.m_nVoicingCount = count;
    doc.m_strChordTitle = "Barres";
}

TEST_F(ChordPage, DiagramsLandInTheirCellsOfThePage)
{
    struct Case {
        int sizeIndex, page, chord;
        Point label;         // base-fret number
        Rect dot;            // string 1 at the first fret space
        Point lineTop, lineBottom;  // the 6th string
    };
    const Case cases[] = {
        {2, 0, 0, {2000, -1100}, {1700, -1100, 1900, -1300}, {300, -1000}, {300, -2950}},
        {2, 0, 7, {6400, -3700}, {6100, -3700, 6300, -3900}, {4700, -3600}, {4700, -5550}},
        {1, 1, 19, {10320, -1320}, {9960, -1320, 10200, -1560}, {8280, -1200}, {8280, -3540}},
        {3, 0, 17, {10400, -5040}, {10160, -5040, 10320, -5200}, {9040, -4960}, {9040, -6520}},
        {0, 2, 18, {3200, -1760}, {2720, -1760, 3040, -2080}, {480, -1600}, {480, -4720}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chord);
        startView(c.sizeIndex);
        FillBarres(*doc, 40);
        doc->m_nPage = c.page;
        const auto surface = recordScreen();

        EXPECT_EQ(rec::PlacesOf(*surface, std::to_string(c.chord + 1)), Pts({c.label}));
        const RecordedOp* dot = rec::DotAt(*surface, c.dot);
        ASSERT_NE(dot, nullptr);
        EXPECT_TRUE(dot->filled);
        EXPECT_TRUE(rec::HasLine(*surface, c.lineTop, c.lineBottom));
        // One title a page, at the top whatever the page.
        EXPECT_EQ(rec::PlacesOf(*surface, "Barres"), Pts({{1200, -doc->m_nScale}}));

        const int perPage = (c.sizeIndex + 3) * (c.sizeIndex + 3);
        const int first = c.page * perPage;
        if (first > 0) {
            EXPECT_TRUE(rec::PlacesOf(*surface, std::to_string(first)).empty()) << "previous page drawn";
        }
        EXPECT_TRUE(rec::PlacesOf(*surface, std::to_string(first + perPage + 1)).empty()) << "next page drawn";
        view.reset();
        DocFixture::TearDown();
    }
}

TEST_F(ChordPage, OpenStringsAreRingsFrettedNotesDotsUnplayedStringsNothing)
{
    startView(2);
    searchCMajor();
    const auto surface = recordScreen();

    // x32010 with the low E open: 0 1 0 2 3 0 from string 1.
    const RecordedOp* open = rec::DotAt(*surface, {1700, -700, 1900, -900});
    ASSERT_NE(open, nullptr);
    EXPECT_FALSE(open->filled);
    const RecordedOp* fretted = rec::DotAt(*surface, {1400, -1100, 1600, -1300});
    ASSERT_NE(fretted, nullptr);
    EXPECT_TRUE(fretted->filled);
    EXPECT_EQ(fretted->argb, 0xFF000000u);
    EXPECT_EQ(rec::PlacesOf(*surface, "1").front(), (Point{2000, -1100}));
    ASSERT_NE(rec::TextAt(*surface, {1750, -3000}), nullptr);
    EXPECT_EQ(rec::TextAt(*surface, {1750, -3000})->text, "E");

    // Voicing 5, 3 1 x 2 3 3 from string 1, in column 4: five dots, nothing on string 3.
    const int x0 = 4 * 44 * 50;
    int dotsInCell = 0;
    for (const RecordedOp& dot : rec::Dots(*surface)) {
        if (dot.rect.left >= x0 && dot.rect.right <= x0 + 44 * 50 && dot.rect.top > -2600) {
            ++dotsInCell;
            EXPECT_NE(dot.rect.left, x0 + 22 * 50) << "string 3 is not played";
        }
    }
    EXPECT_EQ(dotsInCell, 5);
    EXPECT_EQ(rec::TextAt(*surface, {x0 + 23 * 50, -3000}), nullptr);
}

TEST_F(ChordPage, NoteNamesOnFretsMoveLeftAtSixARow)
{
    struct Case {
        int sizeIndex;
        Point c;  // string 2 at fret 1 of the open C shape
    };
    for (const Case& c : {Case{2, {1450, -1100}}, Case{3, {1120, -880}}, Case{0, {2320, -1760}}}) {
        startView(c.sizeIndex);
        doc->m_nNotefret = 1;
        searchCMajor();
        const auto surface = recordScreen();
        const RecordedOp* name = rec::TextAt(*surface, c.c);
        ASSERT_NE(name, nullptr) << c.sizeIndex;
        EXPECT_EQ(name->text, "C");
        EXPECT_NE(name->state.textColour, 0u) << "notes in their colours";
        EXPECT_TRUE(rec::Dots(*surface).empty());
        view.reset();
        DocFixture::TearDown();
    }
}

TEST_F(ChordPage, GermanNamesTakeASmallerNoteFont)
{
    for (const int deutsch : {0, 1}) {
        startView(2);
        doc->m_nDeutsch = deutsch;
        searchCMajor();
        const auto surface = recordScreen();
        const RecordedOp* name = rec::TextAt(*surface, {1750, -3000});
        ASSERT_NE(name, nullptr);
        EXPECT_EQ(name->state.font.height, Mapping::screen().pointFontHeight(deutsch ? 108 : 120));
        view.reset();
        DocFixture::TearDown();
    }
}

TEST_F(ChordPage, HeaderFontFollowsTheGridAndTheScreenClass)
{
    struct Case {
        int sizeIndex;
        double pixelRatio;
        int tenths;
    };
    const Case cases[] = {
        {0, 1.0, 270}, {0, 1.5, 216}, {1, 1.0, 270}, {1, 1.5, 216}, {2, 1.5, 216}, {3, 1.0, 180}, {3, 1.5, 180},
    };
    for (const Case& c : cases) {
        fixedScreen.resolution.devicePixelRatio = c.pixelRatio;
        startView(c.sizeIndex);
        searchCMajor();
        const auto surface = recordScreen();
        const std::vector<RecordedOp> texts = rec::TextsOut(*surface);
        const auto title = std::find_if(texts.begin(), texts.end(), [](auto& op) { return op.text == "C major"; });
        ASSERT_NE(title, texts.end());
        EXPECT_EQ(title->state.font.height, Mapping::screen().pointFontHeight(c.tenths))
            << c.sizeIndex << " at " << c.pixelRatio;
        EXPECT_EQ(title->state.font.weight, 450);
        view.reset();
        DocFixture::TearDown();
    }
}

TEST_F(ChordPage, NothingToShowDrawsNothingNotEvenTheTitle)
{
    startView(2);
    doc->m_strChordTitle = "Stale";
    for (const bool scratchPad : {false, true}) {
        doc->m_bScratchPadMode = scratchPad;
        const auto surface = recordScreen();
        EXPECT_TRUE(rec::TextsOut(*surface).empty()) << scratchPad;
        EXPECT_TRUE(surface->ops(RecordedOp::Kind::LineTo).empty()) << scratchPad;
    }
}

TEST_F(ChordPage, ScratchPadMarksFingersAndNameLines)
{
    startView(2);
    doc->m_bScratchPadMode = true;
    // 0 1 0 2 3 x from string 1: finger 1 on string 2, X on the open 3rd,
    // finger 6 on string 4, thumb on string 5, X on the unplayed 6th.
    addPadChord({0, 1, 0, 2, 3, 21}, 0, finger(1, 1) | xMark(2) | finger(3, 6) | finger(4, 5) | xMark(5),
                "Cmaj", "open");
    const auto surface = recordScreen();

    const std::vector<Point> xs = rec::PlacesOf(*surface, "X");
    EXPECT_EQ(xs, (Pts({{1150, -700}, {250, -700}})));
    // Fingers are white circles with the number in them.
    const RecordedOp* circle = rec::DotAt(*surface, {1400, -1100, 1600, -1300});
    ASSERT_NE(circle, nullptr);
    EXPECT_EQ(circle->kind, RecordedOp::Kind::Ellipse);
    EXPECT_EQ(circle->state.brush.colour, platform::kWhite);
    EXPECT_EQ(rec::PlacesOf(*surface, "1"), (Pts({{1450, -1100}, {2000, -1100}})));
    EXPECT_EQ(rec::PlacesOf(*surface, "T"), Pts({{550, -1900}}));
    // Finger 6 shows nothing: a plain dot.
    const RecordedOp* plain = rec::DotAt(*surface, {800, -1500, 1000, -1700});
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(plain->kind, RecordedOp::Kind::PlusEllipse);
    EXPECT_EQ(rec::PlacesOf(*surface, "Cmaj"), Pts({{300, -400}}));
    EXPECT_EQ(rec::PlacesOf(*surface, "open"), Pts({{300, -650}}));
    EXPECT_EQ(rec::PlacesOf(*surface, "Scratch Pad"), Pts({{1200, -50}}));

    // Note names on frets: marks and fingers move under the frame.
    doc->m_nNotefret = 1;
    const auto names = recordScreen();
    EXPECT_EQ(rec::PlacesOf(*names, "X"), (Pts({{1150, -3000}, {250, -3000}})));
    EXPECT_EQ(rec::PlacesOf(*names, "T"), Pts({{550, -3000}}));
    EXPECT_EQ(rec::TextAt(*names, {850, -3000}), nullptr);
    EXPECT_EQ(rec::TextAt(*names, {1450, -3000})->text, "1");
}

TEST_F(ChordPage, ScratchPadSettingsMoveTheNamesAndHideTheTitle)
{
    startView(2);
    doc->m_bScratchPadMode = true;
    addPadChord({0, 1, 0, 2, 3, 21}, 0, 0, "Cmaj", "open");
    frame.m_nChtitleTop = 0;
    frame.m_nPgtitle = 0;
    const auto surface = recordScreen();
    EXPECT_EQ(rec::PlacesOf(*surface, "Cmaj"), Pts({{300, -3200}}));
    EXPECT_EQ(rec::PlacesOf(*surface, "open"), Pts({{300, -3450}}));
    EXPECT_TRUE(rec::PlacesOf(*surface, "Scratch Pad").empty());
}

TEST_F(ChordPage, AllScratchPadChordsShowOnOnePage)
{
    startView(0);  // three a row: nine to a page of voicings
    doc->m_bScratchPadMode = true;
    for (int i = 0; i < 12; ++i)
        addPadChord({i + 1, 21, 21, 21, 21, 21}, i + 1);
    const auto surface = recordScreen();
    // Chord 12 stands in row 3, column 2 of rows 60 units high.
    EXPECT_EQ(rec::PlacesOf(*surface, "12"), Pts({{2 * 44 * 80 + 40 * 80, -(3 * 60 + 22) * 80}}));
}

// Prints one page of what the view shows into a recording at twips.
std::unique_ptr<RecordingSurface> PrintPage(CKvwinView& view, int page)
{
    auto surface = std::make_unique<RecordingSurface>(Mapping::printer(600, 600));
    platform::CPrintInfo info;
    view.OnPreparePrinting(info);
    view.OnBeginPrinting(info);
    info.m_nCurPage = page;
    view.OnPrepareDC(*surface, &info);
    view.OnPrint(*surface, info);
    view.OnEndPrinting(info);
    return surface;
}

TEST_F(ChordPage, PrintedPagesCarryFooterAndTuningLine)
{
    startView(0);
    searchCMajor(false);  // 20 voicings: three pages of nine
    const auto standard = PrintPage(*view, 3);
    EXPECT_EQ(rec::PlacesOf(*standard, "- 3 -"), Pts({{4960, -(52 * 3 + 30) * 80}}));
    for (const RecordedOp& op : rec::TextsOut(*standard))
        EXPECT_EQ(op.text.find("Tuning"), std::string::npos);
    // Page 3 starts with chord 19 in the first cell, and paper takes GDI dots.
    EXPECT_EQ(rec::PlacesOf(*standard, "C major"), Pts({{1200, -80}}));
    ASSERT_FALSE(rec::Dots(*standard).empty());
    for (const RecordedOp& dot : rec::Dots(*standard))
        EXPECT_EQ(dot.kind, RecordedOp::Kind::Ellipse);

    doc->m_awTuning[5] = 32;  // drop D
    doc->BuildFretboardNotes();
    const auto dropD = PrintPage(*view, 1);
    EXPECT_EQ(rec::PlacesOf(*dropD, "Tuning: D (6)A (5)D (4)G (3)B (2)E (1)"), Pts({{7200, -9}}));
    EXPECT_EQ(rec::PlacesOf(*dropD, "- 1 -").size(), 1u);

    doc->m_bScratchPadMode = true;
    addPadChord({0, 1, 0, 2, 3, 21}, 0);
    const auto pad = PrintPage(*view, 1);
    EXPECT_EQ(rec::PlacesOf(*pad, "- 1 -"), Pts({{4960, -62 * 3 * 80}}));
}

TEST_F(ChordPage, FretsAboveFifteenAreReadThroughTheNoteAccessor)
{
    std::vector<std::string> errors;
    const auto previous = engine::SetWordTableErrorSink([&](const std::string& m) { errors.push_back(m); });
    startView(2);
    doc->m_bScratchPadMode = true;
    // Fret 17 on the high E is an A; the window starts at 15.
    addPadChord({17, 21, 21, 21, 21, 21}, 15);
    const auto dots = recordScreen();
    EXPECT_NE(rec::DotAt(*dots, {1700, -1900, 1900, -2100}), nullptr);
    EXPECT_EQ(rec::TextAt(*dots, {1750, -3000})->text, "A");
    doc->m_nNotefret = 1;
    const auto names = recordScreen();
    EXPECT_EQ(rec::TextAt(*names, {1750, -1900})->text, "A");
    EXPECT_TRUE(errors.empty()) << errors.front();
    engine::SetWordTableErrorSink(previous);
}

TEST_F(ChordPage, NotesOutsideTheFrameOrTheNeckAreSkipped)
{
    startView(2);
    doc->m_bScratchPadMode = true;
    // Window at 3: fret 9 would fall on the names under the frame, the open
    // string above the cell; fret 25 does not exist.
    addPadChord({9, 0, 25, 21, 21, 21}, 3);
    const auto dots = recordScreen();
    EXPECT_TRUE(rec::Dots(*dots).empty());
    EXPECT_EQ(rec::TextAt(*dots, {1450, -3000})->text, "B");
    EXPECT_EQ(rec::TextAt(*dots, {1150, -3000}), nullptr) << "fret 25 is not played";

    doc->m_nNotefret = 1;
    const auto names = recordScreen();
    for (const RecordedOp& op : rec::TextsOut(*names))
        EXPECT_TRUE(op.text == "3" || op.text == "Scratch Pad") << op.text << " at " << op.to.y;
}

}  // namespace
