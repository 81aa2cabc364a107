#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

// The four sizes the chord pages are shown at. A size's index is its place
// in the toolbar's chords-per-row box and among the Size dialog's radios.
namespace document {

struct DisplaySize {
    const char* label;         // the box's entry and the radio's caption
    int perRow;                // chords a row, and rows a page
    int scale;                 // the size unit s of the page layout
    int scrollRowChords;       // what the view divides the chord count by for its scroll height
    int chordsPerPage;
    int appletScale;           // the HTML applet's width and height factor
    std::uint16_t sizeBits;    // bits 1-2 of the stored display word: 6 less chords a row, doubled
};

inline constexpr std::array<DisplaySize, 4> kDisplaySizes = {{
    {"3", 3, 80, 6, 9, 8, 6},
    {"4", 4, 60, 8, 16, 6, 4},
    {"5", 5, 50, 10, 25, 5, 2},
    {"6", 6, 40, 12, 36, 4, 0},
}};

inline constexpr const DisplaySize& kThreeARow = kDisplaySizes[0];
inline constexpr const DisplaySize& kFiveARow = kDisplaySizes[2];
inline constexpr const DisplaySize& kSixARow = kDisplaySizes[3];

inline constexpr std::uint16_t kSizeBitsMask = 6;

// The index of the size whose unit is scale; -1 for a unit of none of them.
constexpr int SizeIndexOfScale(int scale)
{
    for (std::size_t i = 0; i < kDisplaySizes.size(); ++i) {
        if (kDisplaySizes[i].scale == scale)
            return static_cast<int>(i);
    }
    return -1;
}

// The index the size bits of a display word name: the four sizes hold the
// four patterns of the two bits.
constexpr int SizeIndexOfBits(std::uint16_t displayWord)
{
    for (std::size_t i = 0; i < kDisplaySizes.size(); ++i) {
        if (kDisplaySizes[i].sizeBits == (displayWord & kSizeBitsMask))
            return static_cast<int>(i);
    }
    return 0;
}
// Each pattern of the two bits names a size.
static_assert(SizeIndexOfBits(0) == 3 && SizeIndexOfBits(2) == 2 && SizeIndexOfBits(4) == 1 &&
              SizeIndexOfBits(6) == 0);

// The size a page is laid out, drawn and saved at: a unit of none of the
// four counts as six a row.
constexpr const DisplaySize& LayoutSizeOf(int scale)
{
    const int index = SizeIndexOfScale(scale);
    return index < 0 ? kSixARow : kDisplaySizes[static_cast<std::size_t>(index)];
}

// Chords a page when counting pages, on screen and in print: a unit of none
// of the four counts nine.
constexpr int ChordsPerPageOf(int scale)
{
    const int index = SizeIndexOfScale(scale);
    return index < 0 ? kThreeARow.chordsPerPage : kDisplaySizes[static_cast<std::size_t>(index)].chordsPerPage;
}

}  // namespace document
