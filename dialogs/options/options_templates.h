#pragma once
#include "platform/dialog_template.h"

// The templates of the Options sheet's Scratch Pad, HTML/Applet, Display and
// General pages, with their control ids.
namespace dialogs {

namespace id {
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

extern const platform::DialogTemplate kScratchPadOptionsTemplate;  // 151 "Scratch Pad"
extern const platform::DialogTemplate kHtmlAppletTemplate;         // 148 "HTML/Applet"
extern const platform::DialogTemplate kDisplayTemplate;            // 158 "Display"
extern const platform::DialogTemplate kGeneralTemplate;            // 159 "General"

}  // namespace dialogs
