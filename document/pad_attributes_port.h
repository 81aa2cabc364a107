#pragma once
// The attributes dialog of one Scratch Pad chord as the view sees it: the
// chord's values in, the values after OK out.
#include <array>
#include <cstdint>
#include <string>

#include "engine/pitch.h"

namespace ports {

// The note of each string (index 0 = string 1) at frets 0..20.
using PadFretNotes = std::array<std::array<PitchClassMask, 21>, 6>;

struct PadChordAttributes {
    // Words 0..7 of the row: frets of strings 1..6 (21 not played), base
    // fret, FlatSpellingFlags.
    std::array<std::uint16_t, 8> words{};
    std::string upperLine;
    std::string lowerLine;
    int showChordTitle = 0;
    int showPageTitle = 0;
    std::string pageTitle;
    // String 1 first: finger 0 (none) .. 5, and the X mark 0 or 1.
    std::array<int, 6> fingers{};
    std::array<int, 6> marks{};
};

struct PadAttributesPreset {
    PadChordAttributes values;
    bool deutsch = false;
    PadFretNotes fretNotes{};
};

struct PadAttributesResult {
    bool ok = false;
    PadChordAttributes values;
};

class PadAttributesDialogPort {
public:
    virtual ~PadAttributesDialogPort() = default;
    virtual PadAttributesResult RunPadChordAttributes(const PadAttributesPreset& preset) = 0;
};

}  // namespace ports
