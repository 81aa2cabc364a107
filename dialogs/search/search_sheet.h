#pragma once
#include "dialogs/search/diagram_page.h"
#include "dialogs/search/notes_page.h"
#include "document/search_dialog_port.h"
#include "platform/property_sheet.h"

namespace dialogs {

// The search-by-notes sheet: the Notes page, then the Diagram page.
class SearchSheet : public platform::PropertySheet {
    Q_OBJECT
public:
    SearchSheet(const ports::SearchSheetPreset& preset, UserDirList& userDir, QWidget* parent = nullptr);

    NotesPage& Notes() const { return *m_notes; }
    DiagramPage& Diagram() const { return *m_diagram; }

    // What the document takes back after the sheet ran.
    ports::SearchSheetResult Result(int dialogResult) const;

private:
    ports::FretNotes m_fretNotes;
    NotesPage* m_notes;
    DiagramPage* m_diagram;
};

}  // namespace dialogs
