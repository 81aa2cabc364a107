#include "dialogs/search/search_sheet.h"

#include "document/screen_metrics.h"
#include "platform/qt_platform_info.h"

namespace dialogs {

SearchSheet::SearchSheet(const ports::SearchSheetPreset& preset, UserDirList& userDir, QWidget* parent)
    : PropertySheet(QStringLiteral("Tonalith"), preset.startPage, true, parent), m_fretNotes(preset.fretNotes)
{
    m_notes = new NotesPage(userDir);
    m_notes->deutsch = preset.deutsch;
    m_notes->clearPrevious = preset.notesClearPrevious;
    m_notes->initialMask = preset.notesInitialMask;
    m_notes->checks = preset.noteChecks;

    m_diagram = new DiagramPage(userDir, m_fretNotes);
    m_diagram->deutsch = preset.deutsch;
    m_diagram->tuningNotes = preset.tuningNotes;
    m_diagram->tuningName = preset.tuningName;
    m_diagram->clearPrevious = preset.diagramClearPrevious;
    m_diagram->entry = preset.diagramEntry;
    m_diagram->baseFret = preset.diagramBaseFret;
    const platform::QtScreenInfo screen;
    m_diagram->dpiClass = CDpiHelper(&screen).GetDpiClass();

    AddPage(m_notes);
    AddPage(m_diagram);
}

ports::SearchSheetResult SearchSheet::Result(int dialogResult) const
{
    ports::SearchSheetResult r;
    r.ok = dialogResult == QDialog::Accepted;
    r.activePage = LastActiveIndex();
    r.noteChecks = m_notes->checks;
    r.notesClearPrevious = m_notes->clearPrevious;
    r.diagramMask = m_diagram->NoteMask();
    r.diagramClearPrevious = m_diagram->clearPrevious;
    r.diagramEntry = m_diagram->entry;
    r.diagramBaseFret = m_diagram->baseFret;
    return r;
}

}  // namespace dialogs
