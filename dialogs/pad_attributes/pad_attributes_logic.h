#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "document/pad_attributes_port.h"
#include "engine/pitch.h"

// The Scratch Pad chord that the attributes dialog edits, apart from its
// widgets. Strings are indexed 0..5 for strings 1..6, as in the row.
namespace dialogs {

inline constexpr int kMinPadBaseFret = 0;
inline constexpr int kMaxPadBaseFret = 15;
// The spin arrows stop earlier than typing may go.
inline constexpr int kMaxPadBaseFretSpin = 11;
inline constexpr int kMaxFinger = 5;
inline constexpr int kMaxTitleLine = 29;

// Radio index of a string: 0 Not Played, 1..6 the diagram positions 0..5.
inline constexpr int kNotPlayedRadio = 0;
// The position a Not Played radio passes on.
inline constexpr int kNotPlayedPosition = kFretNotPlayed;

// The radio that shows a fret under a base fret. Position 0 is the open
// string at base fret 0 and the row above the first fret otherwise; a fret
// outside the window shows as Not Played.
int RadioIndex(int fret, int baseFret);

// The FlatSpellingFlags bit of a black-key note; 0 for any other mask.
FlatSpellingFlags AccidentalBit(PitchClassMask note);

// The accidental button's text: with English names the spelling a click
// switches to ("b" or "#"), with German names the suffix of the current one
// ("is" or "es"); " " for a note with one name.
std::string AccidentalLabel(PitchClassMask note, FlatSpellingFlags flags, bool deutsch);

struct PadChordEdit {
    std::array<int, 6> frets{};  // 21 not played
    int baseFret = 0;
    FlatSpellingFlags flags = 0;
    std::array<int, 6> radios = {-1, -1, -1, -1, -1, -1};
    bool deutsch = false;
    ports::PadFretNotes fretNotes{};

    // The sounding note; 0 for a string not played.
    PitchClassMask NoteOf(int s) const;
    // "  " for a string not played, else its note in the chord's spelling.
    std::string NoteLabel(int s) const;
    std::string AccidentalLabel(int s) const;

    void FretsToRadios();
    // A radio chosen: position 0..5, or kNotPlayedPosition.
    void SetStringFret(int s, int position);
    // Moves the shape with a new base fret; true when a radio changed. A fret
    // that would leave 0..20 stays where it is.
    bool ChangeBaseFret(int newBaseFret);
    // Respells the string's note where it has two names; true when it did.
    bool ToggleAccidental(int s);
};

}  // namespace dialogs
