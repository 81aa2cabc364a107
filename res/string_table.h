#pragma once
#include <string_view>

namespace res {

inline constexpr int AFX_IDS_APP_TITLE = 57344;
inline constexpr int AFX_IDS_IDLEMESSAGE = 57345;
// The face of the chords-per-row box.
inline constexpr int IDS_SIZE_BOX_FACE = 129;

// Start-up refusals of unsupported systems.
inline constexpr std::string_view kTextWin32s =
    "Running on Win32s\nThis Windows OS no longer supported\n"
    "Supported Windows operating systems:Vista, XP, 2000, NT 4.0 SP6";
inline constexpr std::string_view kTextWin9x =
    "Running on Win95/98/ME\nThis Windows OS no longer supported\n"
    "Supported Windows operating systems:Vista, XP, 2000, NT 4.0 SP6";
inline constexpr std::string_view kTextUnsupportedOs =
    "Running on unsupported Windows OS\nSupported Windows operating systems:Vista, XP, 2000, NT 4.0 SP6";
inline constexpr std::string_view kTextNt4Sp6 =
    "Running on Win NT 4.0 SP6\nThis Windows OS no longer supported\n"
    "Supported Windows operating systems:Vista, XP, 2000";
inline constexpr std::string_view kTextNt4SpUndefined = "Running on Win NT 4.0 SP (undefined)\n";
inline constexpr std::string_view kTextNt4Unsupported =
    "This Windows OS no longer supported\nSupported Windows operating systems:Vista, XP, 2000";
inline constexpr std::string_view kTextGetVersionFailed = "GetVersionEx(&osvi) failed";
// The frame's timer refusal, captioned "Kv".
inline constexpr std::string_view kTextNoTimer = "Not enough timers available for this window.";
inline constexpr std::string_view kCaptionTimer = "Kv";
// Shown once at exit when the settings file could not be written, followed
// by " to <file>." or by ".".
inline constexpr std::string_view kTextSettingsNotSaved = "Your settings could not be saved";
// The answer to every help request: no help ships, the manual page does.
inline constexpr std::string_view kTextNoHelp =
    "No help is installed for Tonalith.\n"
    "Its description is in the manual page: type \"man tonalith\" in a terminal.";

// The text of a string resource, empty when there is none. A command's entry
// is its status-bar prompt, a line break, then its tooltip.
std::string_view LoadString(int id);

// The two halves of a command's entry; either may be empty.
std::string_view PromptOf(std::string_view entry);
std::string_view TooltipOf(std::string_view entry);

}  // namespace res
