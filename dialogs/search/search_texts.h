#pragma once
#include <string>

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

}  // namespace dialogs
