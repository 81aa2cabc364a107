#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include <QImage>

#include "document/command_ids.h"
#include "res/menu_table.h"
#include "res/string_table.h"
#include "res/toolbar_images.h"
#include "res/toolbar_table.h"

namespace {

TEST(ToolbarTableTest, PicksTheStripByHorizontalResolution)
{
    struct Row {
        int dpi;
        int bitmap, buttonWidth, buttonHeight, boxWidth;
    };
    for (const Row& row : {Row{96, 128, 23, 21, 40}, Row{120, 128, 23, 21, 40}, Row{132, 128, 23, 21, 40},
                           Row{133, 165, 29, 27, 48}, Row{144, 165, 29, 27, 48}, Row{176, 165, 29, 27, 48},
                           Row{177, 167, 35, 32, 56}, Row{192, 167, 35, 32, 56}}) {
        const res::ToolbarMetrics& m = res::ToolbarMetricsForDpi(row.dpi);
        EXPECT_EQ(m.bitmapId, row.bitmap) << row.dpi;
        EXPECT_EQ(m.buttonWidth, row.buttonWidth) << row.dpi;
        EXPECT_EQ(m.buttonHeight, row.buttonHeight) << row.dpi;
        EXPECT_EQ(m.sizeBoxWidth, row.boxWidth) << row.dpi;
    }
}

TEST(ToolbarTableTest, EachButtonHasItsTooltip)
{
    const std::vector<std::string> expected = {
        "Back", "Forward", "Tonalith", "Chord Directory", "View fretboard", "View scratchpad", "Reduced span",
        "Cut from scratchpad", "Copy to scratchpad", "Copy to Clipboard", "Clear", "Print", "Print Preview",
        "First Page", "Prev. Page", "Next Page", "Last Page", "About", "Help",
    };
    std::vector<std::string> tooltips;
    for (int id : res::kToolbarSlots)
        if (id != 0)
            tooltips.emplace_back(res::TooltipOf(res::LoadString(id)));
    EXPECT_EQ(tooltips, expected);
}

TEST(ToolbarImagesTest, EveryButtonHasItsOwnPictureAtEverySize)
{
    for (const res::ToolbarMetrics& m : res::kToolbarMetrics) {
        std::set<std::vector<uchar>> seen;
        for (int id : res::kToolbarSlots) {
            if (id == 0)
                continue;
            const QImage image = res::ToolbarImage(id, m.imageWidth, m.imageHeight);
            ASSERT_FALSE(image.isNull()) << id;
            EXPECT_EQ(image.size(), QSize(m.imageWidth, m.imageHeight)) << id;
            const QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
            int inked = 0;
            for (int y = 0; y < pixels.height(); ++y)
                for (int x = 0; x < pixels.width(); ++x)
                    inked += qAlpha(pixels.pixel(x, y)) > 128;
            EXPECT_GT(inked, m.imageWidth * m.imageHeight / 10) << "picture of " << id << " is nearly empty";
            const uchar* bits = pixels.constBits();
            EXPECT_TRUE(seen.insert({bits, bits + pixels.sizeInBytes()}).second) << "picture of " << id << " repeats";
        }
    }
    EXPECT_TRUE(res::ToolbarImage(cmd::ToolsOptions, 16, 15).isNull());
}

TEST(StringTableTest, EveryMenuCommandHasAPrompt)
{
    for (const res::MenuDef& menu : res::MainMenu()) {
        for (const res::MenuItem& item : menu.items) {
            if (!item.IsSeparator()) {
                EXPECT_FALSE(res::PromptOf(res::LoadString(item.id)).empty()) << item.text;
            }
        }
    }
    EXPECT_EQ(res::LoadString(cmd::SearchTonalith), "Look up chord using note entry\nTonalith");
    EXPECT_EQ(res::LoadString(cmd::SearchChordDirectory), "Use standard chord directory\nChord Directory");
    EXPECT_EQ(res::LoadString(cmd::ViewSize), "Adjust scale of display\nSize");
    EXPECT_TRUE(res::LoadString(1).empty());
}

}  // namespace
