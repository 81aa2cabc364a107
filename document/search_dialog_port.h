#pragma once
// The dialogs the document's search commands run: a preset in, a result out.
#include <array>
#include <cstdint>
#include <string>

#include "document/note_boxes.h"
#include "engine/pitch.h"
#include "engine/udir.h"

namespace ports {

// Bytes 0..5 one per diagram column (the 6th string first): bits 0..2 the row
// 1..5 (1 the open string, 0 never clicked), bit 6 the dot; byte 6 the base
// fret in its low five bits; bytes 7 and 8 unused.
using DiagramEntry = std::array<std::uint8_t, 9>;
inline constexpr std::uint8_t kDiagramDot = 64;
inline constexpr int kDiagramBaseFretByte = 6;

// The note of each string (index 0 = string 1) at frets 0..11.
using FretNotes = std::array<std::array<PitchClassMask, 12>, 6>;

enum SearchSheetPage { kNotesPage = 0, kDiagramPage = 1, kSearchSheetPages = 2 };

struct SearchSheetPreset {
    int startPage = kNotesPage;
    bool deutsch = false;  // German captions and note names
    FretNotes fretNotes{};

    // Notes page.
    int notesClearPrevious = 1;
    PitchClassMask notesInitialMask = 0;
    notes::NoteChecks noteChecks{};

    // Diagram page.
    std::array<std::string, kStringCount> tuningNotes;  // the open strings' names, 6th first
    std::string tuningName;   // "Regular", "Open A" ... or empty
    int diagramClearPrevious = 1;
    DiagramEntry diagramEntry{};
    int diagramBaseFret = 1;
};

struct SearchSheetResult {
    bool ok = false;
    int activePage = kNotesPage;  // showing at closing

    notes::NoteChecks noteChecks{};
    int notesClearPrevious = 1;

    PitchClassMask diagramMask = 0;
    int diagramClearPrevious = 1;
    DiagramEntry diagramEntry{};
    int diagramBaseFret = 1;
};

struct ChordDirectoryPreset {
    int rootPage = 1;  // the root as one pitch-class bit, 1 = A ... 2048 = G#/Ab
    int chordType = -1;
    int shortNames = 0;
};

struct ChordDirectoryResult {
    bool ok = false;
    int rootPage = 1;
    int chordType = -1;  // -1: OK without a selection
    int shortNames = 0;
};

class SearchDialogPort {
public:
    virtual ~SearchDialogPort() = default;
    // The pages name chords with userDir and append the chords the user adds
    // to it, setting g_bUserDirModified.
    virtual SearchSheetResult RunSearchSheet(const SearchSheetPreset& preset, UserDirList& userDir) = 0;
    virtual ChordDirectoryResult RunChordDirectory(const ChordDirectoryPreset& preset) = 0;
};

}  // namespace ports
