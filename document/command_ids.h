#pragma once

// Command ids of the program's own commands and of the standard ones it uses.
namespace cmd {
enum : int {
    ReducedSpan = 32772,
    ViewSize = 32777,
    SearchTonalith = 32778,
    SearchChordDirectory = 32780,
    ViewChordDisplay = 32782,
    ViewFretboard = 32783,
    SearchUserDirectory = 32784,
    ViewClear = 32798,
    ViewFirstPage = 32801,
    ViewPreviousPage = 32802,
    ViewNextPage = 32803,
    ViewLastPage = 32804,
    FileSaveAsHtml = 32805,
    ViewScratchPad = 32811,
    EditCopyToScratchPad = 32812,
    EditCutFromScratchPad = 32813,
    EditAttributesOfScratchPadChord = 32814,
    FileLoadHtmlToScratchPad = 32816,
    ToolsLanguage = 32817,
    ToolsOptions = 32818,
    ViewBack = 32819,
    ViewForward = 32820,
    ViewClearAll = 32821,
    ViewEndHistory = 32822,
    ViewStartHistory = 32823,
    AddChordToUserDirectory = 32824,

    FileNew = 57600,
    FileOpen = 57601,
    FileSave = 57603,
    FilePrint = 57607,
    FilePrintSetup = 57606,
    FilePrintPreview = 57609,
    EditCopy = 57634,
    AppExit = 57665,
    ViewToolbar = 59392,
    ViewStatusBar = 59393,
};
}  // namespace cmd
