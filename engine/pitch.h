#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// Bit k of a pitch-class mask is the note k semitones above A (bit 0 A ...
// bit 11 G#/Ab); a chord is the OR of its notes.
using PitchClassMask = std::uint16_t;
// One bit per letter A..G: the black key below that letter is written flat.
using FlatSpellingFlags = std::uint16_t;
// A user chord's stored value: spelling flags << 16 | pitch-class mask.
using UdirChordValue = std::int32_t;
// 0x00BBGGRR, as the colour settings and painters store it.
using COLORREF = std::uint32_t;

constexpr PitchClassMask kAllPitchClasses = 0x0FFF;
// The fret value of a string that is not played.
constexpr std::uint16_t kFretNotPlayed = 21;
constexpr int kStringCount = 6;

// Flags value that means "use the document's current spelling".
constexpr int kUseCurrentSpelling = 0x800;

// Names of the twelve pitch classes from A, English or German as last set.
extern std::array<std::string, 12> g_NoteNames;

namespace engine {

struct NoteNameOptions {
    FlatSpellingFlags currentFlatFlags = 0;  // used when flags == kUseCurrentSpelling
    bool deutsch = false;                    // German flat names
    bool monochrome = false;                 // every colour black
};

// Name and display colour of a one-note mask; "ZZ" and 0 for anything else.
const std::string& GetNoteName(PitchClassMask mask, std::string& name, COLORREF& colour,
                               int flags, bool pad, const NoteNameOptions& options);

// Installs the German or the English names into g_NoteNames.
void SetNoteNames(bool deutsch);

// The one-bit mask of a name in g_NoteNames as currently installed, or 0.
PitchClassMask NoteNameToMask(std::string_view name);

// The spelling a named chord is written with; 0 (all sharps) when not listed.
FlatSpellingFlags GetFlatSpellingFlags(PitchClassMask mask);

// The one-bit mask of a MIDI note's pitch class (note 57 is A). Always a
// note of the table, whatever name a string was shown with.
constexpr PitchClassMask MidiNoteMask(int note)
{
    return static_cast<PitchClassMask>(1u << ((note % 12 + 15) % 12));
}

// General MIDI program of an instrument string id 3000..3127, else 25.
std::uint8_t GetMidiProgram(int instrumentId);

// A chord type's interval mask placed on the root with bit number rootBit;
// roots outside 0..11 count round the twelve notes.
constexpr PitchClassMask RotateInterval(PitchClassMask intervals, int rootBit)
{
    // % keeps the sign, and a negative shift count is undefined.
    rootBit %= 12;
    if (rootBit < 0)
        rootBit += 12;
    if (rootBit == 0)
        return intervals & kAllPitchClasses;
    return static_cast<PitchClassMask>(((intervals << rootBit) | (intervals >> (12 - rootBit)))
                                       & kAllPitchClasses);
}

namespace detail {
struct FlatSpellingEntry {
    PitchClassMask mask;
    FlatSpellingFlags flags;
};
constexpr int kFlatSpellingCount = 124;
extern const std::array<FlatSpellingEntry, kFlatSpellingCount> kFlatSpellingTable;
}  // namespace detail

}  // namespace engine
