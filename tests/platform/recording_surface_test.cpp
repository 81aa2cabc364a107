#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/recording_surface.h"

namespace {

using namespace platform;

TEST(SurfaceTest, FreshSurfaceHasTheGdiDefaults)
{
    const RecordingSurface screen(Mapping::screen({}, 120, 120));
    const SurfaceState& s = screen.state();
    EXPECT_EQ(s.brush.colour, kWhite);
    EXPECT_EQ(s.textColour, kBlack);
    EXPECT_EQ(s.bkColour, kWhite);
    EXPECT_EQ(s.bkMode, BkMode::Opaque);
    EXPECT_EQ(s.dcPenColour, kBlack);
    EXPECT_EQ(s.pen, (Pen{0, kBlack}));
    EXPECT_EQ(s.position, (Point{0, 0}));
    EXPECT_EQ(screen.deviceCaps(DeviceCap::NumColors), -1);
    EXPECT_EQ(screen.deviceCaps(DeviceCap::LogPixelsX), 120);

    const RecordingSurface paper(Mapping::printer(600, 1200));
    EXPECT_EQ(paper.deviceCaps(DeviceCap::NumColors), -1);
    EXPECT_EQ(paper.deviceCaps(DeviceCap::LogPixelsY), 1200);
    EXPECT_EQ(paper.mapping().mode(), MapMode::Twips);
}

TEST(SurfaceTest, SelectAndSetReturnWhatTheyReplaced)
{
    RecordingSurface surface;
    const Pen viewPen{10, kBlack};
    const Pen stock = surface.selectPen(viewPen);
    EXPECT_EQ(surface.selectPen(Pen{20, kBlack}), viewPen);
    EXPECT_EQ(surface.selectPen(stock), (Pen{20, kBlack}));
    EXPECT_EQ(surface.pen(), stock);

    const LogFont header{-250, 450, false, 0x30, "Arial"};
    const LogFont original = surface.selectFont(header);
    EXPECT_EQ(surface.selectFont(original), header);

    EXPECT_EQ(surface.setTextColour(0x800000), kBlack);
    EXPECT_EQ(surface.setBkMode(BkMode::Transparent), BkMode::Opaque);
    EXPECT_EQ(surface.setDcPenColour(0x00FF00), kBlack);
    EXPECT_EQ(surface.setDcPenColour(kBlack), 0x00FF00u);
    EXPECT_EQ(surface.selectBrush(Brush{0x0000FF}), Brush{kWhite});
}

TEST(RecordingSurfaceTest, LogsArgumentsWithTheStateInForce)
{
    RecordingSurface surface(Mapping::screen({0, 40}));
    surface.selectPen(Pen{10, kBlack});
    surface.moveTo({300, -1000});
    surface.lineTo({1800, -1000});
    surface.lineTo({1800, -2950});
    surface.selectFont(LogFont{-139, 550, false, 0x30, "Arial"});
    surface.setTextColour(0x800000);
    EXPECT_TRUE(surface.textOut({1750, -700}, "A"));
    surface.setBkMode(BkMode::Transparent);
    EXPECT_TRUE(surface.textOut({2000, -700}, "Bb"));
    EXPECT_TRUE(surface.ellipse({1700, -700, 1900, -900}));
    surface.plusEllipse({1700, -700, 1900, -900}, 0xFF000080, true);
    surface.invertRect({0, 0, 500, -500});

    const std::vector<std::string> expected = {
        "selectPen 10/0x000000",
        "moveTo (300,-1000)",
        "lineTo (300,-1000)-(1800,-1000) pen=10/0x000000",
        "lineTo (1800,-1000)-(1800,-2950) pen=10/0x000000",
        "selectFont Arial/-139/550/0x30",
        "setTextColour 0x800000",
        "textOut (1750,-700) \"A\" font=Arial/-139/550/0x30 text=0x800000 bk=opaque/0xFFFFFF",
        "setBkMode transparent",
        "textOut (2000,-700) \"Bb\" font=Arial/-139/550/0x30 text=0x800000 bk=transparent/0xFFFFFF",
        "ellipse (1700,-700,1900,-900) pen=10/0x000000 brush=0xFFFFFF",
        "plusEllipse (1700,-700,1900,-900) 0xFF000080 filled",
        "invertRect (0,0,500,-500)",
    };
    EXPECT_EQ(surface.lines(), expected);

    const auto texts = surface.ops(RecordedOp::Kind::TextOut);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[1].text, "Bb");
    EXPECT_EQ(texts[1].state.bkMode, BkMode::Transparent);
    EXPECT_EQ(texts[0].state.bkMode, BkMode::Opaque);
    // Logging does not change the mapping: the log stays in logical units.
    EXPECT_EQ(surface.lpToDp(texts[0].to), (Point{168, 27}));
}

TEST(RecordingSurfaceTest, FixedTextMetricsAndScriptedFailures)
{
    RecordingSurface surface;
    EXPECT_EQ(surface.textExtent("C#m7"), (Size{200, 100}));
    surface.selectFont(LogFont{-140, 550, false, 0x30, "Arial"});
    // Code points, not bytes.
    EXPECT_EQ(surface.textExtent("\xC3\x9C" "b"), (Size{140, 140}));

    surface.setDrawingFails(true);
    EXPECT_FALSE(surface.textOut({0, 0}, "X"));
    EXPECT_FALSE(surface.ellipse({0, 0, 10, -10}));
    EXPECT_FALSE(surface.lineTo({10, 10}));
    EXPECT_EQ(surface.ops(RecordedOp::Kind::TextOut).size(), 1u);
    surface.clear();
    EXPECT_TRUE(surface.log().empty());
}

}  // namespace
