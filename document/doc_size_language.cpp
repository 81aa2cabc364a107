// The View menu's Size command and the Tools menu's Language command.
#include "document/display_sizes.h"
#include "document/kvwin_doc.h"
#include "document/size_language_dialog_port.h"

void CKvwinDoc::OnViewSize()
{
    ports::SizeLanguageDialogPort* dialogs = m_ports.sizeLanguageDialogs;
    if (!dialogs)
        return;

    // The radio of the size in use; a size of none of the four selects nothing.
    const int preset = document::SizeIndexOfScale(m_nScale);

    const int before = m_nScale;
    const ports::SizeDialogResult result = dialogs->RunSizeDialog(preset);
    SetSizeIndex(result.ok ? result.chordsPerRow : preset);
    if (result.ok && m_nScale != before) {
        StoreSizeChoice(false);
        RecountPages();
    }
}

void CKvwinDoc::OnToolsLanguage()
{
    ports::SizeLanguageDialogPort* dialogs = m_ports.sizeLanguageDialogs;
    if (!dialogs)
        return;

    const ports::LanguageDialogResult result = dialogs->RunLanguageDialog(m_nDeutsch);
    if (!result.ok || result.german == m_nDeutsch)
        return;
    m_nDeutsch = result.german;
    SetNoteNames();
    m_ports.ui->UpdateAllViews();
    // The status line names the tuning's notes: they change language too.
    UpdateStatusLine();
}
