#include <QScrollBar>

#include <string>
#include <vector>

#include "document/command_ids.h"
#include "engine/muldiv.h"
#include "tests/view/recording_helpers.h"
#include "tests/view/view_fixture.h"
#include "view/view_geometry.h"

namespace {

using platform::Mapping;
using platform::RecordedOp;
using platform::RecordingSurface;

using View = ViewFixture;

TEST_F(View, ScrollExtentForEachDisplayAndSize)
{
    enum Mode { Chords, Pad, Board };
    struct Case {
        const char* what;
        int sizeIndex;
        Mode mode;
        int count;
        int titleTop;
        Size extent;
    };
    const Case cases[] = {
        {"no voicing", 2, Chords, 0, 1, {11000, 6000}},
        {"one row of scrolling", 2, Chords, 11, 1, {11000, 12000}},
        {"capped", 2, Chords, 21, 1, {11000, 14400}},
        {"six a row, one screen", 3, Chords, 12, 1, {11000, 4800}},
        {"six a row, two", 3, Chords, 13, 1, {11000, 9600}},
        {"three a row, capped", 0, Chords, 7, 1, {11000, 14400}},
        {"empty pad", 2, Pad, 0, 1, {11000, 6250}},
        {"empty pad, names below", 2, Pad, 0, 0, {11000, 6350}},
        {"eleven on the pad", 2, Pad, 11, 1, {11000, 12500}},
        {"pad at four a row", 1, Pad, 9, 0, {11000, 15240}},
        {"fretboard", 2, Board, 0, 1, {11250, 3750}},
        {"fretboard, three a row", 0, Board, 5, 1, {18000, 6000}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        startView(c.sizeIndex);
        frame.m_nChtitleTop = c.titleTop;
        doc->m_bScratchPadMode = c.mode == Pad;
        doc->m_bChordDisplay = c.mode != Board;
        doc->m_nVoicingCount = c.mode == Pad ? 0 : c.count;
        doc->m_nPadCount = c.mode == Pad ? c.count : 0;
        EXPECT_EQ(view::ScrollExtent(*doc, c.titleTop != 0), c.extent);

        view->OnUpdate();
        EXPECT_EQ(view->TotalSize(), c.extent);
        const int deviceHeight = engine::MulDiv(c.extent.cy, 96, 1000);
        EXPECT_EQ(view->GetTotalDeviceSize().cy, deviceHeight);
        EXPECT_EQ(view->verticalScrollBar()->maximum(), std::max(0, deviceHeight - view->viewport()->height()));
        view.reset();
        DocFixture::TearDown();
    }
}

TEST_F(View, ScrollExtentFollowsASizeChangeBeforeAnyPaint)
{
    startView(2);
    searchCMajor(false);  // 20 voicings
    doc->SetSizeIndex(3);  // six a row, twelve a scroll row
    view->OnUpdate();
    EXPECT_EQ(view->TotalSize(), (Size{11000, 4800 + 4800}));
}

TEST_F(View, ScrollExtentIsScaledToTheScreen)
{
    fixedScreen.resolution.logicalDpiX = 120;
    fixedScreen.resolution.logicalDpiY = 144;
    startView(2);
    view->OnUpdate();
    EXPECT_EQ(view->TotalSize(), (Size{13750, 9000}));
}

TEST_F(View, PrintJobsOfferTheirPagesAndTheFretboardLandscape)
{
    enum Mode { Chords, Pad, Board };
    struct Case {
        int sizeIndex;
        Mode mode;
        int count;
        int lastPage;
    };
    const Case cases[] = {
        {0, Chords, 12, 2}, {3, Chords, 12, 1}, {2, Chords, 26, 2}, {2, Chords, 0, 0},
        {0, Pad, 10, 2},    {1, Pad, 16, 1},    {2, Pad, 0, 0},     {2, Board, 0, 1},
    };
    for (const Case& c : cases) {
        startView(c.sizeIndex);
        doc->m_bScratchPadMode = c.mode == Pad;
        doc->m_bChordDisplay = c.mode != Board;
        doc->m_nVoicingCount = c.mode == Chords ? c.count : 0;
        doc->m_nPadCount = c.mode == Pad ? c.count : 0;
        platform::CPrintInfo info;
        EXPECT_TRUE(view->OnPreparePrinting(info));
        EXPECT_EQ(info.GetMaxPage(), c.lastPage) << c.sizeIndex << " " << c.mode << " " << c.count;
        EXPECT_EQ(info.m_bLandscape, c.mode == Board);
        view.reset();
        DocFixture::TearDown();
    }
}

TEST_F(View, HeaderBandSpansThePageWidth)
{
    EXPECT_EQ(view::ChordHeaderBand(6, 11000), (Rect{0, 10, 11000, -410}));
    EXPECT_EQ(view::ChordHeaderBand(3, 11000), (Rect{0, 10, 11000, -810}));
    startView(3);
    const Rect device = view->ChordHeaderDeviceRect();
    EXPECT_EQ(device.left, 0);
    EXPECT_EQ(device.right, 1056);  // the whole page, not the title's start plus 2800
    EXPECT_EQ(device.bottom, 39);
}

TEST_F(View, PagingCommands)
{
    struct Case {
        int command, pages, page, expected;
    };
    const Case cases[] = {
        {cmd::ViewFirstPage, 3, 0, 0},    {cmd::ViewFirstPage, 3, 2, 0},    {cmd::ViewPreviousPage, 3, 0, 0},
        {cmd::ViewPreviousPage, 3, 2, 1}, {cmd::ViewNextPage, 3, 2, 2},     {cmd::ViewNextPage, 3, 0, 1},
        {cmd::ViewLastPage, 1, 0, 0},     {cmd::ViewLastPage, 3, 0, 2},     {cmd::ViewLastPage, 3, 2, 2},
    };
    startView(2);
    for (const Case& c : cases) {
        doc->m_nPageCount = c.pages;
        doc->m_nPage = c.page;
        const int updates = ui.updates;
        ASSERT_TRUE(view->Commands().HasHandler(c.command));
        view->Commands().RunHandler(c.command);
        EXPECT_EQ(doc->m_nPage, c.expected) << c.command << " from " << c.page;
        EXPECT_EQ(ui.updates - updates, c.page != c.expected ? 1 : 0) << c.command << " from " << c.page;
    }
}

TEST_F(View, DisplayModeCommandsAndTheirChecks)
{
    startView(2);
    const auto state = [this](int id) {
        CCmdUI ui;
        EXPECT_TRUE(view->Commands().RunUpdateHandler(id, ui));
        return ui;
    };
    EXPECT_TRUE(state(cmd::ViewChordDisplay).checked);
    EXPECT_FALSE(state(cmd::ViewFretboard).checked);

    // Choosing the checked one switches to the other display.
    view->Commands().RunHandler(cmd::ViewChordDisplay);
    EXPECT_FALSE(doc->m_bChordDisplay);
    EXPECT_TRUE(state(cmd::ViewFretboard).checked);
    view->Commands().RunHandler(cmd::ViewFretboard);
    EXPECT_TRUE(doc->m_bChordDisplay);

    view->Commands().RunHandler(cmd::ViewScratchPad);
    EXPECT_TRUE(doc->m_bScratchPadMode);
    EXPECT_FALSE(state(cmd::ViewChordDisplay).enabled);
    EXPECT_FALSE(state(cmd::ViewFretboard).enabled);
    CCmdUI padState;
    EXPECT_FALSE(view->Commands().RunUpdateHandler(cmd::ViewScratchPad, padState)) << "its check is the document's";
}

TEST_F(View, FretboardClearsTheMarkAndItsTopChordDisplayOnlyTheMark)
{
    startView(2);
    for (const int command : {cmd::ViewChordDisplay, cmd::ViewFretboard}) {
        doc->m_mark.rect = {10, 10, 100, 80};
        doc->m_mark.marked = true;
        doc->m_mark.top = -30;
        view->Commands().RunHandler(command);
        EXPECT_TRUE(doc->m_mark.rect.isEmpty()) << command;
        EXPECT_FALSE(doc->m_mark.marked) << command;
        EXPECT_EQ(doc->m_mark.top, command == cmd::ViewFretboard ? 0 : -30) << command;
    }
}

TEST_F(View, BeforeStartUpOnlyTheBackground)
{
    makeDoc();
    doc->OnNewDocument();
    view = std::make_unique<CKvwinView>(*doc, &fixedScreen, nullptr);
    view->resize(400, 300);
    doc->m_nVoicingCount = 3;  // nothing may read it yet
    RecordingSurface surface;
    view->OnDraw(surface);
    EXPECT_TRUE(surface.log().empty());

    const QImage shot = view->viewport()->grab().toImage();
    ASSERT_FALSE(shot.isNull());
    for (int y = 0; y < shot.height(); y += 7)
        for (int x = 0; x < shot.width(); x += 7)
            ASSERT_EQ(shot.pixelColor(x, y), QColor(Qt::white)) << x << "," << y;
}

TEST_F(View, MarkedBlockIsInvertedWhereverTheViewIsScrolled)
{
    startView(2);
    searchCMajor(false);
    view->OnUpdate();
    // A block over the blank left margin, in pixels of the unscrolled page.
    doc->m_mark.rect = {4, 30, 12, 60};

    QImage shot = view->viewport()->grab().toImage();
    EXPECT_TRUE(doc->m_mark.marked);
    EXPECT_EQ(shot.pixelColor(8, 45), QColor(Qt::black));
    EXPECT_EQ(shot.pixelColor(8, 65), QColor(Qt::white));

    view->verticalScrollBar()->setValue(20);
    shot = view->viewport()->grab().toImage();
    EXPECT_EQ(doc->m_ptScroll, (Point{0, 20}));
    EXPECT_EQ(doc->m_mark.scrolled, (Rect{4, 10, 12, 40}));
    EXPECT_EQ(shot.pixelColor(8, 15), QColor(Qt::black));
    EXPECT_EQ(shot.pixelColor(8, 45), QColor(Qt::white));
}

TEST_F(View, ScrollingNotesTheMarkFromWhereTheViewWasBeforeTheScroll)
{
    startView(2);
    searchCMajor(false);
    view->OnUpdate();
    view->verticalScrollBar()->setValue(50);
    doc->m_mark.rect = {4, 30, 12, 60};
    doc->m_mark.marked = true;
    view->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(doc->m_ptScroll, (Point{0, 50}));
    EXPECT_EQ(doc->m_mark.scrolled, (Rect{4, -20, 12, 10}));
    EXPECT_EQ(doc->m_mark.top, -20);
    EXPECT_GT(view->verticalScrollBar()->value(), 50);
}

TEST_F(View, PrintingLeavesTheScreenMarkAloneAndForgetsItsPage)
{
    startView(0);
    searchCMajor(false);
    doc->m_mark.rect = {4, 30, 12, 60};
    doc->m_mark.marked = false;
    doc->m_ptScroll = {5, 7};
    doc->m_mark.scroll = {5, 7};

    RecordingSurface paper(Mapping::printer(600, 600));
    platform::CPrintInfo info;
    view->OnPreparePrinting(info);
    view->OnBeginPrinting(info);
    for (int page = 1; page <= info.GetMaxPage(); ++page) {
        info.m_nCurPage = page;
        view->OnPrepareDC(paper, &info);
        view->OnPrint(paper, info);
    }
    view->OnEndPrinting(info);

    EXPECT_TRUE(paper.ops(RecordedOp::Kind::InvertRect).empty());
    EXPECT_FALSE(doc->m_mark.marked);
    EXPECT_EQ(doc->m_ptScroll, (Point{5, 7}));
    EXPECT_EQ(view->PrintInfo(), nullptr);
    EXPECT_FALSE(doc->m_bPrinting);
    EXPECT_EQ(rec::PlacesOf(paper, "- 3 -").size(), 1u);

    // The next screen paint shows the document's page, without paper-only texts.
    doc->m_nPage = 1;
    const auto screen = recordScreen();
    const int base = doc->GetVoicing(9)[6];
    const RecordedOp* label = rec::TextAt(*screen, {40 * 80, -22 * 80});
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text, std::to_string(base == 0 ? 1 : base)) << "chord 10 opens page 2";
    for (const RecordedOp& op : rec::TextsOut(*screen))
        EXPECT_NE(op.text.front(), '-') << op.text;
    EXPECT_EQ(screen->ops(RecordedOp::Kind::InvertRect).size(), 1u);
}

TEST_F(View, PrintingWithoutAPageDrawsTheScreenPage)
{
    startView(0);
    searchCMajor(false);
    doc->m_nPage = 1;
    platform::CPrintInfo info;
    view->OnBeginPrinting(info);  // a preview's screen repaint before its first page
    RecordingSurface surface(Mapping::printer(600, 600));
    view->OnDraw(surface);
    view->OnEndPrinting(info);
    for (const RecordedOp& op : rec::TextsOut(surface))
        EXPECT_NE(op.text.front(), '-') << op.text;
    EXPECT_FALSE(rec::PlacesOf(surface, "C major").empty());
}

struct FakeFonts : FontCatalog {
    std::vector<std::string> families;
    mutable int calls = 0;
    std::vector<std::string> ScalableFamilies() const override
    {
        ++calls;
        return families;
    }
};

TEST_F(View, MissingFacesBecomeArialInTheViewAndTheFrame)
{
    startView(2);
    FakeFonts fonts;
    fonts.families = {"DejaVu Sans", "DejaVu Sans", "DejaVu Serif"};
    view::ViewFaces frameFaces{"DejaVu Serif", "No Such Face", ""};
    view->OnInitialUpdate(frameFaces, &fonts);

    EXPECT_EQ(view->Faces().header, "DejaVu Serif");
    EXPECT_EQ(view->Faces().note, "Arial");
    EXPECT_EQ(view->Faces().padTitle, "Arial");
    EXPECT_EQ(frameFaces.header, "DejaVu Serif");
    EXPECT_EQ(frameFaces.note, "Arial");
    EXPECT_EQ(frameFaces.padTitle, "Arial");
    EXPECT_EQ(doc->m_astrFonts, (std::vector<std::string>{"DejaVu Sans", "DejaVu Serif"}));
    EXPECT_TRUE(doc->m_bFontsEnumerated);

    view->OnInitialUpdate(frameFaces, &fonts);
    EXPECT_EQ(fonts.calls, 1) << "the list is gathered once";
}

}  // namespace
