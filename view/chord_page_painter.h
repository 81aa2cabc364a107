#pragma once
#include "platform/surface.h"
#include "view/paint_context.h"

namespace view {

// One page of chord diagrams: the found voicings (page 0 up) or the
// Scratch Pad (always page 0, every chord), and on paper the tuning line
// and the page footer. While a page is printed the page comes from the
// print information instead. Nothing is drawn when the page holds no chord.
void DrawChordPage(platform::Surface& surface, const PaintContext& context, int page);

}  // namespace view
