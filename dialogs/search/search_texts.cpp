#include "dialogs/search/search_texts.h"

#include "engine/chord_names.h"

namespace dialogs {

SheetCaption CaptionForNotes(PitchClassMask mask, const UserDirList& userDir)
{
    SheetCaption caption{"Tonalith", false};
    std::string name;
    if (engine::GetChordName(mask, name, userDir)) {
        caption.text += " - " + name;
        caption.named = true;
    }
    return caption;
}

std::string SharpNoteName(PitchClassMask note, bool deutsch)
{
    std::string name;
    COLORREF colour = 0;
    return engine::GetNoteName(note, name, colour, 0, false, {0, deutsch, false});
}

}  // namespace dialogs
