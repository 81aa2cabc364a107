#pragma once
#include <array>

#include "platform/dialog_template.h"

// Template 150, "Scratch Pad Chord Attributes", and its control ids.
namespace dialogs::pad_id {

inline constexpr int kUpperLine = 1156;
inline constexpr int kLowerLine = 1157;
inline constexpr int kBaseFretSpin = 1158;
inline constexpr int kBaseFret = 1159;
inline constexpr int kShowChordTitle = 1166;
inline constexpr int kShowPageTitle = 1167;
inline constexpr int kPageTitle = 1168;

// Per string, string 1 first, as the row stores them.
// The radio group of each string starts with its Not Played radio.
inline constexpr std::array<int, 6> kNotPlayed = {1165, 1164, 1163, 1162, 1161, 1160};
// The radios of diagram positions 0..5.
inline constexpr std::array<std::array<int, 6>, 6> kPositions = {{
    {1151, 1152, 1153, 1154, 1155, 1184},
    {1146, 1147, 1148, 1149, 1150, 1183},
    {1141, 1142, 1143, 1144, 1145, 1182},
    {1136, 1137, 1138, 1139, 1140, 1180},
    {1131, 1132, 1133, 1134, 1135, 1171},
    {1126, 1127, 1128, 1129, 1130, 1169},
}};
inline constexpr std::array<int, 6> kNoteLabels = {1176, 1175, 1174, 1173, 1172, 1170};
inline constexpr std::array<int, 6> kAccidentals = {1186, 1185, 1181, 1179, 1178, 1177};
inline constexpr std::array<int, 6> kXMarks = {1202, 1203, 1204, 1205, 1206, 1201};
inline constexpr std::array<int, 6> kFingers = {1199, 1197, 1195, 1193, 1191, 1187};
inline constexpr std::array<int, 6> kFingerSpins = {1200, 1198, 1196, 1194, 1192, 1188};

}  // namespace dialogs::pad_id

namespace dialogs {

extern const platform::DialogTemplate kPadAttributesTemplate;

// Where the dialog paints its diagram, in template units: the strings'
// columns (the 6th first) and the nut and fret lines.
inline constexpr std::array<int, 6> kPadGridColumns = {20, 35, 50, 65, 80, 95};
inline constexpr std::array<int, 5> kPadGridRows = {138, 158, 178, 198, 218};
inline constexpr int kPadGridBottom = 240;

}  // namespace dialogs
