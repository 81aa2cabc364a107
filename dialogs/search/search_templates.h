#pragma once
#include <array>

#include "document/note_boxes.h"
#include "platform/dialog_template.h"

// The dialogs' templates, with their control ids.
namespace dialogs {

namespace id {
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
// Notes page and user-chord dialog.
inline constexpr int kClear = 1003;
inline constexpr int kHiddenNotes = 1005;
inline constexpr int kAdd = 1062;
inline constexpr int kClearPrevious = 1097;
inline constexpr int kChordName = 1057;
inline constexpr int kNotesGroup = 1064;
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
// User Directory.
inline constexpr int kUserDirAdd = 1054;
inline constexpr int kUserDirDelete = 1055;
inline constexpr int kUserDirList = 1056;
inline constexpr int kUserDirModify = 1060;
inline constexpr int kUserChordNotes = 1005;
// Size: the radios for 3, 4, 5 and 6 chords a row, one group from the first.
inline constexpr int kThreePerRow = 1000;
inline constexpr int kFourPerRow = 1001;
inline constexpr int kFivePerRow = 1002;
inline constexpr int kSixPerRow = 1004;
// Language.
inline constexpr int kGermanNotes = 1203;
}  // namespace id

// The note boxes by box index (A, A#, Bb, B, C, ... G#, Ab).
inline constexpr std::array<int, notes::kNoteBoxCount> kNoteBoxIds = {
    1008, 1009, 1017, 1010, 1011, 1012, 1018, 1013, 1014, 1019, 1015, 1031, 1032, 1036, 1033, 1034, 1016,
};
// The tuning's six notes, one label each, the 6th string first.
inline constexpr std::array<int, 6> kTuningNoteIds = {1237, 1261, 1262, 1263, 1264, 1265};

extern const platform::DialogTemplate kNotesTemplate;           // 131 "Notes"
extern const platform::DialogTemplate kChordDirectoryTemplate;  // 134 "Chord Directory"
extern const platform::DialogTemplate kUserDirectoryTemplate;   // 136 "User Directory"
extern const platform::DialogTemplate kAddUserChordTemplate;    // 137
extern const platform::DialogTemplate kDiagramTemplate;         // 161 "Diagram"
extern const platform::DialogTemplate kSizeTemplate;            // 130 "Size"
extern const platform::DialogTemplate kLanguageTemplate;        // 155 "Language"

}  // namespace dialogs
