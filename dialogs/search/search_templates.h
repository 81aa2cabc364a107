#pragma once
#include <array>

#include "dialogs/common/control_ids.h"
#include "dialogs/common/note_box_template.h"
#include "platform/dialog_template.h"

// The templates of the search sheet's pages and the Chord Directory, with
// their control ids.
namespace dialogs {

namespace id {
// Notes page.
inline constexpr int kHiddenNotes = 1005;
inline constexpr int kAdd = 1062;
inline constexpr int kClearPrevious = 1097;
// Diagram page.
inline constexpr int kBaseFret = 1159;
inline constexpr int kBaseFretSpin = 1158;
inline constexpr int kDiagram = 1224;
inline constexpr int kMarkerGroup = 1225;
inline constexpr int kMarkerDot = 1229;
inline constexpr int kMarkerEraser = 1230;
inline constexpr int kFirstNoteName = 1231;  // ..1236, the 6th string first
inline constexpr int kTuningName = 1238;
inline constexpr int kDotPicture = 1247;
inline constexpr int kEraserPicture = 1248;
// Chord Directory.
inline constexpr int kChordList = 1035;
inline constexpr int kRootUp = 1037;
inline constexpr int kRootDown = 1038;
inline constexpr int kRootPage = 1039;
inline constexpr int kShortNames = 1202;
}  // namespace id

// The tuning's six notes, one label each, the 6th string first.
inline constexpr std::array<int, 6> kTuningNoteIds = {1237, 1261, 1262, 1263, 1264, 1265};

extern const platform::DialogTemplate kNotesTemplate;           // 131 "Notes"
extern const platform::DialogTemplate kChordDirectoryTemplate;  // 134 "Chord Directory"
extern const platform::DialogTemplate kDiagramTemplate;         // 161 "Diagram"

}  // namespace dialogs
