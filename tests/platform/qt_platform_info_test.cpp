#include <gtest/gtest.h>

#include <algorithm>

#include "platform/qt_platform_info.h"

namespace {

TEST(QtPlatformInfoTest, ReadsTheOffscreenScreenAndTheInstalledFaces)
{
    const platform::QtScreenInfo screen;
    const auto resolution = screen.PrimaryResolution();
    ASSERT_TRUE(resolution.has_value());
    EXPECT_GT(resolution->logicalDpiX, 0);
    EXPECT_GT(resolution->devicePixelRatio, 0.0);
    EXPECT_FALSE(screen.PrimaryGeometry().isEmpty());

    // The build installs DejaVu, a scalable face.
    const auto faces = platform::QtFontCatalog().ScalableFamilies();
    EXPECT_NE(std::find(faces.begin(), faces.end(), "DejaVu Sans"), faces.end());

    EXPECT_FALSE(platform::QtOsInfo().CpuArchitecture().empty());
}

}  // namespace
