#pragma once
#include "dialogs/common/control_ids.h"
#include "dialogs/common/note_box_template.h"
#include "platform/dialog_template.h"

// The templates of the User Directory and its user-chord dialog, with their
// control ids.
namespace dialogs {

namespace id {
// User-chord dialog.
inline constexpr int kChordName = 1057;
inline constexpr int kNotesGroup = 1064;
// User Directory.
inline constexpr int kUserDirAdd = 1054;
inline constexpr int kUserDirDelete = 1055;
inline constexpr int kUserDirList = 1056;
inline constexpr int kUserDirModify = 1060;
inline constexpr int kUserChordNotes = 1005;
}  // namespace id

extern const platform::DialogTemplate kUserDirectoryTemplate;   // 136 "User Directory"
extern const platform::DialogTemplate kAddUserChordTemplate;    // 137

}  // namespace dialogs
