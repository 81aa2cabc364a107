#include "res/string_table.h"

#include <algorithm>
#include <array>

#include "res/command_ids.h"

namespace res {
namespace {

struct StringEntry {
    int id;
    std::string_view text;
};

// Sorted by id.
constexpr std::array kStrings{
    StringEntry{IDR_MAINFRAME, "Tonalith\n\nKvwin\n\n\nKvwin.Document\nKvwin Document"},
    StringEntry{IDS_SIZE_BOX_FACE, "MS Sans Serif"},
    StringEntry{ID_REDUCED_SPAN, "Search within a reduced span of frets\nReduced span"},
    StringEntry{ID_VIEW_SIZE, "Adjust scale of display\nSize"},
    StringEntry{ID_SEARCH_TONALITH, "Look up chord using note entry\nTonalith"},
    StringEntry{ID_SEARCH_CHORD_DIRECTORY, "Use standard chord directory\nChord Directory"},
    StringEntry{ID_VIEW_CHORD_DISPLAY, "Show the chords found as diagrams\nChord display"},
    StringEntry{ID_VIEW_FRETBOARD, "Show the notes of the chord on the fretboard\nView fretboard"},
    StringEntry{ID_SEARCH_USER_DIRECTORY, "Look up a chord of your own\nUser Directory"},
    StringEntry{ID_VIEW_CLEAR, "Clear the current chord or the Scratch Pad\nClear"},
    StringEntry{ID_VIEW_FIRST_PAGE, "Go to the first page of chords\nFirst Page"},
    StringEntry{ID_VIEW_PREVIOUS_PAGE, "Go to the previous page of chords\nPrev. Page"},
    StringEntry{ID_VIEW_NEXT_PAGE, "Go to the next page of chords\nNext Page"},
    StringEntry{ID_VIEW_LAST_PAGE, "Go to the last page of chords\nLast Page"},
    StringEntry{ID_FILE_SAVE_AS_HTML, "Save the display as an HTML page\nSave As HTML"},
    StringEntry{ID_VIEW_SCRATCH_PAD, "Show the Scratch Pad\nView scratchpad"},
    StringEntry{ID_EDIT_COPY_TO_SCRATCH_PAD, "Copy the marked chords to the Scratch Pad\nCopy to scratchpad"},
    StringEntry{ID_EDIT_CUT_FROM_SCRATCH_PAD, "Cut the marked chords from the Scratch Pad\nCut from scratchpad"},
    StringEntry{ID_EDIT_ATTRIBUTES_OF_SCRATCH_PAD_CHORD,
                "Edit the title, fingers and marks of the marked chord\nChord attributes"},
    StringEntry{ID_FILE_LOAD_HTML_TO_SCRATCH_PAD, "Load the chords of an HTML page into the Scratch Pad\nLoad HTML"},
    StringEntry{ID_TOOLS_LANGUAGE, "Choose English or German note names\nLanguage"},
    StringEntry{ID_TOOLS_OPTIONS, "Change the options\nOptions"},
    StringEntry{ID_VIEW_BACK, "Go back to the previous chord\nBack"},
    StringEntry{ID_VIEW_FORWARD, "Go forward to the next chord\nForward"},
    StringEntry{ID_VIEW_CLEAR_ALL, "Clear the chord and the whole history\nClear All"},
    StringEntry{ID_VIEW_END_HISTORY, "Go to the newest chord of the history\nEnd History"},
    StringEntry{ID_VIEW_START_HISTORY, "Go to the oldest chord of the history\nStart History"},
    StringEntry{ID_ADD_CHORD_TO_USER_DIRECTORY, "Add the chord to the User Directory\nAdd to User Directory"},
    StringEntry{AFX_IDS_APP_TITLE, "Tonalith"},
    StringEntry{AFX_IDS_IDLEMESSAGE, "Ready"},
    StringEntry{ID_FILE_NEW, "Create a new document\nNew"},
    StringEntry{ID_FILE_OPEN, "Open an existing document\nOpen"},
    StringEntry{ID_FILE_SAVE, "Save the active document\nSave"},
    StringEntry{ID_FILE_PRINT_SETUP, "Change the printer and printing options\nPrint Setup"},
    StringEntry{ID_FILE_PRINT, "Print the chords\nPrint"},
    StringEntry{ID_FILE_PRINT_PREVIEW, "Display full pages\nPrint Preview"},
    StringEntry{ID_FILE_MRU_FILE1, "Open this document"},
    StringEntry{ID_EDIT_COPY, "Copy the marked block to the Clipboard\nCopy to Clipboard"},
    StringEntry{ID_EDIT_CUT, "Cut the selection and put it on the Clipboard\nCut"},
    StringEntry{ID_EDIT_PASTE, "Insert Clipboard contents\nPaste"},
    StringEntry{ID_EDIT_UNDO, "Undo the last action\nUndo"},
    StringEntry{ID_APP_ABOUT, "Display program information, version number and copyright\nAbout"},
    StringEntry{ID_APP_EXIT, "Quit the application\nExit"},
    StringEntry{ID_HELP_INDEX, "Open Help\nHelp Topics"},
    StringEntry{ID_HELP_FINDER, "List Help topics\nHelp Topics"},
    StringEntry{ID_CONTEXT_HELP, "Display help for clicked on buttons, menus and windows\nHelp"},
    StringEntry{ID_HELP, "Display help for current task or command\nHelp"},
    StringEntry{ID_NEXT_PANE, "Switch to the next window pane\nNext Pane"},
    StringEntry{ID_PREV_PANE, "Switch back to the previous window pane\nPrevious Pane"},
    StringEntry{ID_INDICATOR_CAPS, "CAP"},
    StringEntry{ID_INDICATOR_NUM, "NUM"},
    StringEntry{ID_INDICATOR_SCRL, "SCRL"},
    StringEntry{ID_VIEW_TOOLBAR, "Show or hide the toolbar\nToggle ToolBar"},
    StringEntry{ID_VIEW_STATUS_BAR, "Show or hide the status bar\nToggle StatusBar"},
};

constexpr bool SortedById()
{
    for (std::size_t i = 1; i < kStrings.size(); ++i)
        if (kStrings[i - 1].id >= kStrings[i].id)
            return false;
    return true;
}
static_assert(SortedById(), "string table rows must be sorted by id");

}  // namespace

std::string_view LoadString(int id)
{
    const auto it = std::lower_bound(kStrings.begin(), kStrings.end(), id,
                                     [](const StringEntry& entry, int key) { return entry.id < key; });
    if (it == kStrings.end() || it->id != id)
        return {};
    return it->text;
}

std::string_view PromptOf(std::string_view entry)
{
    return entry.substr(0, entry.find('\n'));
}

std::string_view TooltipOf(std::string_view entry)
{
    const auto lineBreak = entry.find('\n');
    return lineBreak == std::string_view::npos ? std::string_view{} : entry.substr(lineBreak + 1);
}

}  // namespace res
