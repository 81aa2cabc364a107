#pragma once
#include "platform/surface.h"
#include "view/paint_context.h"

namespace view {

// The fretboard map: six strings, the nut, frets with their numbers, the
// string names and the note at every fret in its colour; after a search
// only the chord's notes and its name. On paper it adds the tuning line.
void DrawFretboard(platform::Surface& surface, const PaintContext& context);

}  // namespace view
