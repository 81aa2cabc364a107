#pragma once
#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "document/search_dialog_port.h"

// The Diagram page's chord diagram: six strings, the 6th on the left, and
// five rows, the open string above the nut and four frets below it. Every
// measure is relative to the diagram's own width W and height H.
namespace dialogs {

struct DiagramBox {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const DiagramBox&) const = default;
};

struct DiagramHit {
    int column;    // 0 the 6th string .. 5 the 1st
    int position;  // 1 the open string, 2..5 the fret rows
    bool operator==(const DiagramHit&) const = default;
};

struct DiagramGeometry {
    int W = 0;
    int H = 0;

    // The diagram in its frame, which is 78 dialog units high: it takes the
    // top 65, so the strings, which run to 1.1 H, end inside the frame.
    static DiagramGeometry InFrame(int width, int height) { return {width, height * 65 / 78}; }

    // Too small to tell six columns and five rows apart: draws and hits nothing.
    bool Usable() const { return W >= 6 && H >= 5; }

    int StringX(int k) const { return W / 11 + k * (W / 6); }  // k = 0..5
    int NutY() const { return (H / 20) * 4; }
    // k = 0 the nut .. 4. When H is a multiple of 20 the fourth fret falls
    // on the edge; it is drawn just inside, so the diagram keeps four frets.
    int FretY(int k) const { return std::min(NutY() + k * (H / 5), H - 1); }
    int StringsBottom() const { return NutY() + (H / 10) * 9; }
    // The marker of a string at a position; nothing outside the diagram.
    std::optional<DiagramBox> MarkerBox(int column, int position) const;
    // The column and position a click at (x, y) picks, if any.
    std::optional<DiagramHit> HitTest(int x, int y) const;
    // What to repaint when one string's marker changes.
    DiagramBox StringArea(int column) const;
};

// The note of a marker: position 1 is the open string; the fret rows start at
// fret 1 for a base fret below 2, else at the base fret. 0 outside the diagram.
PitchClassMask DiagramNoteAt(const ports::FretNotes& fretNotes, int baseFret, int column, int position);

// The notes of an entry's dots, and each column's note name ("  " where the
// string has no dot), in sharps.
struct DiagramNotes {
    PitchClassMask mask = 0;
    std::array<std::string, 6> names;
};
DiagramNotes NameDiagram(const ports::DiagramEntry& entry, const ports::FretNotes& fretNotes, int baseFret,
                         bool deutsch);

}  // namespace dialogs
