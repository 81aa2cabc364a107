#pragma once
#include <array>

#include "platform/dialog_template.h"

// The templates of the Options sheet's seven pages, with their control ids.
namespace dialogs {

namespace id {
// Tuning page; per string the 6th string first.
inline constexpr int kSoundOnAdjust = 1091;
inline constexpr int kSetRegular = 1053;
inline constexpr int kSetOpen = 1100;
inline constexpr int kOpenTuningLabel = 1101;
// Sound page.
inline constexpr int kInstrument = 1074;
inline constexpr int kDefaultSound = 1075;
inline constexpr int kTest = 1078;
inline constexpr int kVelocityBar = 1076;
inline constexpr int kVelocityValue = 1077;
inline constexpr int kDurationBar = 1080;
inline constexpr int kDurationValue = 1082;
inline constexpr int kSeparationBar = 1081;
inline constexpr int kSeparationValue = 1083;
// MIDI Out page.
inline constexpr int kOutputDevice = 1069;
inline constexpr int kTechnology = 1241;
inline constexpr int kVoices = 1244;
inline constexpr int kNotes = 1243;
inline constexpr int kFeatures = 1073;
// Scratch Pad page.
inline constexpr int kDefaultChordTitles = 1166;
inline constexpr int kShowPageTitle = 1167;
inline constexpr int kSetAllChordTitles = 1169;
inline constexpr int kTitleAtBottom = 1171;
inline constexpr int kAllTitlesDisplay = 1180;  // then 1182 "Hide"
inline constexpr int kAllTitlesHide = 1182;
// HTML/Applet page.
inline constexpr int kAppletHelvetica = 1105;  // then 1106 TimesRoman, 1107 Courier
inline constexpr int kAppletTimesRoman = 1106;
inline constexpr int kAppletCourier = 1107;
inline constexpr int kColourGroup = 1108;
inline constexpr int kTextColour = 1109;
inline constexpr int kBackgroundColour = 1110;
inline constexpr int kDefaultColours = 1111;
inline constexpr int kLeftMargin = 1112;
inline constexpr int kReducedScale = 1113;
inline constexpr int kLeftMarginCaption = 1114;
inline constexpr int kAppletFontGroup = 1115;
inline constexpr int kLeftMarginHigh = 1116;
inline constexpr int kSaveAllPages = 1117;
inline constexpr int kLeftMarginLow = 1118;
inline constexpr int kLeftMarginValue = 1119;
inline constexpr int kRowSeparation = 1120;
inline constexpr int kReducedScaleGroup = 1121;
inline constexpr int kRowSeparationLow = 1122;
inline constexpr int kRowSeparationHigh = 1124;
inline constexpr int kRowSeparationValue = 1125;
inline constexpr int kShrinkToA4 = 1126;
inline constexpr int kChordFrameWidth = 1185;
// Display page.
inline constexpr int kNotesColour = 1204;
inline constexpr int kNotesOnFrets = 1205;
// General page.
inline constexpr int kReducedSpan = 1206;
inline constexpr int kIncludeHistory = 1209;
inline constexpr int kHistorySize = 1210;
inline constexpr int kHistorySizeSpin = 1211;
}  // namespace id

// Index 0 is string 1, as the tuning's arrays run.
inline constexpr std::array<int, 6> kPlayStringIds = {1089, 1088, 1087, 1086, 1085, 1084};
inline constexpr std::array<int, 6> kStringArrowIds = {1046, 1045, 1044, 1043, 1042, 1041};
inline constexpr std::array<int, 6> kStringNameIds = {1052, 1051, 1050, 1049, 1048, 1047};

extern const platform::DialogTemplate kTuningTemplate;   // 135 "Tuning"
extern const platform::DialogTemplate kSoundTemplate;    // 140 "Sound"
extern const platform::DialogTemplate kMidiOutTemplate;  // 141 "MIDI Out"

extern const platform::DialogTemplate kScratchPadOptionsTemplate;  // 151 "Scratch Pad"
extern const platform::DialogTemplate kHtmlAppletTemplate;         // 148 "HTML/Applet"
extern const platform::DialogTemplate kDisplayTemplate;            // 158 "Display"
extern const platform::DialogTemplate kGeneralTemplate;            // 159 "General"

}  // namespace dialogs
