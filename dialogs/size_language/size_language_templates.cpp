// The Size and Language dialogs.
#include "dialogs/size_language/size_language_templates.h"

#include "document/display_sizes.h"

namespace dialogs {

using platform::ControlKind;
using platform::ControlTemplate;
namespace style = platform::style;

namespace {

constexpr ControlTemplate kSizeControls[] = {
    {-1, ControlKind::GroupBox, "Chords per row", 7, 7, 110, 78, 0},
    {id::kThreePerRow, ControlKind::RadioButton, document::kDisplaySizes[0].label, 22, 22, 40, 10, style::kGroup},
    {id::kFourPerRow, ControlKind::RadioButton, document::kDisplaySizes[1].label, 22, 37, 40, 10, 0},
    {id::kFivePerRow, ControlKind::RadioButton, document::kDisplaySizes[2].label, 22, 52, 40, 10, 0},
    {id::kSixPerRow, ControlKind::RadioButton, document::kDisplaySizes[3].label, 22, 67, 40, 10, 0},
    {id::kOk, ControlKind::PushButton, "OK", 124, 7, 50, 14, style::kDefault | style::kGroup},
    {id::kCancel, ControlKind::PushButton, "Cancel", 124, 25, 50, 14, 0},
};

constexpr ControlTemplate kLanguageControls[] = {
    {-1, ControlKind::GroupBox, "German Note symbols", 7, 7, 118, 81, 0},
    {id::kGermanNotes, ControlKind::CheckBox, "Select", 17, 24, 60, 10, 0},
    {-1, ControlKind::Label, "Ab->As, A#->Ais,Bb->B, B->H etc.", 17, 44, 100, 20, style::kWrap},
    {id::kOk, ControlKind::PushButton, "OK", 131, 7, 48, 14, style::kDefault},
    {id::kCancel, ControlKind::PushButton, "Cancel", 131, 25, 48, 14, 0},
};

}  // namespace

const platform::DialogTemplate kSizeTemplate{"Size", 181, 92, kSizeControls};
const platform::DialogTemplate kLanguageTemplate{"Language", 186, 95, kLanguageControls};

}  // namespace dialogs
