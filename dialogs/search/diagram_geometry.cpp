#include "dialogs/search/diagram_geometry.h"

#include "dialogs/search/search_texts.h"

namespace dialogs {

std::optional<DiagramBox> DiagramGeometry::MarkerBox(int column, int position) const
{
    if (!Usable() || column < 0 || column > 5 || position < 1 || position > 5)
        return std::nullopt;
    const int s = W / 10;
    return DiagramBox{StringX(column) - s / 2, NutY() + (position - 1) * (H / 5) - (H / 5) / 2 - s / 2, s, s};
}

std::optional<DiagramHit> DiagramGeometry::HitTest(int x, int y) const
{
    if (!Usable() || x <= 0 || x >= W || y <= 0 || y >= H)
        return std::nullopt;
    const int column = (x - W / 20) / (W / 6);
    if (column < 0 || column > 5)
        return std::nullopt;
    const int row = (y + H / 5 - (H / 20) * 3) / (H / 5);
    if (row < 0 || row > 4)
        return std::nullopt;
    return DiagramHit{column, row + 1};
}

DiagramBox DiagramGeometry::StringArea(int column) const
{
    return {column * (W / 6), 0, W / 6, H - W / 14};
}

PitchClassMask DiagramNoteAt(const ports::FretNotes& fretNotes, int baseFret, int column, int position)
{
    if (column < 0 || column > 5 || position < 1 || position > 5)
        return 0;
    int fret = 0;
    if (position > 1)
        fret = baseFret < 2 ? position - 1 : baseFret + position - 2;
    if (fret > 11)
        fret -= 12;
    if (fret < 0 || fret > 11)
        return 0;
    return fretNotes[static_cast<std::size_t>(5 - column)][static_cast<std::size_t>(fret)];
}

DiagramNotes NameDiagram(const ports::DiagramEntry& entry, const ports::FretNotes& fretNotes, int baseFret,
                         bool deutsch)
{
    DiagramNotes out;
    for (int c = 0; c < 6; ++c) {
        const std::uint8_t b = entry[static_cast<std::size_t>(c)];
        const int position = b & 7;
        const PitchClassMask note =
            position != 0 && (b & ports::kDiagramDot) ? DiagramNoteAt(fretNotes, baseFret, c, position) : 0;
        out.mask |= note;
        out.names[static_cast<std::size_t>(c)] = note ? SharpNoteName(note, deutsch) : "  ";
    }
    return out;
}

}  // namespace dialogs
