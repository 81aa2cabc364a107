#include <gtest/gtest.h>

#include "document/geometry.h"

namespace {

TEST(GeometryTest, RightAndBottomEdgesLieOutside)
{
    const Rect r{10, 20, 30, 40};
    struct Case {
        Point p;
        bool inside;
    };
    const Case cases[] = {
        {{10, 20}, true}, {{29, 39}, true}, {{30, 20}, false}, {{10, 40}, false}, {{9, 25}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(r.contains(c.p), c.inside) << c.p.x << "," << c.p.y;

    // Rectangles that only touch share nothing.
    EXPECT_EQ(r.intersect({30, 20, 50, 40}), Rect{});
    EXPECT_EQ(r.intersect({25, 0, 50, 25}), (Rect{25, 20, 30, 25}));
}

TEST(GeometryTest, YUpRectanglesAreEmptyUntilNormalised)
{
    // A logical box in the y-up mapping modes: top above bottom.
    const Rect box{1700, -700, 1900, -900};
    EXPECT_TRUE(box.isEmpty());
    EXPECT_EQ(box.normalized(), (Rect{1700, -900, 1900, -700}));
    EXPECT_FALSE(box.normalized().isEmpty());
    EXPECT_EQ(box.normalized().height(), 200);
    EXPECT_EQ(box.offset(-100, 50), (Rect{1600, -650, 1800, -850}));
}

}  // namespace
