#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/recording_surface.h"
#include "view/ellipse_drawer.h"

namespace {

using platform::Brush;
using platform::Pen;
using platform::RecordedOp;
using platform::RecordingSurface;

// Two dots of a diagram at size 50: fret 2 on string 1, the open 6th string.
const Rect kFretted{1700, -1500, 1900, -1700};
const Rect kOpen{300, -700, 500, -900};

TEST(EllipseDrawerTest, ModeAndStartFlag)
{
    struct Case {
        std::uint8_t requested, mode;
        bool started;
    };
    const Case cases[] = {{32, 32, true}, {16, 16, false}, {0, 16, false}, {33, 16, false}, {255, 16, false}};
    for (const auto& c : cases) {
        CEllipseDrawer drawer(c.requested);
        EXPECT_EQ(drawer.GetMode(), c.mode) << int(c.requested);
        EXPECT_EQ(drawer.IsGdiplusStarted(), c.started) << int(c.requested);
        drawer.ShutdownGdiplus();
        EXPECT_FALSE(drawer.IsGdiplusStarted());
    }
}

TEST(EllipseDrawerTest, GdiplusPathTakesOnlyTheColour)
{
    RecordingSurface surface;
    surface.setTextColour(0x0000FF);  // red
    surface.clear();
    const CEllipseDrawer drawer(kEllipseModeGdiplus);
    drawer.DrawEllipses(surface, {kFretted, kOpen, kFretted, kOpen},
                        {kEllipseFilled, 0, kEllipseFilled | 0x800000, kEllipseTextColour | 0x00FF00});

    const std::vector<std::string> expected = {
        "plusEllipse (1700,-1500,1900,-1700) 0xFF000000 filled",
        "plusEllipse (300,-700,500,-900) 0xFF000000 outline",
        // Navy COLORREF 0x800000 is blue 0x80 in ARGB.
        "plusEllipse (1700,-1500,1900,-1700) 0xFF000080 filled",
        // Bit 24: the text colour, not the low bits.
        "plusEllipse (300,-700,500,-900) 0xFFFF0000 outline",
    };
    EXPECT_EQ(surface.lines(), expected);
}

TEST(EllipseDrawerTest, GdiPathUsesTheCurrentPenAndTheDcPenColourBrush)
{
    RecordingSurface surface;
    surface.selectPen(Pen{10, 0});  // the view's pen
    surface.setTextColour(0x0000FF);
    surface.setDcPenColour(0x00FF00);
    const platform::SurfaceState before = surface.state();
    surface.clear();

    const CEllipseDrawer drawer(kEllipseModeGdi);
    drawer.DrawEllipses(surface, {kFretted, kOpen, kFretted, kOpen},
                        {kEllipseFilled | 0x800000, 0x008080, kEllipseTextColour | kEllipseFilled | 0x123456,
                         kEllipseTextColour});

    const std::vector<std::string> expected = {
        // Filled: the fill is the DC-pen colour, set from the low bits.
        "setDcPenColour 0x800000",
        "selectBrush 0x800000",
        "ellipse (1700,-1500,1900,-1700) pen=10/0x000000 brush=0x800000",
        "selectBrush 0xFFFFFF",
        "setDcPenColour 0x00FF00",
        // Outline: an open ring, white inside from the current brush.
        "setDcPenColour 0x008080",
        "ellipse (300,-700,500,-900) pen=10/0x000000 brush=0xFFFFFF",
        "setDcPenColour 0x00FF00",
        // Bit 24 leaves the DC-pen colour alone and fills with it as it was.
        "selectBrush 0x00FF00",
        "ellipse (1700,-1500,1900,-1700) pen=10/0x000000 brush=0x00FF00",
        "selectBrush 0xFFFFFF",
        "ellipse (300,-700,500,-900) pen=10/0x000000 brush=0xFFFFFF",
    };
    EXPECT_EQ(surface.lines(), expected);
    EXPECT_EQ(surface.state(), before);
}

TEST(EllipseDrawerTest, MismatchedOrEmptyListsDrawNothing)
{
    for (const std::uint8_t mode : {kEllipseModeGdi, kEllipseModeGdiplus}) {
        RecordingSurface surface;
        const CEllipseDrawer drawer(mode);
        drawer.DrawEllipses(surface, {}, {});
        drawer.DrawEllipses(surface, {kFretted, kOpen}, {kEllipseFilled});
        drawer.DrawEllipses(surface, {kFretted}, {kEllipseFilled, 0});
        EXPECT_TRUE(surface.log().empty()) << int(mode);
    }
}

TEST(EllipseDrawerTest, ResolveEllipseColour)
{
    RecordingSurface surface;
    surface.setTextColour(0x00FF00);
    COLORREF colour = 0;
    EXPECT_TRUE(ResolveEllipseColour(surface, kEllipseTextColour | 0x0000FF, colour));
    EXPECT_EQ(colour, 0x00FF00u);
    EXPECT_FALSE(ResolveEllipseColour(surface, kEllipseFilled | 0x0000FF, colour));
    EXPECT_EQ(colour, 0x0000FFu);
}

}  // namespace
