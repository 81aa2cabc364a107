#pragma once
#include <array>
#include <span>

#include "res/command_ids.h"

namespace res {

inline constexpr int kToolbarSlotCount = 28;
inline constexpr int kToolbarImageCount = 19;
// Slot 15 becomes a gap of this id, slot 16 the chords-per-row box.
inline constexpr int kSizeGapSlot = 15;
inline constexpr int kSizeBoxSlot = 16;

// The toolbar's slots in order; 0 is a separator. The command buttons take
// the pictures of the strip in this order.
inline constexpr std::array<int, kToolbarSlotCount> kToolbarSlots{
    ID_VIEW_BACK,
    ID_VIEW_FORWARD,
    0,
    ID_SEARCH_TONALITH,
    ID_SEARCH_CHORD_DIRECTORY,
    0,
    ID_VIEW_FRETBOARD,
    ID_VIEW_SCRATCH_PAD,
    ID_REDUCED_SPAN,
    0,
    ID_EDIT_CUT_FROM_SCRATCH_PAD,
    ID_EDIT_COPY_TO_SCRATCH_PAD,
    ID_EDIT_COPY,
    0,
    ID_VIEW_CLEAR,
    0,
    0,
    0,
    ID_FILE_PRINT,
    ID_FILE_PRINT_PREVIEW,
    0,
    ID_VIEW_FIRST_PAGE,
    ID_VIEW_PREVIOUS_PAGE,
    ID_VIEW_NEXT_PAGE,
    ID_VIEW_LAST_PAGE,
    0,
    ID_APP_ABOUT,
    ID_CONTEXT_HELP,
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
