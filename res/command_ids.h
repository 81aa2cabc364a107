#pragma once

// Command ids: the framework's standard ones keep their usual names and
// numbers; the program's own lie in 32772..32824.
namespace res {

inline constexpr int ID_FILE_NEW = 57600;
inline constexpr int ID_FILE_OPEN = 57601;
inline constexpr int ID_FILE_SAVE = 57603;
inline constexpr int ID_FILE_PRINT_SETUP = 57606;
inline constexpr int ID_FILE_PRINT = 57607;
inline constexpr int ID_FILE_PRINT_PREVIEW = 57609;
inline constexpr int ID_FILE_MRU_FILE1 = 57616;
inline constexpr int ID_EDIT_COPY = 57634;
inline constexpr int ID_EDIT_CUT = 57635;
inline constexpr int ID_EDIT_PASTE = 57637;
inline constexpr int ID_EDIT_UNDO = 57643;
inline constexpr int ID_APP_ABOUT = 57664;
inline constexpr int ID_APP_EXIT = 57665;
inline constexpr int ID_HELP_INDEX = 57666;
inline constexpr int ID_HELP_FINDER = 57667;
inline constexpr int ID_CONTEXT_HELP = 57669;
inline constexpr int ID_HELP = 57670;
inline constexpr int ID_DEFAULT_HELP = 57671;
inline constexpr int ID_NEXT_PANE = 57680;
inline constexpr int ID_PREV_PANE = 57681;
inline constexpr int ID_VIEW_TOOLBAR = 59392;
inline constexpr int ID_VIEW_STATUS_BAR = 59393;
inline constexpr int ID_INDICATOR_CAPS = 59137;
inline constexpr int ID_INDICATOR_NUM = 59138;
inline constexpr int ID_INDICATOR_SCRL = 59139;

inline constexpr int ID_REDUCED_SPAN = 32772;
// The Size menu command and the toolbar's chords-per-row box share this id.
inline constexpr int ID_VIEW_SIZE = 32777;
inline constexpr int ID_SEARCH_TONALITH = 32778;
inline constexpr int ID_SEARCH_CHORD_DIRECTORY = 32780;
inline constexpr int ID_VIEW_CHORD_DISPLAY = 32782;
inline constexpr int ID_VIEW_FRETBOARD = 32783;
inline constexpr int ID_SEARCH_USER_DIRECTORY = 32784;
inline constexpr int ID_VIEW_CLEAR = 32798;
inline constexpr int ID_VIEW_FIRST_PAGE = 32801;
inline constexpr int ID_VIEW_PREVIOUS_PAGE = 32802;
inline constexpr int ID_VIEW_NEXT_PAGE = 32803;
inline constexpr int ID_VIEW_LAST_PAGE = 32804;
inline constexpr int ID_FILE_SAVE_AS_HTML = 32805;
inline constexpr int ID_VIEW_SCRATCH_PAD = 32811;
inline constexpr int ID_EDIT_COPY_TO_SCRATCH_PAD = 32812;
inline constexpr int ID_EDIT_CUT_FROM_SCRATCH_PAD = 32813;
inline constexpr int ID_EDIT_ATTRIBUTES_OF_SCRATCH_PAD_CHORD = 32814;
inline constexpr int ID_FILE_LOAD_HTML_TO_SCRATCH_PAD = 32816;
inline constexpr int ID_TOOLS_LANGUAGE = 32817;
inline constexpr int ID_TOOLS_OPTIONS = 32818;
inline constexpr int ID_VIEW_BACK = 32819;
inline constexpr int ID_VIEW_FORWARD = 32820;
inline constexpr int ID_VIEW_CLEAR_ALL = 32821;
inline constexpr int ID_VIEW_END_HISTORY = 32822;
inline constexpr int ID_VIEW_START_HISTORY = 32823;
inline constexpr int ID_ADD_CHORD_TO_USER_DIRECTORY = 32824;

// The main frame's resource id: menu, accelerators and icon.
inline constexpr int IDR_MAINFRAME = 128;
// The toolbar's picture strips for the three resolution classes.
inline constexpr int IDR_TOOLBAR_96 = 128;
inline constexpr int IDR_TOOLBAR_144 = 165;
inline constexpr int IDR_TOOLBAR_192 = 167;

}  // namespace res
