#include <algorithm>
#include <string>
#include <vector>

#include "tests/view/recording_helpers.h"
#include "tests/view/view_fixture.h"

namespace {

using platform::Mapping;
using platform::RecordedOp;
using platform::RecordingSurface;

using Fretboard = ViewFixture;
using rec::Pts;

bool IsNoteName(const std::string& text)
{
    static const std::vector<std::string> kStrings = {"1st", "2nd", "3rd", "4th", "5th", "6th"};
    return text.back() != '.' && std::find(kStrings.begin(), kStrings.end(), text) == kStrings.end();
}

std::vector<RecordedOp> NoteNames(const RecordingSurface& surface)
{
    std::vector<RecordedOp> names;
    for (const RecordedOp& op : rec::TextsOut(surface))
        if (IsNoteName(op.text))
            names.push_back(op);
    return names;
}

TEST_F(Fretboard, WithoutASearchEveryNoteOfTheBoard)
{
    struct Case {
        int sizeIndex, lastFret, stringEnd;
        bool endLine;
    };
    for (const Case& c : {Case{2, 15, 210, true}, Case{3, 15, 210, true}, Case{0, 14, 198, false}}) {
        SCOPED_TRACE(c.sizeIndex);
        startView(c.sizeIndex);
        doc->m_bChordDisplay = false;
        const int s = doc->m_nScale;
        const auto surface = recordScreen();

        const std::vector<RecordedOp> names = NoteNames(*surface);
        EXPECT_EQ(names.size(), 6u * (c.lastFret + 1));
        // High E open left of the nut; the low E's third fret is a G.
        ASSERT_NE(rec::TextAt(*surface, {18 * s, -26 * s}), nullptr);
        EXPECT_EQ(rec::TextAt(*surface, {18 * s, -26 * s})->text, "E");
        EXPECT_EQ(rec::TextAt(*surface, {54 * s, -66 * s})->text, "G");
        for (const RecordedOp& name : names)
            EXPECT_EQ(name.state.bkMode, platform::BkMode::Opaque) << "names sit on white boxes";

        EXPECT_EQ(rec::PlacesOf(*surface, "1."), Pts({{30 * s, -18 * s}}));
        EXPECT_EQ(rec::PlacesOf(*surface, std::to_string(c.lastFret) + ".").size(), 1u);
        EXPECT_TRUE(rec::PlacesOf(*surface, std::to_string(c.lastFret + 1) + ".").empty());
        EXPECT_TRUE(rec::PlacesOf(*surface, "0.").empty());
        EXPECT_EQ(rec::PlacesOf(*surface, "6th"), Pts({{6 * s, -66 * s}}));

        EXPECT_TRUE(rec::HasLine(*surface, {26 * s, -28 * s}, {c.stringEnd * s, -28 * s}));
        EXPECT_EQ(rec::HasLine(*surface, {206 * s, -28 * s}, {206 * s, -68 * s}), c.endLine);
        EXPECT_TRUE(rec::HasLine(*surface, {194 * s, -28 * s}, {194 * s, -68 * s}));
        EXPECT_TRUE(rec::PlacesOf(*surface, "").empty());
        view.reset();
        DocFixture::TearDown();
    }
}

TEST_F(Fretboard, AfterASearchOnlyTheChordsNotesAndItsName)
{
    startView(2);
    searchCMajor();
    doc->m_bChordDisplay = false;
    const auto surface = recordScreen();
    for (const RecordedOp& name : NoteNames(*surface)) {
        if (name.text == "C major")
            continue;
        EXPECT_TRUE(name.text == "C" || name.text == "E" || name.text == "G") << name.text;
        EXPECT_NE(name.state.textColour, 0u) << name.text;
    }
    // The high E's first fret is an F; its third a G.
    EXPECT_EQ(rec::TextAt(*surface, {1500, -1300}), nullptr);
    EXPECT_EQ(rec::TextAt(*surface, {2700, -1300})->text, "G");
    EXPECT_EQ(rec::PlacesOf(*surface, "C major"), Pts({{1200, -50}}));
    EXPECT_EQ(rec::PlacesOf(*surface, "15.").size(), 1u);

    doc->m_nNocol = 1;
    for (const RecordedOp& name : NoteNames(*recordScreen()))
        EXPECT_EQ(name.state.textColour, 0u) << "monochrome";
}

TEST_F(Fretboard, NutIsAWidePenScaledLikeTheBoard)
{
    fixedScreen.resolution.logicalDpiX = 120;
    fixedScreen.resolution.logicalDpiY = 120;
    startView(2);
    doc->m_bChordDisplay = false;
    const auto surface = recordScreen();
    bool found = false;
    for (const RecordedOp& line : surface->ops(RecordedOp::Kind::LineTo)) {
        if (line.from == Point{1625, -1750} && line.to == Point{1625, -4250}) {
            found = true;
            EXPECT_EQ(line.state.pen.width, 25);
        } else {
            EXPECT_EQ(line.state.pen.width, 13) << "the view's pen";
        }
    }
    EXPECT_TRUE(found);
}

TEST_F(Fretboard, PrintedBoardAddsTheTuningOnlyWhenNotStandard)
{
    startView(2);
    doc->m_bChordDisplay = false;
    const auto print = [this] {
        auto surface = std::make_unique<RecordingSurface>(Mapping::printer(600, 600));
        platform::CPrintInfo info;
        view->OnPreparePrinting(info);
        EXPECT_EQ(info.GetMaxPage(), 1);
        EXPECT_TRUE(info.m_bLandscape);
        view->OnBeginPrinting(info);
        view->OnPrint(*surface, info);
        view->OnEndPrinting(info);
        return surface;
    };
    for (const RecordedOp& op : rec::TextsOut(*print()))
        EXPECT_EQ(op.text.find("Tuning"), std::string::npos);

    doc->m_awTuning[5] = 32;  // drop D
    doc->BuildFretboardNotes();
    const auto dropD = print();
    EXPECT_EQ(rec::PlacesOf(*dropD, "Tuning: D(6)A(5)D(4)G(3)B(2)E(1)"), Pts({{6 * 50 + 1200, -250}}));
    for (const RecordedOp& line : dropD->ops(RecordedOp::Kind::LineTo))
        EXPECT_TRUE(line.state.pen.width == 10 || line.state.pen.width == 20);
}

}  // namespace
