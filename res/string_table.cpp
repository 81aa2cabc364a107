#include "res/string_table.h"

#include <algorithm>
#include <array>

#include "document/command_ids.h"
#include "res/resource_ids.h"

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
    StringEntry{cmd::ReducedSpan, "Search within a reduced span of frets\nReduced span"},
    StringEntry{cmd::ViewSize, "Adjust scale of display\nSize"},
    StringEntry{cmd::SearchTonalith, "Look up chord using note entry\nTonalith"},
    StringEntry{cmd::SearchChordDirectory, "Use standard chord directory\nChord Directory"},
    StringEntry{cmd::ViewChordDisplay, "Show the chords found as diagrams\nChord display"},
    StringEntry{cmd::ViewFretboard, "Show the notes of the chord on the fretboard\nView fretboard"},
    StringEntry{cmd::SearchUserDirectory, "Look up a chord of your own\nUser Directory"},
    StringEntry{cmd::ViewClear, "Clear the current chord or the Scratch Pad\nClear"},
    StringEntry{cmd::ViewFirstPage, "Go to the first page of chords\nFirst Page"},
    StringEntry{cmd::ViewPreviousPage, "Go to the previous page of chords\nPrev. Page"},
    StringEntry{cmd::ViewNextPage, "Go to the next page of chords\nNext Page"},
    StringEntry{cmd::ViewLastPage, "Go to the last page of chords\nLast Page"},
    StringEntry{cmd::FileSaveAsHtml, "Save the display as an HTML page\nSave As HTML"},
    StringEntry{cmd::ViewScratchPad, "Show the Scratch Pad\nView scratchpad"},
    StringEntry{cmd::EditCopyToScratchPad, "Copy the marked chords to the Scratch Pad\nCopy to scratchpad"},
    StringEntry{cmd::EditCutFromScratchPad, "Cut the marked chords from the Scratch Pad\nCut from scratchpad"},
    StringEntry{cmd::EditAttributesOfScratchPadChord,
                "Edit the title, fingers and marks of the marked chord\nChord attributes"},
    StringEntry{cmd::FileLoadHtmlToScratchPad, "Load the chords of an HTML page into the Scratch Pad\nLoad HTML"},
    StringEntry{cmd::ToolsLanguage, "Choose English or German note names\nLanguage"},
    StringEntry{cmd::ToolsOptions, "Change the options\nOptions"},
    StringEntry{cmd::ViewBack, "Go back to the previous chord\nBack"},
    StringEntry{cmd::ViewForward, "Go forward to the next chord\nForward"},
    StringEntry{cmd::ViewClearAll, "Clear the chord and the whole history\nClear All"},
    StringEntry{cmd::ViewEndHistory, "Go to the newest chord of the history\nEnd History"},
    StringEntry{cmd::ViewStartHistory, "Go to the oldest chord of the history\nStart History"},
    StringEntry{cmd::AddChordToUserDirectory, "Add the chord to the User Directory\nAdd to User Directory"},
    StringEntry{AFX_IDS_APP_TITLE, "Tonalith"},
    StringEntry{AFX_IDS_IDLEMESSAGE, "Ready"},
    StringEntry{cmd::FileNew, "Create a new document\nNew"},
    StringEntry{cmd::FileOpen, "Open an existing document\nOpen"},
    StringEntry{cmd::FileSave, "Save the active document\nSave"},
    StringEntry{cmd::FilePrintSetup, "Change the printer and printing options\nPrint Setup"},
    StringEntry{cmd::FilePrint, "Print the chords\nPrint"},
    StringEntry{cmd::FilePrintPreview, "Display full pages\nPrint Preview"},
    StringEntry{cmd::FileMruFile1, "Open this document"},
    StringEntry{cmd::EditCopy, "Copy the marked block to the Clipboard\nCopy to Clipboard"},
    StringEntry{cmd::EditCut, "Cut the selection and put it on the Clipboard\nCut"},
    StringEntry{cmd::EditPaste, "Insert Clipboard contents\nPaste"},
    StringEntry{cmd::EditUndo, "Undo the last action\nUndo"},
    StringEntry{cmd::AppAbout, "Display program information, version number and copyright\nAbout"},
    StringEntry{cmd::AppExit, "Quit the application\nExit"},
    StringEntry{cmd::HelpIndex, "Open Help\nHelp Topics"},
    StringEntry{cmd::HelpFinder, "List Help topics\nHelp Topics"},
    StringEntry{cmd::ContextHelp, "Display help for clicked on buttons, menus and windows\nHelp"},
    StringEntry{cmd::Help, "Display help for current task or command\nHelp"},
    StringEntry{cmd::NextPane, "Switch to the next window pane\nNext Pane"},
    StringEntry{cmd::PrevPane, "Switch back to the previous window pane\nPrevious Pane"},
    StringEntry{cmd::IndicatorCaps, "CAP"},
    StringEntry{cmd::IndicatorNum, "NUM"},
    StringEntry{cmd::IndicatorScrl, "SCRL"},
    StringEntry{cmd::ViewToolbar, "Show or hide the toolbar\nToggle ToolBar"},
    StringEntry{cmd::ViewStatusBar, "Show or hide the status bar\nToggle StatusBar"},
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
