#pragma once
#include <array>
#include <cstddef>

#include "document/note_boxes.h"
#include "platform/dialog_template.h"

// The seventeen note boxes of the Notes page and the user-chord dialog.
namespace dialogs {

namespace id {
// The boxes' Clear button.
inline constexpr int kClear = 1003;
}  // namespace id

// The note boxes by box index (A, A#, Bb, B, C, ... G#, Ab).
inline constexpr std::array<int, notes::kNoteBoxCount> kNoteBoxIds = {
    1008, 1009, 1017, 1010, 1011, 1012, 1018, 1013, 1014, 1019, 1015, 1031, 1032, 1036, 1033, 1034, 1016,
};

namespace note_box_template {

using platform::ControlKind;
using platform::ControlTemplate;

// The note boxes as on a keyboard: twelve columns from A, naturals in the
// middle row, each sharp above and its flat below in the black key's column.
constexpr int kColumnOfBox[notes::kNoteBoxCount] = {0, 1, 1, 2, 3, 4, 4, 5, 6, 6, 7, 8, 9, 9, 10, 11, 11};
constexpr int kNoteColumnX = 14;
constexpr int kNoteColumnStep = 25;

template <std::size_t N>
constexpr void PutNoteBoxes(std::array<ControlTemplate, N>& out, std::size_t from, int groupTop)
{
    for (int i = 0; i < notes::kNoteBoxCount; ++i) {
        const notes::NoteBox& box = notes::kNoteBoxes[static_cast<std::size_t>(i)];
        const int row = box.twin < 0 ? 1 : box.flatFlag ? 2 : 0;
        out[from + static_cast<std::size_t>(i)] = {kNoteBoxIds[static_cast<std::size_t>(i)], ControlKind::CheckBox,
                                                   box.caption,
                                                   kNoteColumnX + kNoteColumnStep * kColumnOfBox[i],
                                                   groupTop + 12 + 14 * row, kNoteColumnStep, 10, 0};
    }
}

}  // namespace note_box_template

}  // namespace dialogs
