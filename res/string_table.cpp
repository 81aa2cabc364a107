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
    // The General MIDI instruments in program order.
    StringEntry{3000, "Piano"},
    StringEntry{3001, "Bright Acoustic Piano"},
    StringEntry{3002, "Electric Grand Piano"},
    StringEntry{3003, "Honky-Tonk Piano"},
    StringEntry{3004, "Rhodes Piano"},
    StringEntry{3005, "Chorused Piano"},
    StringEntry{3006, "Harpsichord"},
    StringEntry{3007, "Clavinet"},
    StringEntry{3008, "Celesta"},
    StringEntry{3009, "Glockenspiel"},
    StringEntry{3010, "Music Box"},
    StringEntry{3011, "Vibraphone"},
    StringEntry{3012, "Marimba"},
    StringEntry{3013, "Xylophone"},
    StringEntry{3014, "Tubular Bells"},
    StringEntry{3015, "Dulcimer"},
    StringEntry{3016, "Hammond Organ"},
    StringEntry{3017, "Percussive Organ"},
    StringEntry{3018, "Rock Organ"},
    StringEntry{3019, "Church Organ"},
    StringEntry{3020, "Reed Organ"},
    StringEntry{3021, "Accordion"},
    StringEntry{3022, "Harmonica"},
    StringEntry{3023, "Tango Accordion"},
    StringEntry{3024, "Acoustic Nylon Guitar"},
    StringEntry{3025, "Acoustic Steel Guitar"},
    StringEntry{3026, "Electric Jazz Guitar"},
    StringEntry{3027, "Electric Clean Guitar"},
    StringEntry{3028, "Electric Muted Guitar"},
    StringEntry{3029, "Overdriven Guitar"},
    StringEntry{3030, "Distortion Guitar"},
    StringEntry{3031, "Guitar Harmonics"},
    StringEntry{3032, "Acoustic Bass"},
    StringEntry{3033, "Electric Bass Fingered"},
    StringEntry{3034, "Electric Bass Picked"},
    StringEntry{3035, "Fretless Bass"},
    StringEntry{3036, "Slap Bass 1"},
    StringEntry{3037, "Slap Bass 2"},
    StringEntry{3038, "Synth Bass 1"},
    StringEntry{3039, "Synth Bass 2"},
    StringEntry{3040, "Violin"},
    StringEntry{3041, "Viola"},
    StringEntry{3042, "Cello"},
    StringEntry{3043, "Contrabass"},
    StringEntry{3044, "Tremolo Strings"},
    StringEntry{3045, "Pizzicato Strings"},
    StringEntry{3046, "Orchestral Harp"},
    StringEntry{3047, "Timpani"},
    StringEntry{3048, "String Ensemble 1"},
    StringEntry{3049, "String Ensemble 2"},
    StringEntry{3050, "Synth Strings 1"},
    StringEntry{3051, "Synth Strings 2"},
    StringEntry{3052, "Choir Aahs"},
    StringEntry{3053, "Voice Oohs"},
    StringEntry{3054, "Synth Voice"},
    StringEntry{3055, "Orchestral Hit"},
    StringEntry{3056, "Trumpet"},
    StringEntry{3057, "Trombone"},
    StringEntry{3058, "Tuba"},
    StringEntry{3059, "Muted Trumpet"},
    StringEntry{3060, "French Horn"},
    StringEntry{3061, "Brass Section"},
    StringEntry{3062, "Synth Brass 1"},
    StringEntry{3063, "Synth Brass 2"},
    StringEntry{3064, "Soprano Sax"},
    StringEntry{3065, "Alto Sax"},
    StringEntry{3066, "Tenor Sax"},
    StringEntry{3067, "Baritone Sax"},
    StringEntry{3068, "Oboe"},
    StringEntry{3069, "English Horn"},
    StringEntry{3070, "Bassoon"},
    StringEntry{3071, "Clarinet"},
    StringEntry{3072, "Piccolo"},
    StringEntry{3073, "Flute"},
    StringEntry{3074, "Recorder"},
    StringEntry{3075, "Pan Flute"},
    StringEntry{3076, "Bottle Blow"},
    StringEntry{3077, "Shakuhachi"},
    StringEntry{3078, "Whistle"},
    StringEntry{3079, "Ocarina"},
    StringEntry{3080, "Synth Lead 1 Square Wave"},
    StringEntry{3081, "Synth Lead 2 Sawtooth Wave"},
    StringEntry{3082, "Synth Lead 3 Caliope"},
    StringEntry{3083, "Synth Lead 4 Chiff"},
    StringEntry{3084, "Synth Lead 5 Charang"},
    StringEntry{3085, "Synth Lead 6 Solo Synth Voice"},
    StringEntry{3086, "Synth Lead 7 Bright Saw Wave"},
    StringEntry{3087, "Synth Lead 8 Bass and Lead"},
    StringEntry{3088, "Synth Pad 1 Fantasia (New Age)"},
    StringEntry{3089, "Synth Pad 2 Warm"},
    StringEntry{3090, "Synth Pad 3 Poly Synth"},
    StringEntry{3091, "Synth Pad 4 Space Voice (choir)"},
    StringEntry{3092, "Synth Pad 5 Bowed Glass"},
    StringEntry{3093, "Synth Pad 6 Metal"},
    StringEntry{3094, "Synth Pad 7 Halo"},
    StringEntry{3095, "Synth Pad 8 Sweep"},
    StringEntry{3096, "Synth SFX 1 Ice Rain"},
    StringEntry{3097, "Synth SFX 2 Sound Track"},
    StringEntry{3098, "Synth SFX 3 Crystal"},
    StringEntry{3099, "Synth SFX 4 Atmosphere"},
    StringEntry{3100, "Synth SFX 5 Brightness"},
    StringEntry{3101, "Synth SFX 6 Goblins"},
    StringEntry{3102, "Synth SFX 7 Echo Drops"},
    StringEntry{3103, "Synth SFX 8 Star Theme"},
    StringEntry{3104, "Sitar"},
    StringEntry{3105, "Banjo"},
    StringEntry{3106, "Shamisen"},
    StringEntry{3107, "Koto"},
    StringEntry{3108, "Kalimba"},
    StringEntry{3109, "Bagpipe"},
    StringEntry{3110, "Fiddle"},
    StringEntry{3111, "Shanai"},
    StringEntry{3112, "Tinkle Bells"},
    StringEntry{3113, "Agogo"},
    StringEntry{3114, "Steel Drums"},
    StringEntry{3115, "Woodblock"},
    StringEntry{3116, "Taiko Drum"},
    StringEntry{3117, "Melodic Drum"},
    StringEntry{3118, "Synth Drum"},
    StringEntry{3119, "Reverse Cymbal"},
    StringEntry{3120, "Guitar Fret Noise"},
    StringEntry{3121, "Breath Noise"},
    StringEntry{3122, "Seashore"},
    StringEntry{3123, "Bird Tweet"},
    StringEntry{3124, "Telephone Ring"},
    StringEntry{3125, "Helicopter"},
    StringEntry{3126, "Applause"},
    StringEntry{3127, "Gunshot"},
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
