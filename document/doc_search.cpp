// The search commands that run dialogs: search by notes and Chord Directory.
#include <bit>

#include "document/kvwin_doc.h"
#include "document/search_dialog_port.h"
#include "engine/chord_types.h"

namespace {

// Named by its strings' notes whatever octave each is in.
std::string TuningName(const engine::Tuning& tuning)
{
    for (const engine::NamedTuning& t : engine::kNamedTunings) {
        if (engine::TuningMasks(t.notes) == tuning)
            return t.name;
    }
    return {};
}

}  // namespace

void CKvwinDoc::OnSearchTonalith()
{
    ports::SearchDialogPort* dialogs = m_ports.searchDialogs;
    if (!dialogs)
        return;

    ports::SearchSheetPreset preset;
    preset.startPage = m_nSearchPage;
    preset.deutsch = m_nDeutsch != 0;
    for (int s = 0; s < kStringCount; ++s) {
        for (int f = 0; f < 12; ++f)
            preset.fretNotes[static_cast<std::size_t>(s)][static_cast<std::size_t>(f)] = noteAt(s, f);
    }

    preset.notesClearPrevious = m_nKvClrprev;
    preset.notesInitialMask = m_wLastNoteMask;
    if (m_wLastNoteMask != 0 && m_nKvClrprev == 0)
        preset.noteChecks = notes::NoteChecksFromChord(m_wLastNoteMask, m_wLastFlatFlags);

    // The current chord's spelling stays until the sheet closes with OK, so
    // the tuning is named with sharps here, as the new search will spell it.
    std::string name;
    COLORREF colour = 0;
    for (std::size_t s = 0; s < m_awTuning.size(); ++s)
        preset.tuningNotes[m_awTuning.size() - 1 - s] = GetNoteName(m_awTuning[s], name, colour, 0, false);
    preset.tuningName = TuningName(m_awTuning);

    preset.diagramClearPrevious = m_nKvClrprevKvdgm;
    if (m_nKvClrprevKvdgm == 0) {
        preset.diagramEntry = m_abDiagramEntry;
        preset.diagramBaseFret = m_nDiagramEntryBaseFret;
    }

    const ports::SearchSheetResult result = dialogs->RunSearchSheet(preset, m_listUserDir);
    if (!result.ok)
        return;

    m_nSearchPage = result.activePage >= 0 && result.activePage < ports::kSearchSheetPages ? result.activePage : 0;
    m_wFlatFlags = 0;
    PitchClassMask mask = 0;
    if (m_nSearchPage == ports::kDiagramPage) {
        m_nKvClrprevKvdgm = result.diagramClearPrevious;
        mask = result.diagramMask;
    } else {
        mask = notes::MaskFromNoteChecks(result.noteChecks);
        m_wFlatFlags = notes::FlatFlagsFromNoteChecks(result.noteChecks);
        m_wLastNoteMask = mask;
        m_wLastFlatFlags = m_wFlatFlags;
        m_nKvClrprev = result.notesClearPrevious;
    }
    SearchNewChord(mask, true);
    m_abDiagramEntry = result.diagramEntry;
    m_nDiagramEntryBaseFret = result.diagramBaseFret;
}

void CKvwinDoc::OnSearchChordDirectory()
{
    ports::SearchDialogPort* dialogs = m_ports.searchDialogs;
    if (!dialogs)
        return;

    const ports::ChordDirectoryResult result = dialogs->RunChordDirectory({m_wChdirRoot, m_nChdirType, m_nShtNames});
    if (!result.ok || result.chordType < 0 || result.chordType >= kChordTypeCount)
        return;

    m_wChdirRoot = static_cast<PitchClassMask>(result.rootPage);
    m_nChdirType = result.chordType;
    m_nShtNames = result.shortNames;

    const unsigned root = static_cast<unsigned>(result.rootPage);
    const int rootBit = std::has_single_bit(root) ? std::countr_zero(root) : 0;
    const PitchClassMask mask =
        engine::RotateInterval(g_ChordTypeIntervals[static_cast<std::size_t>(result.chordType)], rootBit);
    m_wFlatFlags = engine::GetFlatSpellingFlags(mask);
    SearchNewChord(mask, false);
}
