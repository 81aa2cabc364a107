#pragma once
#include "dialogs/common/control_ids.h"
#include "platform/dialog_template.h"

// The templates of the Size and Language dialogs, with their control ids.
namespace dialogs {

namespace id {
// Size: the radios for 3, 4, 5 and 6 chords a row, one group from the first.
inline constexpr int kThreePerRow = 1000;
inline constexpr int kFourPerRow = 1001;
inline constexpr int kFivePerRow = 1002;
inline constexpr int kSixPerRow = 1004;
// Language.
inline constexpr int kGermanNotes = 1203;
}  // namespace id

extern const platform::DialogTemplate kSizeTemplate;            // 130 "Size"
extern const platform::DialogTemplate kLanguageTemplate;        // 155 "Language"

}  // namespace dialogs
