#pragma once
#include "document/display_sizes.h"
#include "document/geometry.h"

class CKvwinDoc;

// The chord page's layout, shared by the painters, the scroll extent, the
// hit test and the Scratch Pad operations. Values are units of the size
// unit s (one of the display sizes' units), measured from the top left with
// y growing down; logical y is their negative.
namespace view {

constexpr int kCellWidth = 44;
constexpr int kChordRowHeight = 52;
constexpr int kPadRowHeight = 60;

// The diagram frame inside a cell.
constexpr int kFrameLeft = 6;
constexpr int kFrameRight = 36;
constexpr int kFrameTop = 20;
constexpr int kFrameBottom = 59;
constexpr int kFretSpace = 8;
constexpr int kStringSpace = 6;
// The note-name row under the frame.
constexpr int kNoteRow = 60;

// Title of the page, absolute logical units.
constexpr int kTitleX = 30 * document::kSixARow.scale;

// Diagrams a row and a column for a size unit; an unknown unit counts as
// six a row.
int GridDimension(int scale);

// The document's grid.
int GridDimension(const CKvwinDoc& doc);

// Top left of cell i of a page of n a row, in logical units.
Point CellOrigin(int i, int n, int scale, bool scratchPad);

// The scroll extent of the display the document is in, in logical units
// before screen scaling. chordTitleTop is the Scratch Pad setting that
// keeps the name lines above the frame.
Size ScrollExtent(const CKvwinDoc& doc, bool chordTitleTop);

// Pages a print job offers: 0 when there is nothing to print, 1 for the
// fretboard. scale is the size unit the job lays pages out with.
int LastPrintPage(const CKvwinDoc& doc, int scale);

// The band above the first row that holds the page title, the whole page
// wide, logical units (y up, so top > bottom).
Rect ChordHeaderBand(int n, int pageWidth);

// What a Scratch Pad chord's new attributes repaint, logical units: chord
// index's cell, 7 units below its row top and 60 high, 67 when the title
// lines are drawn below the frame.
Rect PadChordCell(int index, int n, int scale, bool titleTop);
// The Scratch Pad's page title, 8 units high from the title's left edge.
Rect PadTitleArea(int scale, int pageWidth);

}  // namespace view
