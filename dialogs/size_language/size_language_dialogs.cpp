#include "dialogs/size_language/size_language_dialogs.h"

#include "dialogs/size_language/size_language_templates.h"

namespace dialogs {

SizeDialog::SizeDialog(QWidget* parent) : TemplateDialog(kSizeTemplate, parent) {}

void SizeDialog::DoDataExchange(platform::DataExchange& dx)
{
    dx.Radio(id::kThreePerRow, m_nChordsPerRow);
}

LanguageDialog::LanguageDialog(QWidget* parent) : TemplateDialog(kLanguageTemplate, parent) {}

void LanguageDialog::DoDataExchange(platform::DataExchange& dx)
{
    dx.Check(id::kGermanNotes, m_bGerman);
}

ports::SizeDialogResult SizeLanguageDialogs::RunSizeDialog(int chordsPerRow)
{
    SizeDialog dialog(m_parent);
    dialog.m_nChordsPerRow = chordsPerRow;
    const int result = dialog.DoModal();
    return {result == QDialog::Accepted, dialog.m_nChordsPerRow};
}

ports::LanguageDialogResult SizeLanguageDialogs::RunLanguageDialog(int german)
{
    LanguageDialog dialog(m_parent);
    dialog.m_bGerman = german;
    const int result = dialog.DoModal();
    return {result == QDialog::Accepted, dialog.m_bGerman};
}

}  // namespace dialogs
