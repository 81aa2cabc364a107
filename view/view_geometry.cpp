#include "view/view_geometry.h"

#include <algorithm>

#include "document/display_sizes.h"
#include "document/kvwin_doc.h"

namespace view {

int GridDimension(int scale)
{
    return document::LayoutSizeOf(scale).perRow;
}

int GridDimension(const CKvwinDoc& doc)
{
    return GridDimension(doc.m_nScale);
}

Point CellOrigin(int i, int n, int scale, bool scratchPad)
{
    const int rowHeight = scratchPad ? kPadRowHeight : kChordRowHeight;
    return {(i % n) * kCellWidth * scale, -((i / n) * rowHeight * scale)};
}

Size ScrollExtent(const CKvwinDoc& doc, bool chordTitleTop)
{
    const int s = doc.m_nScale;
    const int perRow = doc.m_nScrollRowChords > 0 ? doc.m_nScrollRowChords : 1;
    if (doc.m_bScratchPadMode) {
        const int k = chordTitleTop ? 125 : 127;
        const int height = doc.m_nPadCount == 0 ? k * s : k * (s + ((doc.m_nPadCount - 1) / perRow) * s);
        return {doc.m_nPageWidth, height};
    }
    if (doc.m_bChordDisplay) {
        int height = 120 * s;
        if (doc.m_nVoicingCount != 0)
            height += ((doc.m_nVoicingCount - 1) / perRow) * doc.m_nRowHeight * s;
        const int cap = doc.m_nRowHeight * 120;
        return {doc.m_nPageWidth, height < cap ? height : cap};
    }
    return {225 * s, 75 * s};
}

int LastPrintPage(const CKvwinDoc& doc, int scale)
{
    const int perPage = document::ChordsPerPageOf(scale);
    const auto pages = [perPage](int count) { return (count + perPage - 1) / perPage; };
    if (doc.m_bScratchPadMode)
        return pages(doc.m_nPadCount);
    if (doc.m_bChordDisplay)
        return pages(doc.m_nVoicingCount);
    return 1;
}

Rect ChordHeaderBand(int n, int pageWidth)
{
    // The title's own box starts at 500 and ends 3500 x 6 / n later, which
    // cuts long user chord names at six a row; the band is the page wide.
    return {0, 10, pageWidth, -(400 * 6 / n) - 10};
}

Rect PadChordCell(int index, int n, int scale, bool titleTop)
{
    const Point origin = CellOrigin(index, n, scale, true);
    const int top = origin.y - 7 * scale;
    return {origin.x + 2 * scale, top, origin.x + 46 * scale,
            top - (titleTop ? kPadRowHeight : kPadRowHeight + 7) * scale};
}

Rect PadTitleArea(int scale, int pageWidth)
{
    // 90 units from the title's start would leave the tail of a long old
    // title standing at six a row; the area runs to the page's edge.
    return {kTitleX, 0, std::max(kTitleX + 90 * scale, pageWidth), -8 * scale};
}

}  // namespace view
