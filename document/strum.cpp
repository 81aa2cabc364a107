#include "document/strum.h"

#include "document/ports.h"

namespace document {

int StringNote(std::uint8_t openNote, int fret)
{
    return fret < 0 || fret >= kFretNotPlayed ? 0 : openNote + fret;
}

StrumSlots StrumOrder(const ChordFrets& frets, const engine::TuningNotes& tuning, bool fromSixth)
{
    StrumSlots slots{};
    for (std::size_t s = 0; s < slots.size(); ++s)
        slots[fromSixth ? slots.size() - 1 - s : s] = StringNote(tuning[s], frets[s]);
    return slots;
}

std::vector<NoteEvent> StrumEvents(const StrumSlots& slots, int strumDelayMs, int firstSlot)
{
    std::vector<NoteEvent> events;
    for (int i = firstSlot < 0 ? 0 : firstSlot; i < static_cast<int>(slots.size()); ++i) {
        const int note = slots[static_cast<std::size_t>(i)];
        if (note != 0)
            events.push_back({i * strumDelayMs, note});
    }
    return events;
}

void PlayEvents(ports::MidiPort& midi, const std::vector<NoteEvent>& events, int velocity, int durationMs)
{
    for (const NoteEvent& e : events)
        midi.PlayNote(e.delayMs, static_cast<std::uint32_t>(e.note), static_cast<std::uint32_t>(velocity), durationMs);
}

}  // namespace document
