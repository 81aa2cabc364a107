#include "res/menu_table.h"

#include <array>

#include "res/command_ids.h"

namespace res {
namespace {

constexpr MenuItem kSeparator{};

constexpr std::array kFile{
    MenuItem{ID_FILE_OPEN, "&Open...\tCtrl+O"},
    MenuItem{ID_FILE_SAVE, "&Save\tCtrl+S"},
    MenuItem{ID_FILE_LOAD_HTML_TO_SCRATCH_PAD, "&Load HTML to Scratch Pad"},
    kSeparator,
    MenuItem{ID_FILE_SAVE_AS_HTML, "Save &As HTML..."},
    kSeparator,
    MenuItem{ID_FILE_PRINT, "&Print...\tCtrl+P"},
    MenuItem{ID_FILE_PRINT_PREVIEW, "Print Pre&view"},
    MenuItem{ID_FILE_PRINT_SETUP, "P&rint Setup..."},
    kSeparator,
    MenuItem{ID_FILE_MRU_FILE1, "Recent File"},
    kSeparator,
    MenuItem{ID_APP_EXIT, "E&xit"},
};

constexpr std::array kEdit{
    MenuItem{ID_EDIT_CUT_FROM_SCRATCH_PAD, "Cu&t from Scratch Pad"},
    MenuItem{ID_EDIT_COPY, "&Copy to Clipboard\tCtrl+C"},
    MenuItem{ID_EDIT_COPY_TO_SCRATCH_PAD, "Copy to Sc&ratch Pad\tCtrl+R"},
    kSeparator,
    MenuItem{ID_EDIT_ATTRIBUTES_OF_SCRATCH_PAD_CHORD, "&Attributes of Scratch Pad Chord..."},
};

constexpr std::array kSearch{
    MenuItem{ID_SEARCH_TONALITH, "&Tonalith..."},
    MenuItem{ID_SEARCH_CHORD_DIRECTORY, "Chord &Directory..."},
    MenuItem{ID_SEARCH_USER_DIRECTORY, "&User Directory..."},
};

constexpr std::array kView{
    MenuItem{ID_VIEW_TOOLBAR, "&Toolbar"},
    MenuItem{ID_VIEW_STATUS_BAR, "&Status Bar"},
    MenuItem{ID_VIEW_CHORD_DISPLAY, "C&hord Display"},
    MenuItem{ID_VIEW_FRETBOARD, "&Fretboard"},
    MenuItem{ID_VIEW_SCRATCH_PAD, "Scratch &Pad"},
    MenuItem{ID_VIEW_CLEAR, "&Clear"},
    MenuItem{ID_VIEW_CLEAR_ALL, "Cl&ear All"},
    kSeparator,
    MenuItem{ID_VIEW_BACK, "&Back"},
    MenuItem{ID_VIEW_FORWARD, "F&orward"},
    MenuItem{ID_VIEW_START_HISTORY, "Start &History"},
    MenuItem{ID_VIEW_END_HISTORY, "End H&istory"},
    kSeparator,
    MenuItem{ID_VIEW_FIRST_PAGE, "First P&age"},
    MenuItem{ID_VIEW_PREVIOUS_PAGE, "P&revious Page"},
    MenuItem{ID_VIEW_NEXT_PAGE, "&Next Page"},
    MenuItem{ID_VIEW_LAST_PAGE, "&Last Page"},
    kSeparator,
    MenuItem{ID_VIEW_SIZE, "Si&ze..."},
};

constexpr std::array kTools{
    MenuItem{ID_TOOLS_LANGUAGE, "Language..."},
    kSeparator,
    MenuItem{ID_TOOLS_OPTIONS, "&Options..."},
};

constexpr std::array kHelp{
    MenuItem{ID_HELP_FINDER, "&Contents and Index"},
    kSeparator,
    MenuItem{ID_APP_ABOUT, "&About Tonalith..."},
};

constexpr std::array kMenuBar{
    MenuDef{"&File", kFile},   MenuDef{"&Edit", kEdit},   MenuDef{"&Search", kSearch},
    MenuDef{"&View", kView},   MenuDef{"&Tools", kTools}, MenuDef{"&Help", kHelp},
};

// Open and Save at the top, then the recent-file entry and its separator.
constexpr std::array kFileDeletions{0, 0, 8, 8};

}  // namespace

std::span<const MenuDef> MainMenu()
{
    return kMenuBar;
}

std::span<const int> FileMenuDeletions()
{
    return kFileDeletions;
}

}  // namespace res
