#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "document/screen_metrics.h"

namespace {

struct FakeScreen : ScreenInfo {
    std::optional<ScreenResolution> resolution;
    Rect geometry;
    mutable int reads = 0;

    std::optional<ScreenResolution> PrimaryResolution() const override
    {
        ++reads;
        return resolution;
    }
    Rect PrimaryGeometry() const override { return geometry; }
    Size PhysicalSizeMm() const override { return {}; }
};

FakeScreen Screen(int dpiX, int dpiY, double ratio = 1.0)
{
    FakeScreen s;
    s.resolution = ScreenResolution{dpiX, dpiY, ratio};
    return s;
}

TEST(DpiHelperTest, ClassFromLayoutDpiTimesPixelRatio)
{
    struct Case {
        int dpiX, dpiY;
        double ratio;
        int classDpiX;
        std::uint8_t dpiClass;
    };
    const Case cases[] = {
        {96, 96, 1.0, 96, 0},    {120, 120, 1.0, 120, 0}, {144, 144, 1.0, 144, 2},
        {168, 168, 1.0, 168, 2}, {192, 192, 1.0, 192, 3},
        // The rounded mean decides mixed resolutions.
        {96, 168, 1.0, 96, 0},   {97, 169, 1.0, 97, 2},
        // A scaled desktop: Qt reports 96 logical dpi and the ratio.
        {96, 96, 1.5, 144, 2},   {96, 96, 2.0, 192, 3},   {96, 96, 1.25, 120, 0},
        {120, 120, 1.5, 180, 3},
    };
    for (const auto& c : cases) {
        FakeScreen screen = Screen(c.dpiX, c.dpiY, c.ratio);
        CDpiHelper dpi(&screen);
        EXPECT_EQ(dpi.GetDpiClass(), c.dpiClass) << c.dpiX << "/" << c.dpiY << " x" << c.ratio;
        EXPECT_EQ(dpi.GetClassDpiX(), c.classDpiX);
        // Layout keeps the logical dpi: Qt already scales by the ratio.
        EXPECT_EQ(dpi.GetDpiX(), c.dpiX);
    }
}

TEST(DpiHelperTest, ScalingUsesLayoutDpiOnlyAndRoundsHalvesAway)
{
    FakeScreen hiDpi = Screen(96, 96, 2.0);
    CDpiHelper unscaled(&hiDpi);
    unscaled.SetScaling(true);
    Rect r{-5, 3, 7, -1};
    unscaled.ScaleRect(r);
    EXPECT_EQ(r, (Rect{-5, 3, 7, -1}));

    FakeScreen screen = Screen(120, 144);
    CDpiHelper dpi(&screen);
    dpi.SetScaling(true);
    r = {-2, 2, 7, -1};
    dpi.ScaleRect(r);  // x by 1.25, y by 1.5
    EXPECT_EQ(r, (Rect{-3, 3, 9, -2}));
    Point p{1375, -7500};
    dpi.ScalePoint(p);
    EXPECT_EQ(p, (Point{1719, -11250}));
    Point back{9, -3};
    dpi.UnscalePoint(back);  // 7.2 and -2
    EXPECT_EQ(back, (Point{7, -2}));
}

TEST(DpiHelperTest, ReadsTheScreenOnceAndOnlyWhenScaling)
{
    FakeScreen screen = Screen(144, 144);
    CDpiHelper dpi(&screen);
    Rect r{10, 10, 20, 20};
    Point p{10, 10};
    dpi.ScaleRect(r);
    dpi.UnscalePoint(p);
    EXPECT_EQ(screen.reads, 0);
    EXPECT_EQ(r, (Rect{10, 10, 20, 20}));
    EXPECT_EQ(p, (Point{10, 10}));

    dpi.SetScaling(true);
    dpi.ScaleRect(r);
    dpi.UnscalePoint(p);
    dpi.GetDpiClass();
    EXPECT_EQ(screen.reads, 1);
    EXPECT_EQ(r, (Rect{15, 15, 30, 30}));
}

TEST(DpiHelperTest, NoScreenKeeps96ForGood)
{
    FakeScreen none;
    CDpiHelper dpi(&none);
    dpi.SetScaling(true);
    EXPECT_EQ(dpi.GetDpiClass(), 0);
    none.resolution = ScreenResolution{192, 192, 1.0};
    Rect r{10, 10, 20, 20};
    dpi.ScaleRect(r);
    EXPECT_EQ(r, (Rect{10, 10, 20, 20}));
    EXPECT_EQ(none.reads, 1);

    CDpiHelper detached;
    EXPECT_EQ(detached.GetDpiX(), 96);
    EXPECT_FALSE(detached.IsDesktopAtLeast(1, 1));
}

TEST(DpiHelperTest, DesktopSizeInDevicePixels)
{
    struct Case {
        Rect geometry;
        double ratio;
        int cx, cy;
        bool atLeast;
    };
    const Case cases[] = {
        {{0, 0, 1280, 1024}, 1.0, 1280, 1024, true},
        {{0, 0, 1280, 1024}, 1.0, 1281, 1024, false},
        {{0, 0, 1280, 1024}, 1.0, 1280, 1025, false},
        {{0, 0, 1024, 768}, 1.0, 1280, 1024, false},
        // 1920 x 1080 pixels shown at a ratio of 2.
        {{0, 0, 960, 540}, 2.0, 1280, 1024, true},
        {{0, 0, 960, 540}, 1.0, 1024, 768, false},
        // A primary screen right of or below another: its size, not its far edges.
        {{1280, 1024, 2304, 1792}, 1.0, 1280, 1024, false},
        {{1280, 1024, 2304, 1792}, 1.0, 1024, 768, true},
        {{-1024, 0, 256, 1024}, 1.0, 1280, 1024, true},
        {{960, 0, 1920, 540}, 2.0, 1920, 1080, true},
        {{960, 0, 1920, 540}, 2.0, 1921, 1080, false},
    };
    for (const auto& c : cases) {
        FakeScreen screen = Screen(96, 96, c.ratio);
        screen.geometry = c.geometry;
        const CDpiHelper dpi(&screen);
        const Size size = dpi.GetDesktopSize();
        EXPECT_EQ(size.cx >= c.cx && size.cy >= c.cy, c.atLeast) << size.cx << "x" << size.cy;
        EXPECT_EQ(dpi.IsDesktopAtLeast(c.cx, c.cy), c.atLeast)
            << c.geometry.right << "x" << c.geometry.bottom << " x" << c.ratio << " for " << c.cx << "x" << c.cy;
    }
}

TEST(ErrorMBTest, TextsAndTheSink)
{
    struct Case {
        int flag;
        const char* caller;
        const char* detail;
        const char* text;
    };
    const Case cases[] = {
        {0, "", "", "Error pDC->TextOut() failed - returned 0"},
        {1, "Draw", "", "Error pDC->Ellipse() failed - returned 0Draw"},
        {2, "Grid()", "pOldFont", "Error pDC->SelectObject(pOldFont) failed - NULL return Calling func: Grid()"},
        {3, "x", "3129", "Error Loading String: 3129"},
        {7, "Grid()", "pOldPen", "ErrorMB: Undefined Error flag.Grid()"},
        {-1, "", "", "ErrorMB: Undefined Error flag."},
    };
    std::vector<std::string> seen;
    const auto previous = document::SetDrawingErrorSink([&](const std::string& t) { seen.push_back(t); });
    for (const auto& c : cases)
        EXPECT_EQ(document::ErrorMB(c.flag, c.caller, c.detail), c.text);
    document::SetDrawingErrorSink(previous);
    ASSERT_EQ(seen.size(), std::size(cases));
    EXPECT_EQ(seen[2], cases[2].text);

    // Without a sink the text is only returned.
    EXPECT_EQ(document::ErrorMB(0, "", ""), cases[0].text);
    EXPECT_EQ(seen.size(), std::size(cases));
}

TEST(FontListTest, RemoveDuplicateFontsComparesNeighboursOnly)
{
    using List = std::vector<std::string>;
    struct Case {
        List in, out;
    };
    const Case cases[] = {
        {{"Arial", "Arial", "Arial", "Courier New", "Arial"}, {"Arial", "Courier New", "Arial"}},
        {{"Arial", "Courier New"}, {"Arial", "Courier New"}},
        {{}, {}},
        // The first name is compared with an empty one.
        {{"", "Arial"}, {"Arial"}},
        // Nothing left would be no list at all: the old one stays.
        {{"", ""}, {"", ""}},
        {{"arial", "Arial"}, {"arial", "Arial"}},
    };
    for (const auto& c : cases) {
        List fonts = c.in;
        document::RemoveDuplicateFonts(fonts);
        EXPECT_EQ(fonts, c.out);
    }
}

TEST(FontListTest, FindMissingFonts)
{
    const std::vector<std::string> fonts{"Arial", "DejaVu Sans", "Times New Roman"};
    EXPECT_EQ(document::FindMissingFonts({}, "Arial", "Arial", "Arial"), 7);
    EXPECT_EQ(document::FindMissingFonts(fonts, "Arial", "Times New Roman", "DejaVu Sans"), 0);
    EXPECT_EQ(document::FindMissingFonts(fonts, "Arial", "Verdana", "arial"), 6);
    EXPECT_EQ(document::FindMissingFonts(fonts, "Tahoma", "Arial", "Tahoma"), 5);
    EXPECT_EQ(document::FindMissingFonts(fonts, "", "", ""), 7);
}

}  // namespace
