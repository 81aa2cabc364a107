#include "dialogs/pad_attributes/pad_attributes_logic.h"

#include "document/note_boxes.h"

namespace dialogs {

namespace {

constexpr int kHighestFret = 20;

bool IsString(int s)
{
    return s >= 0 && s < kStringCount;
}

}  // namespace

int RadioIndex(int fret, int baseFret)
{
    if (fret < 0 || fret > kHighestFret)
        return kNotPlayedRadio;
    const int d = fret - baseFret;
    if (d > 4)
        return kNotPlayedRadio;
    const int index = d + 1 + (baseFret > 0 ? 1 : 0);
    return index > 0 ? index : kNotPlayedRadio;
}

FlatSpellingFlags AccidentalBit(PitchClassMask note)
{
    // The flat box of a black key carries its flag.
    for (const notes::NoteBox& box : notes::kNoteBoxes) {
        if (box.bit == note && box.flatFlag != 0)
            return box.flatFlag;
    }
    return 0;
}

std::string AccidentalLabel(PitchClassMask note, FlatSpellingFlags flags, bool deutsch)
{
    const FlatSpellingFlags bit = AccidentalBit(note);
    if (bit == 0)
        return " ";
    const bool flat = (flags & bit) != 0;
    if (deutsch)
        return flat ? "es" : "is";
    return flat ? "#" : "b";
}

PitchClassMask PadChordEdit::NoteOf(int s) const
{
    if (!IsString(s))
        return 0;
    const int fret = frets[static_cast<std::size_t>(s)];
    if (fret < 0 || fret > kHighestFret)
        return 0;
    return fretNotes[static_cast<std::size_t>(s)][static_cast<std::size_t>(fret)];
}

std::string PadChordEdit::NoteLabel(int s) const
{
    const PitchClassMask note = NoteOf(s);
    if (note == 0)
        return "  ";
    std::string name;
    COLORREF colour = 0;
    return engine::GetNoteName(note, name, colour, flags, false, {flags, deutsch, false});
}

std::string PadChordEdit::AccidentalLabel(int s) const
{
    return dialogs::AccidentalLabel(NoteOf(s), flags, deutsch);
}

void PadChordEdit::FretsToRadios()
{
    for (std::size_t s = 0; s < frets.size(); ++s)
        radios[s] = RadioIndex(frets[s], baseFret);
}

void PadChordEdit::SetStringFret(int s, int position)
{
    if (!IsString(s))
        return;
    const auto k = static_cast<std::size_t>(s);
    if (position < 0 || position > 5) {
        frets[k] = kFretNotPlayed;
        radios[k] = kNotPlayedRadio;
        return;
    }
    frets[k] = baseFret == 0 ? position : baseFret + position - 1;
    radios[k] = position + 1;
}

bool PadChordEdit::ChangeBaseFret(int newBaseFret)
{
    const int old = baseFret;
    if (newBaseFret == old)
        return false;
    for (int& fret : frets) {
        if (fret < 0 || fret > kHighestFret)
            continue;
        int moved = fret + (newBaseFret - old);
        if (old == 0)
            moved = fret + 1;  // the open-string row becomes the first fret's
        else if (old == 1 && newBaseFret == 0)
            moved = fret - 1;
        if (moved >= 0 && moved <= kHighestFret)
            fret = moved;
    }
    baseFret = newBaseFret;
    // The radios show where the frets now lie; after a typed jump the rule
    // above can leave a shape out of line with base fret + position - 1.
    const std::array<int, 6> before = radios;
    FretsToRadios();
    return radios != before;
}

bool PadChordEdit::ToggleAccidental(int s)
{
    const FlatSpellingFlags bit = AccidentalBit(NoteOf(s));
    if (bit == 0)
        return false;
    flags = static_cast<FlatSpellingFlags>(flags ^ bit);
    return true;
}

}  // namespace dialogs
