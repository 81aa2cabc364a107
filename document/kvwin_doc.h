#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "document/cmd_ui.h"
#include "document/display_sizes.h"
#include "document/geometry.h"
#include "document/ports.h"
#include "document/user_dir_file.h"
#include "engine/defaults.h"
#include "engine/pitch.h"
#include "engine/udir.h"
#include "engine/voicings.h"
#include "engine/word_table.h"

struct PersistentSettings;
class DocsFolder;
namespace ports {
class SearchDialogPort;
class OptionsDialogPort;
class FileDialogPort;
class UserDirDialogPort;
struct OptionsPreset;
struct OptionsValues;
struct ScratchPadOptions;
struct TuningOptions;
struct HtmlOptions;
struct DisplayOptions;
struct GeneralOptions;
struct SoundOptions;
struct MidiOutOptions;
class SizeLanguageDialogPort;
class PadAttributesDialogPort;
struct PadAttributesPreset;
struct PadChordAttributes;
}  // namespace ports

// Words of one Scratch Pad row.
namespace pad {
enum : std::uint16_t {
    FirstFret = 0,      // 0..5: fret of strings 1..6, 21 not played
    BaseFret = 6,
    FlatFlags = 7,
    NameShown = 8,
    AttributesHigh = 9,
    AttributesLow = 10,
    Words = 11,
};
constexpr int kMaxChords = 36;
constexpr int kRows = 40;  // the table and the title lists, more than the pad shows
}  // namespace pad

// One Scratch Pad chord as its eleven words.
struct ScratchPadChordRow {
    std::array<std::uint16_t, pad::Words> w{};

    std::uint32_t Attributes() const
    {
        return static_cast<std::uint32_t>(w[pad::AttributesHigh]) << 16 | w[pad::AttributesLow];
    }
    void SetAttributes(std::uint32_t value)
    {
        w[pad::AttributesHigh] = static_cast<std::uint16_t>(value >> 16);
        w[pad::AttributesLow] = static_cast<std::uint16_t>(value & 0xFFFF);
    }
    // String index 0..5 (string 1..6).
    bool Marked(int s) const { return (Attributes() >> s) & 1; }
    int Finger(int s) const { return static_cast<int>((Attributes() >> (6 + 3 * s)) & 7); }
};

namespace pad {
// The attribute value of six fingers (0 none .. 5) and six X marks, string 1
// first: bit k the X of string k + 1, bits 6 + 3k .. 8 + 3k its finger.
constexpr std::uint32_t PackAttributes(const std::array<int, 6>& fingers, const std::array<int, 6>& marks)
{
    std::uint32_t value = 0;
    for (std::size_t k = 0; k < 6; ++k) {
        value |= (marks[k] != 0 ? 1u : 0u) << k;
        value |= (static_cast<std::uint32_t>(fingers[k]) & 7u) << (6 + 3 * k);
    }
    return value;
}
}  // namespace pad

// One found shape: frets of strings 1..6, then the window start.
using VoicingRow = std::array<std::uint16_t, 7>;

// Words of one found voicing: frets of strings 1..6, then the window start.
namespace voicing {
constexpr std::uint16_t kWindowStart = 6;
constexpr int kWords = 7;
}  // namespace voicing

// The block of chords marked with the rubber band, in layout coordinates.
struct ChordMark {
    Rect rect;
    Rect hit;       // the block the Scratch Pad commands act on
    Rect scrolled;  // rect in window coordinates, as last drawn
    Point scroll;   // the scroll position it was last drawn at
    bool marked = false;
    int top = 0;    // the scrolled top while above the window, else 0

    bool Shown() const { return rect.left != rect.right && rect.top != rect.bottom; }
    // Ends the mark; the hit and scrolled blocks are left as they are.
    void Clear()
    {
        rect = {};
        marked = false;
        top = 0;
    }
};

inline constexpr const char* kNoChordsFoundText = "No chords found\nfor selected span";

// The one document: the current chord and its voicings, pages, the Scratch
// Pad, the history, the User Directory and working copies of the settings.
// The User Directory's list, file and location are the document's own fields,
// held once and handed to the file functions as they stand.
class CKvwinDoc : public UserDirState {
public:
    struct Ports {
        ports::UiPort* ui = nullptr;
        ports::MidiPort* midi = nullptr;
        const ports::ScreenPort* screen = nullptr;  // may be null: no view
        const DocsFolder* docs = nullptr;           // the user's documents folder
        ports::SearchDialogPort* searchDialogs = nullptr;
        ports::OptionsDialogPort* optionsDialogs = nullptr;
        ports::FileDialogPort* fileDialogs = nullptr;
        ports::UserDirDialogPort* userDirDialogs = nullptr;
        ports::SizeLanguageDialogPort* sizeLanguageDialogs = nullptr;
        ports::PadAttributesDialogPort* padAttributes = nullptr;
    };

    explicit CKvwinDoc(Ports ports);
    ~CKvwinDoc();
    CKvwinDoc(const CKvwinDoc&) = delete;
    CKvwinDoc& operator=(const CKvwinDoc&) = delete;

    // Start-up, once, before the view first paints; frame holds the loaded settings.
    void InitDocument(PersistentSettings& frame);
    void FindMidiOutDevice();
    void OnCloseDocument();
    // CloseUserDirectory, then DeleteSessionContents. Closing runs the two
    // apart, the settings saved between them.
    void DeleteContents();
    // Writes the User Directory when it changed, then empties the list.
    void CloseUserDirectory();
    // Empties the history, closes MIDI and forgets the font list.
    void DeleteSessionContents();
    bool OnNewDocument();
    // File New while the program runs: empties as a new document does, then
    // gets the User Directory and MIDI back as start-up left them.
    void OnFileNew();
    bool IsInitialised() const { return m_pMainFrame != nullptr; }

    // Music model with the document's spelling, language and colour options.
    const std::string& GetNoteName(PitchClassMask mask, std::string& name, COLORREF& colour,
                                   int flags = kUseCurrentSpelling, bool pad = false) const;
    static PitchClassMask NoteNameToMask(const std::string& name);
    void SetNoteNames();
    std::uint8_t GetMidiProgram() const;
    bool GetChordName(PitchClassMask mask, std::string& name) const;
    // The note of a string at a fret for every reader but the search; 0 above fret 20.
    PitchClassMask noteAt(int stringIndex, int fret) const;

    bool BuildFretboardNotes();
    void FindVoicings(PitchClassMask mask);

    // Display size, paging and status line.
    void StoreSizeChoice(bool fromBox);
    void SetSizeCombo(int chordsPerRow);
    void OnSelchangeSize(int selection);
    void SetSizeIndex(int index);
    void ToggleReducedSpan(bool noRedraw);
    bool IsReducedSpan() const;
    void OnReducedSpan() { ToggleReducedSpan(false); }
    void RecountPages();
    int GetChordsOnPage() const;
    bool UpdateStatusLine();
    std::string ComposeTuningText() const;
    std::string WindowTitle() const;

    void OnUpdateViewFirstPage(CCmdUI& ui) const;
    void OnUpdateViewPreviousPage(CCmdUI& ui) const;
    void OnUpdateViewNextPage(CCmdUI& ui) const;
    void OnUpdateViewLastPage(CCmdUI& ui) const { OnUpdateViewNextPage(ui); }
    void OnUpdateEditCopy(CCmdUI& ui) const;
    void OnUpdateViewScratchPad(CCmdUI& ui) const;
    void OnUpdateSearch(CCmdUI& ui) const;
    void OnUpdateEditCopyToScratchPad(CCmdUI& ui) const;
    void OnUpdateEditCutFromScratchPad(CCmdUI& ui) const;
    void OnUpdateEditAttributesOfScratchPadChord(CCmdUI& ui) const;
    void OnUpdateFileLoadHtmlToScratchPad(CCmdUI& ui) const;
    void OnUpdateReducedSpan(CCmdUI& ui) const;

    // History and clearing.
    bool IsHistoryEnabled() const;
    int GetHistorySize() const;
    void TrimHistory(bool extra);
    void ResetHistory();
    // The common end of the search commands: search, redraw, then remember
    // the chord or say that nothing was found.
    void SearchNewChord(PitchClassMask mask, bool limitAppend);
    void PushHistory(PitchClassMask mask, bool limitAppend);
    void OnViewBack();
    void OnViewForward();
    void OnViewStartHistory();
    void OnViewEndHistory();
    void OnViewClearAll();
    void OnViewClear();
    void OnUpdateViewBack(CCmdUI& ui) const;
    void OnUpdateViewForward(CCmdUI& ui) const;
    void OnUpdateViewClearAll(CCmdUI& ui) const;
    void OnUpdateViewClear(CCmdUI& ui) const;
    void ClearScratchPad();
    void SetScratchPadCount(int n);
    void ClearSelectionRects();

    // Commands that run dialogs: search (sheet, Chord Directory, User Directory).
    void OnSearchTonalith();
    void OnSearchChordDirectory();
    void OnSearchUserDirectory();
    // Names the current chord in the User Directory (the chord header's menu).
    void AddChordToUserDirectory();
    // Options, Size and Language.
    void OnToolsOptions();
    // The Options pages filled from the document and the settings; their
    // values carried back on OK and on Apply Now.
    ports::OptionsPreset MakeOptionsPreset() const;
    void ApplyOptions(const ports::OptionsValues& values);
    void OnViewSize();
    void OnToolsLanguage();
    // HTML pages.
    void OnFileSaveAsHtml();
    void OnUpdateFileSaveAsHtml(CCmdUI& ui) const;
    void OnFileLoadHtmlToScratchPad();

    // The attributes dialog's values for Scratch Pad chord index.
    ports::PadAttributesPreset MakePadAttributesPreset(int index) const;
    // Writes the dialog's values back into chord index, its names and the
    // page-title setting; true when the page title or whether it shows changed.
    bool StorePadAttributes(int index, const ports::PadChordAttributes& values);

    ScratchPadChordRow GetPadRow(int row) const;
    void SetPadRow(int row, const ScratchPadChordRow& chord);
    VoicingRow GetVoicing(int row) const;

    // The view's context menu.
    int GetContextMenuItemCount() const { return 1; }
    int GetContextMenuItemFlags(int) const { return 0; }
    std::string GetContextMenuItemText(int item) const;
    int GetContextMenuItemId(int item) const;

    std::uint16_t Exp() const;
    void SetExp(std::uint16_t exp);
    PersistentSettings* MainFrame() const { return m_pMainFrame; }
    Ports& GetPorts() { return m_ports; }

    // --- state, shared with the view, the painters and the dialogs ---
    // Start-up sets the size's three fields from the stored size; until then
    // the unit is five a row's and the counts six a row's.
    int m_nScale = document::kFiveARow.scale;
    int m_nScrollRowChords = document::kSixARow.scrollRowChords;
    int m_nPage = 0;
    int m_nPageCount = 0;
    int m_nChordsPerPage = document::kSixARow.chordsPerPage;
    int m_nVoicingCount = 0;
    int m_nPadCount = 0;
    PitchClassMask m_wChordMask = 0;
    PitchClassMask m_wLastNoteMask = 0;
    std::array<std::uint8_t, 9> m_abDiagramEntry{};
    int m_nDiagramEntryBaseFret = 1;
    std::int16_t m_nSpanExtra = 1;
    engine::Tuning m_awTuning = engine::kStandardTuning;
    engine::TuningNotes m_abTuningNotes = engine::kStandardTuningNotes;
    CWord2DimArray m_aFretNotes;
    CWord2DimArray m_aVoicings;
    CWord2DimArray m_aScratchPad;
    std::array<std::string, pad::kRows> m_astrPadNames;
    std::array<std::string, pad::kRows> m_astrPadNames2;
    std::string m_strChordTitle;
    std::string m_strPadTitle = "Scratch Pad";
    std::string m_strPadTitle2;
    bool m_bSearched = false;
    int m_nSnotes = 0;
    int m_nNotefret = 0;
    int m_nNocol = 0;
    bool m_bStandardTuning = true;
    int m_nKvClrprev = 1;
    int m_nShtNames = 0;
    int m_nDeutsch = 0;
    int m_nKvClrprevKvdgm = 1;
    int m_nInstrument = engine::kDefaultInstrument;
    int m_nVelocity = engine::kVelocityRange.fallback;
    int m_nDuration = engine::kDurationRange.fallback;
    int m_nStrumDelay = engine::kStrumDelayRange.fallback;
    std::uint32_t m_nMidiDevice = 0;
    std::string m_strMidiDevice;
    int m_nPageWidth = 11000;
    int m_nRowHeight = 120;
    ChordMark m_mark;
    bool m_bTracking = false;
    Point m_ptScroll;
    bool m_bDragging = false;
    int m_nNumColors = -1;
    int m_nHistoryPos = 0;
    std::vector<PitchClassMask> m_awHistory;
    PitchClassMask m_wChdirRoot = 1;
    int m_nChdirType = -1;
    FlatSpellingFlags m_wFlatFlags = 0;
    FlatSpellingFlags m_wLastFlatFlags = 0;
    bool m_bChordDisplay = true;
    bool m_bScratchPadMode = false;
    int m_nOptionsPage = 0;
    int m_nOptionsPagePad = 0;
    int m_nSearchPage = 0;
    int m_nMidiDevCount = 0;
    std::vector<std::string> m_astrFonts;
    bool m_bFontsEnumerated = false;
    bool m_bPrinting = false;
    int m_nGraphx = 32;

private:
    void ShowMidiError(const std::string& text) const;
    // The boxes for an open and the program change that followed it, at once
    // or when an open that took its time has ended.
    void ShowMidiOpened(std::uint32_t opened, std::uint32_t program) const;
    void OpenMidi();
    void ShowHistoryEntry(int position);
    void ReadUserDirectory();
    void WriteUserDirectory();
    // One per Options page, in the order ApplyOptions runs them; true when
    // the views must be drawn again.
    void ApplyScratchPadOptions(const ports::ScratchPadOptions& pad, PersistentSettings& frame);
    bool ApplyTuningOptions(const ports::TuningOptions& tuning);
    void ApplyHtmlOptions(const ports::HtmlOptions& html, PersistentSettings& frame);
    bool ApplyDisplayOptions(const ports::DisplayOptions& display);
    bool ApplyGeneralOptions(const ports::GeneralOptions& general, PersistentSettings& frame);
    void ApplySoundOptions(const ports::SoundOptions& sound);
    void ApplyMidiOutOptions(const ports::MidiOutOptions& midiOut, PersistentSettings& frame);

    Ports m_ports;
    PersistentSettings* m_pMainFrame = nullptr;
};
