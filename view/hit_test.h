#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

#include "document/display_sizes.h"
#include "document/geometry.h"

// Where a point or a marked block falls on the page of diagrams. Points and
// rectangles are layout logical units at 96 dpi with the scroll position
// already added (y grows upwards, the page runs to negative y).
namespace view {

// Start string of a drop: the hit test then only finds the place.
constexpr std::uint8_t kDropMarker = 200;

struct HitLayout {
    int scale = document::kFiveARow.scale;  // size unit s
    int n = document::kFiveARow.perRow;     // diagrams a row and a column
    bool scratchPad = false;  // rows 60 units high, every chord on one page
    int page = 0;             // page shown outside the Scratch Pad
    int padCount = 0;
};

// The chord index under p, or -1. start comes in as 0 or kDropMarker; a
// point in the pick strip at the top of a frame sets it to the first slot
// to play (1 to 5), counted in the order the button plays. aboveFrame asks
// for the Scratch Pad's band just above the frame instead of the frame.
// In the Scratch Pad the free place after the last chord is a hit.
int HitTestChord(const HitLayout& layout, Point p, std::uint8_t& start, bool aboveFrame, bool leftButton);

// Page indices of the cells a block covers wholly, from the 6th string to
// the 1st and from the frame top to the band bottom, in row-major order and
// below chordsOnPage. rows is how many rows the page has, rowHeight 52 or 60.
std::vector<int> WhollyMarkedCells(const Rect& mark, int scale, int n, int rows, int rowHeight,
                                   int chordsOnPage);

// The Scratch Pad order after dropping the dragged chords (indices into the
// old order, ascending) before the chord at drop, or at the end when drop is
// count. A drop onto one of the dragged chords keeps the order.
std::vector<int> DropOrder(int count, const std::vector<int>& dragged, int drop);

// The chord header's context menu is offered only while the chord has no
// name and the point lies over the header band.
bool ShowsChordIdMenu(std::string_view chordTitle, Point p, int scale);

}  // namespace view
