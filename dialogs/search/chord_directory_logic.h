#pragma once
#include <string>
#include <vector>

// What the Chord Directory lists, as plain functions.
namespace dialogs {

// The Chord Directory's root steps: a semitone up or down through the twelve roots.
int RootUp(int rootPage);
int RootDown(int rootPage);
// Two characters: "A ", "Bb", ... "G#"; "ZZ" for a value that is no root.
std::string RootText(int rootPage);
// The 37 lines in type order. Long names on a root with one spelling are
// written into g_ChordTypeLongNames and listed from there.
std::vector<std::string> FillChordList(int rootPage, bool shortNames);

}  // namespace dialogs
