#pragma once
#include <array>
#include <span>

#include "document/command_ids.h"
#include "res/resource_ids.h"

namespace res {

inline constexpr int kToolbarSlotCount = 28;
inline constexpr int kToolbarImageCount = 19;
// Slot 15 becomes a gap of this id, slot 16 the chords-per-row box.
inline constexpr int kSizeGapSlot = 15;
inline constexpr int kSizeBoxSlot = 16;

// The toolbar's slots in order; 0 is a separator. The command buttons take
// the pictures of the strip in this order.
inline constexpr std::array<int, kToolbarSlotCount> kToolbarSlots{
    cmd::ViewBack,
    cmd::ViewForward,
    0,
    cmd::SearchTonalith,
    cmd::SearchChordDirectory,
    0,
    cmd::ViewFretboard,
    cmd::ViewScratchPad,
    cmd::ReducedSpan,
    0,
    cmd::EditCutFromScratchPad,
    cmd::EditCopyToScratchPad,
    cmd::EditCopy,
    0,
    cmd::ViewClear,
    0,
    0,
    0,
    cmd::FilePrint,
    cmd::FilePrintPreview,
    0,
    cmd::ViewFirstPage,
    cmd::ViewPreviousPage,
    cmd::ViewNextPage,
    cmd::ViewLastPage,
    0,
    cmd::AppAbout,
    cmd::ContextHelp,
};

// Sizes that go with each picture strip, in pixels of the class resolution.
struct ToolbarMetrics {
    int bitmapId;
    int buttonWidth, buttonHeight;
    int imageWidth, imageHeight;
    int sizeBoxWidth;
    int sizeBoxListBottom;
    int sizeBoxFontHeight;  // negative: character height
};

inline constexpr std::array<ToolbarMetrics, 3> kToolbarMetrics{{
    {IDR_TOOLBAR_96, 23, 21, 16, 15, 40, 75, -12},
    {IDR_TOOLBAR_144, 29, 27, 22, 21, 48, 100, -13},
    {IDR_TOOLBAR_192, 35, 32, 28, 26, 56, 125, -14},
}};

// The strip for a horizontal resolution: below 133 dpi 128, above 176 167,
// otherwise 165.
constexpr const ToolbarMetrics& ToolbarMetricsForDpi(int horizontalDpi)
{
    if (horizontalDpi > 176)
        return kToolbarMetrics[2];
    if (horizontalDpi < 133)
        return kToolbarMetrics[0];
    return kToolbarMetrics[1];
}

}  // namespace res
