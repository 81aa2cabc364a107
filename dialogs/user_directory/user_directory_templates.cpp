#include "dialogs/user_directory/user_directory_templates.h"

namespace dialogs {

using platform::ControlKind;
using platform::ControlTemplate;
namespace style = platform::style;
using note_box_template::PutNoteBoxes;

namespace {

constexpr auto kAddUserChordControls = [] {
    std::array<ControlTemplate, 23> c{};
    c[0] = {-1, ControlKind::Label, "Chord Name", 7, 9, 45, 8, 0};
    c[1] = {id::kChordName, ControlKind::Edit, "", 55, 7, 160, 12, 0};
    c[2] = {id::kNotesGroup, ControlKind::GroupBox, "Notes", 7, 25, 308, 58, 0};
    PutNoteBoxes(c, 3, 25);
    c[20] = {id::kOk, ControlKind::PushButton, "OK", 155, 91, 50, 14, style::kDefault};
    c[21] = {id::kClear, ControlKind::PushButton, "&Clear", 210, 91, 50, 14, 0};
    c[22] = {id::kCancel, ControlKind::PushButton, "Cancel", 265, 91, 50, 14, 0};
    return c;
}();

constexpr ControlTemplate kUserDirectoryControls[] = {
    {-1, ControlKind::Label, "Chords", 7, 7, 60, 8, 0},
    {id::kUserDirList, ControlKind::ListBox, "", 7, 17, 150, 130, style::kSorted},
    {-1, ControlKind::Label, "Notes", 7, 153, 60, 8, 0},
    {id::kUserChordNotes, ControlKind::Edit, "", 7, 163, 150, 12, style::kReadOnly},
    {id::kOk, ControlKind::PushButton, "OK", 165, 17, 50, 14, style::kDefault},
    {id::kCancel, ControlKind::PushButton, "Cancel", 165, 35, 50, 14, 0},
    {id::kUserDirAdd, ControlKind::PushButton, "&Add", 165, 70, 50, 14, 0},
    {id::kUserDirModify, ControlKind::PushButton, "&Modify", 165, 88, 50, 14, 0},
    {id::kUserDirDelete, ControlKind::PushButton, "&Delete", 165, 106, 50, 14, 0},
};

}  // namespace

const platform::DialogTemplate kUserDirectoryTemplate{"User Directory", 222, 183, kUserDirectoryControls};
const platform::DialogTemplate kAddUserChordTemplate{"Add New Chord to User Directory", 322, 112,
                                                     kAddUserChordControls};

}  // namespace dialogs
