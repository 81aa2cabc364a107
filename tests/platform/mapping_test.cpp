#include <gtest/gtest.h>

#include "platform/surface.h"

namespace {

using platform::Mapping;

struct MapCase {
    const char* name;
    Mapping mapping;
    Point logical;
    Point device;
};

TEST(MappingTest, LogicalToDeviceRounding)
{
    const Mapping screen = Mapping::screen();
    const Mapping scrolled = Mapping::screen({100, 250});
    const Mapping paper = Mapping::printer(600, 600);
    const MapCase cases[] = {
        {"inch", screen, {1000, -1000}, {96, 96}},
        {"default is the screen", Mapping{}, {1000, -1000}, {96, 96}},
        {"y up", screen, {1000, 1000}, {96, -96}},
        {"0.48 down", screen, {5, -5}, {0, 0}},
        {"0.576 up", screen, {6, -6}, {1, 1}},
        {"negative", screen, {-6, 6}, {-1, -1}},
        {"page width", screen, {11000, -6000}, {1056, 576}},
        {"scroll origin", scrolled, {0, 0}, {-100, -250}},
        {"scrolled inch", scrolled, {1000, -3000}, {-4, 38}},
        {"twips inch", paper, {1440, -1440}, {600, 600}},
        {"twips half", paper, {6, -6}, {3, 3}},
        {"twips minus half", paper, {-6, 6}, {-3, -3}},
        {"twips 7", paper, {7, -7}, {3, 3}},
        {"twips page", paper, {4960, -12000}, {2067, 5000}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.mapping.lpToDp(c.logical), c.device) << c.name;
}

TEST(MappingTest, DevicePointsSurviveTheRoundTrip)
{
    // A logical unit is finer than a pixel in both modes, so mouse points,
    // marks and invalidated rectangles come back to the same pixel.
    const Mapping mappings[] = {Mapping::screen(), Mapping::screen({37, 1210}), Mapping::printer(600, 600),
                                Mapping::printer(1200, 1200), Mapping::printer(300, 600)};
    for (const Mapping& m : mappings) {
        for (int d = -700; d <= 700; ++d) {
            const Point p{d, 3 * d + 11};
            ASSERT_EQ(m.lpToDp(m.dpToLp(p)), p) << d;
        }
    }
    const Mapping scrolled = Mapping::screen({96, 96});
    EXPECT_EQ(scrolled.dpToLp(Point{0, 0}), (Point{1000, -1000}));
    EXPECT_EQ(scrolled.dpToLp(Rect{0, 0, 96, 48}), (Rect{1000, -1000, 2000, -1500}));
}

TEST(MappingTest, ExtentsPenWidthsAndFontHeights)
{
    const Mapping screen = Mapping::screen({500, 500});
    const Mapping paper = Mapping::printer(600, 600);
    // Extents carry no origin and no sign.
    EXPECT_EQ(screen.lpToDp(Size{11000, -6000}), (Size{1056, 576}));

    struct PenCase {
        Mapping mapping;
        int logical;
        int device;
    };
    const PenCase pens[] = {
        {screen, 0, 1}, {screen, 1, 1}, {screen, 10, 1}, {screen, 20, 2}, {screen, 100, 10},
        {paper, 1, 1},  {paper, 10, 4}, {paper, 20, 8},
    };
    for (const auto& c : pens)
        EXPECT_EQ(c.mapping.penWidthToDp(c.logical), c.device) << c.logical;

    struct FontCase {
        Mapping mapping;
        int tenths;
        int logical;
        int pixels;  // MulDiv(tenths, LOGPIXELSY, 720)
    };
    const FontCase fonts[] = {
        {Mapping::screen(), 100, -135, 13},
        {Mapping::screen(), 90, -125, 12},
        {Mapping::screen({}, 120, 120), 100, -177, 17},
        {Mapping::screen({}, 144, 144), 180, -375, 36},
        {paper, 100, -199, 83},
        {paper, 80, -161, 67},
    };
    for (const auto& c : fonts) {
        EXPECT_EQ(c.mapping.pointFontHeight(c.tenths), c.logical) << c.tenths;
        EXPECT_EQ(c.mapping.fontHeightToDp(c.mapping.pointFontHeight(c.tenths)), c.pixels) << c.tenths;
    }
}

}  // namespace
