#pragma once
#include <array>
#include <string>
#include <vector>

#include "document/search_dialog_port.h"
#include "engine/pitch.h"
#include "engine/udir.h"

// What the search dialogs show, as plain functions.
namespace dialogs {

// "Tonalith", or "Tonalith - " and every name of the set when it has one.
struct SheetCaption {
    std::string text;
    bool named = false;
};
SheetCaption CaptionForNotes(PitchClassMask mask, const UserDirList& userDir);

// The name of a note in the sharp spelling, as the search pages show it.
std::string SharpNoteName(PitchClassMask note, bool deutsch);

// The Chord Directory's root steps: a semitone up or down through the twelve roots.
int RootUp(int rootPage);
int RootDown(int rootPage);
// Two characters: "A ", "Bb", ... "G#"; "ZZ" for a value that is no root.
std::string RootText(int rootPage);
// The 37 lines in type order. Long names on a root with one spelling are
// written into g_ChordTypeLongNames and listed from there.
std::vector<std::string> FillChordList(int rootPage, bool shortNames);

}  // namespace dialogs
