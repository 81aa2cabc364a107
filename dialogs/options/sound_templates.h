#pragma once
#include <array>

#include "platform/dialog_template.h"

// The templates of the Options sheet's Tuning, Sound and MIDI Out pages, with
// their control ids.
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
}  // namespace id

// Index 0 is string 1, as the tuning's arrays run.
inline constexpr std::array<int, 6> kPlayStringIds = {1089, 1088, 1087, 1086, 1085, 1084};
inline constexpr std::array<int, 6> kStringArrowIds = {1046, 1045, 1044, 1043, 1042, 1041};
inline constexpr std::array<int, 6> kStringNameIds = {1052, 1051, 1050, 1049, 1048, 1047};

extern const platform::DialogTemplate kTuningTemplate;   // 135 "Tuning"
extern const platform::DialogTemplate kSoundTemplate;    // 140 "Sound"
extern const platform::DialogTemplate kMidiOutTemplate;  // 141 "MIDI Out"

}  // namespace dialogs
