#include <gtest/gtest.h>

#include "app/screen_port.h"

namespace {

// A 1024 x 768 primary screen at a ratio of 2, right of a 1920-pixel one.
struct RightHandScreen final : ScreenInfo {
    std::optional<ScreenResolution> PrimaryResolution() const override { return ScreenResolution{96, 96, 2.0}; }
    Rect PrimaryGeometry() const override { return {960, 0, 1472, 384}; }
    Size PhysicalSizeMm() const override { return {}; }
};

TEST(ScreenPort, TheDesktopIsThePrimaryScreensOwnSize)
{
    RightHandScreen screen;
    const CScreenPort port(screen, [] { return true; });
    const auto metrics = port.ViewDisplayMetrics();
    ASSERT_TRUE(metrics);
    EXPECT_EQ(metrics->dpiX, 192);
    EXPECT_EQ(metrics->desktopWidth, 1024);
    EXPECT_EQ(metrics->desktopHeight, 768);
}

}  // namespace
