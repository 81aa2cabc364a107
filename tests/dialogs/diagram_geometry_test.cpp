#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "dialogs/search/diagram_geometry.h"
#include "dialogs/search/diagram_widget.h"
#include "engine/voicings.h"
#include "tests/support/qt_print.h"

using dialogs::DiagramGeometry;
using dialogs::DiagramHit;

namespace {

ports::FretNotes StandardFretNotes()
{
    CWord2DimArray table;
    engine::BuildFretboardNotes(engine::kStandardTuning, table);
    ports::FretNotes notes{};
    for (std::uint16_t s = 0; s < 6; ++s)
        for (std::uint16_t f = 0; f < 12; ++f)
            notes[s][f] = *table.At(s, f);
    return notes;
}

struct HitCase {
    int W, H, x, y;
    std::optional<DiagramHit> hit;
};

TEST(DiagramGeometry, ClicksPickAStringAndARow)
{
    // 113 x 127: strings every 18 px from 10, nut at 24, rows every 25 px.
    const std::vector<HitCase> cases = {
        {113, 127, 10, 12, DiagramHit{0, 1}},   // the 6th string's open row
        {113, 127, 10, 40, DiagramHit{0, 2}},   // its first fret
        {113, 127, 100, 115, DiagramHit{5, 5}}, // the 1st string, fourth fret row
        {113, 127, 1, 1, DiagramHit{0, 1}},     // the margin left of the first column still counts
        {113, 127, 0, 40, std::nullopt},        // on the edge
        {113, 127, 113, 40, std::nullopt},
        {113, 127, 50, 127, std::nullopt},
        {113, 127, 112, 40, DiagramHit{5, 2}},  // and the margin right of the last
        {5, 127, 2, 40, std::nullopt},          // too narrow to divide: no click counts
        {113, 4, 50, 2, std::nullopt},
        {0, 0, 0, 0, std::nullopt},
    };
    for (const HitCase& c : cases)
        EXPECT_EQ((DiagramGeometry{c.W, c.H}.HitTest(c.x, c.y)), c.hit) << c.W << "x" << c.H << " " << c.x << "," << c.y;
}

TEST(DiagramGeometry, EveryRowCentreHitsItsOwnRow)
{
    for (const auto& [W, H] : std::vector<std::pair<int, int>>{{113, 127}, {113, 120}, {66, 78}, {200, 240}}) {
        const DiagramGeometry g{W, H};
        for (int c = 0; c < 6; ++c)
            for (int p = 1; p <= 5; ++p) {
                const auto box = g.MarkerBox(c, p);
                ASSERT_TRUE(box);
                const auto hit = g.HitTest(box->left + box->width / 2, box->top + box->height / 2);
                EXPECT_EQ(hit, (DiagramHit{c, p})) << W << "x" << H << " " << c << "," << p;
            }
    }
}

TEST(DiagramGeometry, MarkersOnlyForTheSixStringsAndFiveRows)
{
    const DiagramGeometry g{113, 127};
    EXPECT_EQ(g.MarkerBox(6, 2), std::nullopt);  // one column past the diagram
    EXPECT_EQ(g.MarkerBox(0, 0), std::nullopt);
    EXPECT_EQ(g.MarkerBox(0, 6), std::nullopt);
    EXPECT_EQ(g.MarkerBox(0, 1), (dialogs::DiagramBox{10 - 5, 24 - 12 - 5, 11, 11}));
}

TEST(DiagramNotes, RowsFollowTheBaseFret)
{
    const ports::FretNotes notes = StandardFretNotes();
    struct Case {
        int baseFret, column, position;
        PitchClassMask note;
    };
    const std::vector<Case> cases = {
        {1, 0, 1, 0x080},    // the 6th string open: E
        {1, 0, 2, 0x100},    // first fret: F
        {1, 5, 4, 0x400},    // 1st string, third fret: G
        {10, 0, 2, 0x020},   // base fret 10: fret 10 of E is D
        {10, 0, 1, 0x080},   // the open row stays open
        {20, 0, 5, 0x040},   // fret 23 sounds as fret 11: D#
        {2, 1, 2, 0x004},    // base fret 2 starts at fret 2: B on the A string
        {1, 6, 2, 0},        // no seventh column
        {1, -1, 2, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(dialogs::DiagramNoteAt(notes, c.baseFret, c.column, c.position), c.note)
            << c.baseFret << " " << c.column << " " << c.position;
}

TEST(DiagramNotes, OnlyDotsAreNamed)
{
    const ports::FretNotes notes = StandardFretNotes();
    // x32010 with one eraser byte on the 6th string.
    const ports::DiagramEntry entry = {3, 64 | 4, 64 | 3, 64 | 1, 64 | 2, 64 | 1, 1, 0, 0};
    const dialogs::DiagramNotes named = dialogs::NameDiagram(entry, notes, 1, false);
    EXPECT_EQ(named.mask, 0x488);
    EXPECT_EQ(named.names, (std::array<std::string, 6>{"  ", "C", "E", "G", "C", "E"}));
}

// Dark pixels along a line through the grid, as painted.
int DarkAt(const QImage& image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 64 ? 1 : 0;
}

TEST(DiagramWidget, AlwaysSixStringsAndFiveFrets)
{
    // As the loops are written, 53 wide draws a seventh string past the grid,
    // and a height that is a multiple of 20 puts the fourth fret on the edge.
    for (const auto& [W, H] : std::vector<std::pair<int, int>>{{113, 127}, {53, 100}, {113, 120}}) {
        dialogs::DiagramWidget widget;
        widget.resize(W, H);
        QImage image(W, H, QImage::Format_RGB32);
        widget.render(&image);
        const DiagramGeometry g = widget.Geometry();
        const int midRow = g.FretY(0) + (g.FretY(1) - g.FretY(0)) / 2;
        for (int k = 0; k < 6; ++k)
            EXPECT_EQ(DarkAt(image, g.StringX(k), midRow), 1) << W << "x" << H << " string " << k;
        if (g.StringX(6) < W) {
            EXPECT_EQ(DarkAt(image, g.StringX(6), midRow), 0) << W << "x" << H << " seventh string";
        }
        const int midColumn = g.StringX(0) + (g.StringX(1) - g.StringX(0)) / 2;
        for (int k = 0; k < 5; ++k)
            EXPECT_EQ(DarkAt(image, midColumn, g.FretY(k)), 1) << W << "x" << H << " fret " << k;
    }
}

TEST(DiagramWidget, TheStringsEndInsideTheFrame)
{
    // The frame is 78 dialog units high and the diagram 65 of them.
    for (const auto& [W, H] : std::vector<std::pair<int, int>>{{113, 127}, {66, 78}, {200, 240}, {130, 156}}) {
        dialogs::DiagramWidget widget;
        widget.resize(W, H);
        const DiagramGeometry g = widget.Geometry();
        EXPECT_EQ(g.H, H * 65 / 78) << W << "x" << H;
        QImage image(W, H, QImage::Format_RGB32);
        widget.render(&image);
        for (int k = 0; k < 6; ++k) {
            EXPECT_EQ(DarkAt(image, g.StringX(k), g.StringsBottom() - 1), 1) << W << "x" << H << " string " << k;
            // Clear of the frame's bottom edge, with room to spare.
            for (int y = g.StringsBottom() + 1; y < H - 1; ++y)
                EXPECT_EQ(DarkAt(image, g.StringX(k), y), 0) << W << "x" << H << " string " << k << " at " << y;
        }
        EXPECT_LT(g.StringsBottom() + 2, H - 1) << W << "x" << H;
    }
}

TEST(DiagramWidget, AnOpenStringIsARingAFrettedOneADot)
{
    dialogs::DiagramWidget widget;
    widget.resize(113, 127);
    widget.SetEntry({64 | 1, 64 | 2, 0, 0, 0, 0, 1, 0, 0});
    QImage image(113, 127, QImage::Format_RGB32);
    widget.render(&image);
    const DiagramGeometry g = widget.Geometry();
    const auto ring = *g.MarkerBox(0, 1);
    const auto dot = *g.MarkerBox(1, 2);
    EXPECT_EQ(qGray(image.pixel(ring.left + ring.width / 2, ring.top + ring.height / 2)), 255);
    int edge = 255;
    for (int x = ring.left; x < ring.left + 3; ++x)
        edge = std::min(edge, qGray(image.pixel(x, ring.top + ring.height / 2)));
    EXPECT_LT(edge, 128);
    EXPECT_EQ(DarkAt(image, dot.left + dot.width / 2 + 2, dot.top + dot.height / 2 + 2), 1);
}

}  // namespace
