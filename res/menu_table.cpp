#include "res/menu_table.h"

#include <array>

#include "document/command_ids.h"

namespace res {
namespace {

constexpr MenuItem kSeparator{};

constexpr std::array kFile{
    MenuItem{cmd::FileOpen, "&Open...\tCtrl+O"},
    MenuItem{cmd::FileSave, "&Save\tCtrl+S"},
    MenuItem{cmd::FileLoadHtmlToScratchPad, "&Load HTML to Scratch Pad"},
    kSeparator,
    MenuItem{cmd::FileSaveAsHtml, "Save &As HTML..."},
    kSeparator,
    MenuItem{cmd::FilePrint, "&Print...\tCtrl+P"},
    MenuItem{cmd::FilePrintPreview, "Print Pre&view"},
    MenuItem{cmd::FilePrintSetup, "P&rint Setup..."},
    kSeparator,
    MenuItem{cmd::FileMruFile1, "Recent File"},
    kSeparator,
    MenuItem{cmd::AppExit, "E&xit"},
};

constexpr std::array kEdit{
    MenuItem{cmd::EditCutFromScratchPad, "Cu&t from Scratch Pad"},
    MenuItem{cmd::EditCopy, "&Copy to Clipboard\tCtrl+C"},
    MenuItem{cmd::EditCopyToScratchPad, "Copy to Sc&ratch Pad\tCtrl+R"},
    kSeparator,
    MenuItem{cmd::EditAttributesOfScratchPadChord, "&Attributes of Scratch Pad Chord..."},
};

constexpr std::array kSearch{
    MenuItem{cmd::SearchTonalith, "&Tonalith..."},
    MenuItem{cmd::SearchChordDirectory, "Chord &Directory..."},
    MenuItem{cmd::SearchUserDirectory, "&User Directory..."},
};

constexpr std::array kView{
    MenuItem{cmd::ViewToolbar, "&Toolbar"},
    MenuItem{cmd::ViewStatusBar, "&Status Bar"},
    MenuItem{cmd::ViewChordDisplay, "C&hord Display"},
    MenuItem{cmd::ViewFretboard, "&Fretboard"},
    MenuItem{cmd::ViewScratchPad, "Scratch &Pad"},
    MenuItem{cmd::ViewClear, "&Clear"},
    MenuItem{cmd::ViewClearAll, "Cl&ear All"},
    kSeparator,
    MenuItem{cmd::ViewBack, "&Back"},
    MenuItem{cmd::ViewForward, "F&orward"},
    MenuItem{cmd::ViewStartHistory, "Start &History"},
    MenuItem{cmd::ViewEndHistory, "End H&istory"},
    kSeparator,
    MenuItem{cmd::ViewFirstPage, "First P&age"},
    MenuItem{cmd::ViewPreviousPage, "P&revious Page"},
    MenuItem{cmd::ViewNextPage, "&Next Page"},
    MenuItem{cmd::ViewLastPage, "&Last Page"},
    kSeparator,
    MenuItem{cmd::ViewSize, "Si&ze..."},
};

constexpr std::array kTools{
    MenuItem{cmd::ToolsLanguage, "Language..."},
    kSeparator,
    MenuItem{cmd::ToolsOptions, "&Options..."},
};

constexpr std::array kHelp{
    MenuItem{cmd::HelpFinder, "&Contents and Index"},
    kSeparator,
    MenuItem{cmd::AppAbout, "&About Tonalith..."},
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
