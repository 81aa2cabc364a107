#include <gtest/gtest.h>

#include <vector>

#include "engine/chord_names.h"
#include "view/hit_test.h"

namespace {

using view::HitLayout;
using view::kDropMarker;

// A point u, v units into cell (c, r) of a grid with unit s and row height h.
Point InCell(int c, int r, double u, double v, int s, int h = 52)
{
    return {static_cast<int>((44 * c + u) * s), -static_cast<int>((h * r + v) * s)};
}

TEST(HitTest, ChordAndStartStringUnderAPoint)
{
    const HitLayout five{50, 5, false, 0, 0};
    const HitLayout fivePage2{50, 5, false, 1, 0};
    const HitLayout six{40, 6, false, 0, 0};
    const HitLayout padFive{50, 5, true, 0, 7};
    const HitLayout padThree{80, 3, true, 0, 36};
    struct Case {
        const char* what;
        HitLayout layout;
        Point p;
        std::uint8_t startIn;
        bool aboveFrame;
        int leftIndex;
        int leftStart;
        int rightStart;  // the right button hits the same chord
    };
    const Case cases[] = {
        {"frame of the second diagram", five, InCell(1, 0, 21, 40, 50), 0, false, 1, 0, 0},
        {"pick strip between the 2nd and the 1st string", five, InCell(1, 0, 33, 24, 50), 0, false, 1, 5, 1},
        {"pick strip between the 4th and the 3rd string", five, InCell(1, 0, 21, 24, 50), 0, false, 1, 3, 3},
        {"pick strip between the 6th and the 5th string", five, InCell(1, 0, 9, 24, 50), 0, false, 1, 1, 5},
        {"pick strip within 6 units of the cell's edge", five, InCell(1, 0, 5.5, 24, 50), 0, false, -1, 0, 0},
        {"left margin of a cell", five, InCell(1, 0, 4, 40, 50), 0, false, -1, 0, 0},
        {"gap between two cells", five, InCell(0, 0, 40, 40, 50), 0, false, -1, 0, 0},
        {"between rows, above the band top", five, InCell(1, 1, 21, 10, 50), 0, false, -1, 0, 0},
        {"second row", five, InCell(1, 1, 21, 40, 50), 0, false, 6, 0, 0},
        {"second page", fivePage2, InCell(1, 0, 21, 40, 50), 0, false, 26, 0, 0},
        {"row past the grid", five, InCell(1, 5, 21, 40, 50), 0, false, -1, 0, 0},
        {"column past the grid", five, InCell(5, 0, 20, 40, 50), 0, false, -1, 0, 0},
        {"sixth column", six, InCell(5, 0, 20, 40, 40), 0, false, 5, 0, 0},
        {"right of the sixth column", six, InCell(5, 0, 40, 40, 40), 0, false, -1, 0, 0},
        {"far right of the sixth column", six, InCell(9, 0, 20, 40, 40), 0, false, -1, 0, 0},
        {"pad: the free place after the last chord", padFive, InCell(2, 1, 21, 40, 50, 60), 0, false, 7, 0, 0},
        {"pad: past the free place", padFive, InCell(3, 1, 21, 40, 50, 60), 0, false, -1, 0, 0},
        {"pad: a row with no chords", padFive, InCell(0, 2, 21, 40, 50, 60), 0, false, -1, 0, 0},
        {"pad: twelfth row", padThree, InCell(1, 11, 21, 40, 80, 60), 0, false, 34, 0, 0},
        {"pad: below the twelfth row", padThree, InCell(1, 11, 21, 69, 80, 60), 0, false, -1, 0, 0},
        {"pad: just above the frame", padFive, InCell(1, 0, 21, 17, 50, 60), 0, true, 1, 0, 0},
        {"pad: the frame is not above it", padFive, InCell(1, 0, 21, 40, 50, 60), 0, true, -1, 0, 0},
        {"drop onto a margin", padFive, InCell(1, 0, 2, 40, 50, 60), kDropMarker, false, 1, kDropMarker,
         kDropMarker},
        {"drop onto a pick strip", padFive, InCell(1, 0, 33, 24, 50, 60), kDropMarker, false, 1, kDropMarker,
         kDropMarker},
        {"drop below the twelfth row", padThree, InCell(1, 11, 21, 69, 80, 60), kDropMarker, false, 34,
         kDropMarker, kDropMarker},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::uint8_t start = c.startIn;
        EXPECT_EQ(view::HitTestChord(c.layout, c.p, start, c.aboveFrame, true), c.leftIndex);
        if (c.leftIndex >= 0) {
            EXPECT_EQ(start, c.leftStart);
        }
        start = c.startIn;
        EXPECT_EQ(view::HitTestChord(c.layout, c.p, start, c.aboveFrame, false), c.leftIndex);
        if (c.leftIndex >= 0) {
            EXPECT_EQ(start, c.rightStart);
        }
    }
}

TEST(HitTest, CellsWhollyInsideAMark)
{
    // Five a row at unit 50; the mark in layout units, y up.
    const auto mark = [](double left, double top, double right, double bottom) {
        return Rect{static_cast<int>(left * 50), -static_cast<int>(top * 50), static_cast<int>(right * 50),
                    -static_cast<int>(bottom * 50)};
    };
    struct Case {
        const char* what;
        Rect mark;
        int chordsOnPage;
        std::vector<int> cells;
    };
    const Case cases[] = {
        {"one frame from the 6th string to the 1st, top to band bottom", mark(5, 19, 37, 60), 25, {0}},
        {"the band bottom is not covered", mark(5, 19, 37, 58), 25, {}},
        {"the 1st string is not covered", mark(5, 19, 35, 60), 25, {}},
        {"two by two", mark(49, 19, 125, 112), 25, {1, 2, 6, 7}},
        {"cells past the page's chords", mark(0, 0, 220, 112), 7, {0, 1, 2, 3, 4, 5, 6}},
        {"a mark between the frames", mark(37, 0, 49, 300), 25, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(view::WhollyMarkedCells(c.mark, 50, 5, 5, 52, c.chordsOnPage), c.cells);
    }
}

TEST(HitTest, DropOrder)
{
    struct Case {
        int count;
        std::vector<int> dragged;
        int drop;
        std::vector<int> order;
    };
    const Case cases[] = {
        {6, {2, 3}, 0, {2, 3, 0, 1, 4, 5}},
        {6, {2, 3}, 6, {0, 1, 4, 5, 2, 3}},
        {6, {2, 3}, 2, {0, 1, 2, 3, 4, 5}},
        {6, {2, 3}, 3, {0, 1, 2, 3, 4, 5}},
        {6, {2, 3}, 4, {0, 1, 2, 3, 4, 5}},
        {6, {0}, 5, {1, 2, 3, 4, 0, 5}},
        {6, {4, 5}, 1, {0, 4, 5, 1, 2, 3}},
        {1, {0}, 1, {0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(view::DropOrder(c.count, c.dragged, c.drop), c.order) << c.dragged.front() << " onto " << c.drop;
}

TEST(HitTest, ChordIdMenuOnlyOverTheHeaderOfAnUnnamedChord)
{
    const std::string unnamed(kNoChordIdFound);
    struct Case {
        std::string title;
        Point p;
        bool shows;
    };
    const Case cases[] = {
        {unnamed, {1000, -100}, true},       {unnamed, {1000, -499}, true},  {unnamed, {1000, -500}, false},
        {unnamed, {4399, -100}, true},       {unnamed, {4400, -100}, false}, {"C major", {1000, -100}, false},
        {"no chord id found", {1000, -100}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(view::ShowsChordIdMenu(c.title, c.p, 50), c.shows) << c.title << " " << c.p.x << "," << c.p.y;
}

}  // namespace
