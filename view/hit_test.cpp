#include "view/hit_test.h"

#include <algorithm>

#include "engine/chord_names.h"
#include "view/view_geometry.h"

namespace view {

namespace {

// The left button's first slot for a point in the pick strip, by its distance
// from the cell's left edge: 1 past the 6th string up to 5 past the 2nd.
int PickSlot(int fromCellLeft, int s)
{
    for (int slot = 5; slot >= 1; --slot)
        if (fromCellLeft > kStringSpace * slot * s)
            return slot;
    return -1;
}

}  // namespace

int HitTestChord(const HitLayout& layout, Point p, std::uint8_t& start, bool aboveFrame, bool leftButton)
{
    const int s = layout.scale;
    int rowHeight = kChordRowHeight;
    int bandTop = kFrameTop;
    int bandBottom = kFrameBottom;
    if (layout.scratchPad) {
        rowHeight = kPadRowHeight;
        if (aboveFrame) {
            bandTop = 8;
            bandBottom = 19;
        }
    }
    const bool drop = start == kDropMarker;

    int r = 0;
    int offset = 0;
    for (int tries = 0; tries < 11 && p.y < -(bandBottom * s + offset); ++tries) {
        offset += rowHeight * s;
        ++r;
    }
    // Below the twelfth row is no chord, whatever the row count says.
    if (!drop && p.y < -(bandBottom * s + offset))
        return -1;
    if (p.y > -(bandTop * s + offset))
        return -1;
    const int rows = layout.scratchPad ? (layout.padCount + layout.n - 1) / layout.n : layout.n;
    if (r >= rows)
        return -1;
    const bool pick = p.y < -(bandTop * s + offset) && p.y > -((bandTop + kFretSpace) * s + offset);

    int c = 0;
    int left = 0;
    while (p.x > kFrameRight * s + left && c < 5) {
        left += kCellWidth * s;
        ++c;
    }
    if (!drop) {
        // Right of the sixth column: the loop stops there, the chord does not.
        if (p.x > kFrameRight * s + left)
            return -1;
        if (p.x < left + 5 * s || c >= layout.n)
            return -1;
        if (pick) {
            const int slot = PickSlot(p.x - left, s);
            if (slot < 0)
                return -1;
            start = static_cast<std::uint8_t>(leftButton ? slot : 6 - slot);
        }
    }

    const int page = layout.scratchPad ? 0 : layout.page;
    const int index = layout.n * (layout.n * page + r) + c;
    if (layout.scratchPad && index > layout.padCount)
        return -1;
    return index;
}

std::vector<int> WhollyMarkedCells(const Rect& mark, int scale, int n, int rows, int rowHeight,
                                   int chordsOnPage)
{
    const auto firstRow = [&](auto inside) {
        for (int r = 0; r < rows; ++r)
            if (inside(r))
                return r;
        return rows;
    };
    const auto firstColumn = [&](auto inside) {
        for (int c = 0; c < n; ++c)
            if (inside(c))
                return c;
        return n;
    };
    const int s = scale;
    const int i = firstRow([&](int r) { return mark.top >= -(r * rowHeight + kFrameTop) * s; });
    const int j = firstRow([&](int r) { return mark.bottom >= -(r * rowHeight + kFrameBottom) * s; });
    const int k = firstColumn([&](int c) { return (kCellWidth * c + kFrameLeft) * s >= mark.left; });
    const int l = firstColumn([&](int c) { return (kCellWidth * c + kFrameRight) * s >= mark.right; });

    std::vector<int> cells;
    for (int r = i; r < j; ++r)
        for (int c = k; c < l; ++c)
            if (r * n + c < chordsOnPage)
                cells.push_back(r * n + c);
    return cells;
}

std::vector<int> DropOrder(int count, const std::vector<int>& dragged, int drop)
{
    const auto isDragged = [&dragged](int i) { return std::find(dragged.begin(), dragged.end(), i) != dragged.end(); };
    std::vector<int> order;
    if (isDragged(drop)) {
        for (int i = 0; i < count; ++i)
            order.push_back(i);
        return order;
    }
    for (int i = 0; i < count; ++i)
        if (!isDragged(i))
            order.push_back(i);
    const auto at = std::find(order.begin(), order.end(), drop);
    order.insert(at, dragged.begin(), dragged.end());
    return order;
}

bool ShowsChordIdMenu(std::string_view chordTitle, Point p, int scale)
{
    return chordTitle == kNoChordIdFound && p.y > -10 * scale && p.x < 4400;
}

}  // namespace view
