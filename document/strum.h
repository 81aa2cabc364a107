#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "engine/defaults.h"

namespace ports {
class MidiPort;
}

// How a chord is strummed: which strings sound, their notes and their delays.
namespace document {

// One note of a strum: its start after the first slot's, and its MIDI note.
struct NoteEvent {
    int delayMs;
    int note;
    friend bool operator==(const NoteEvent&, const NoteEvent&) = default;
};

// A chord's frets, string 1 first.
using ChordFrets = std::array<int, kStringCount>;
// Notes in strum order, one slot a string; 0 is a silent string.
using StrumSlots = std::array<int, kStringCount>;

// The note of an open string stopped at a fret; 0 (silent) below fret 0 and
// above fret 20, where only a foreign page's unplayed strings go.
int StringNote(std::uint8_t openNote, int fret);

// The chord's notes in strum order: from the 6th string up, or from the 1st down.
StrumSlots StrumOrder(const ChordFrets& frets, const engine::TuningNotes& tuning, bool fromSixth);

// One event a sounding slot from firstSlot on. Slot i sounds i strum delays
// late, so a silent or skipped string keeps its time.
std::vector<NoteEvent> StrumEvents(const StrumSlots& slots, int strumDelayMs, int firstSlot = 0);

// Sends the events, each note at the one velocity and duration.
void PlayEvents(ports::MidiPort& midi, const std::vector<NoteEvent>& events, int velocity, int durationMs);

}  // namespace document
