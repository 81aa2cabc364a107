// The commands that search and add to the User Directory.
#include "document/kvwin_doc.h"
#include "document/user_dir_dialog_port.h"

void CKvwinDoc::OnSearchUserDirectory()
{
    ports::UserDirDialogPort* dialogs = m_ports.userDirDialogs;
    if (!dialogs)
        return;
    const ports::UserDirectoryResult result = dialogs->RunUserDirectory(m_listUserDir);
    if (!result.ok)
        return;
    m_wFlatFlags = result.flags;
    SearchNewChord(result.mask, true);
}

void CKvwinDoc::AddChordToUserDirectory()
{
    ports::UserDirDialogPort* dialogs = m_ports.userDirDialogs;
    if (!dialogs)
        return;
    ports::UserChordPreset preset;
    if (m_wChordMask != 0) {
        preset.checks = notes::NoteChecksFromChord(m_wChordMask, m_wFlatFlags);
        preset.lock = notes::kNotesPreset;
    }
    const ports::UserChordResult result = dialogs->RunAddUserChord(preset);
    if (!result.ok)
        return;
    engine::AddUserChord(m_listUserDir, result.name, result.Value());
    // With a note unticked the entry names another set, not this chord.
    if (result.mask != m_wChordMask)
        return;
    m_strChordTitle = result.name;
    m_ports.ui->UpdateAllViews();
    UpdateStatusLine();
}
