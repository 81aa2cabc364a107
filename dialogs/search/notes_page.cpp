#include "dialogs/search/notes_page.h"

#include <QCheckBox>
#include <QPushButton>

#include "dialogs/search/search_templates.h"
#include "dialogs/search/search_texts.h"
#include "dialogs/user_directory/add_user_chord_dialog.h"
#include "platform/dialog_runner.h"
#include "platform/qt_text.h"

namespace dialogs {

NotesPage::NotesPage(UserDirList& userDir, QWidget* parent)
    : PropertyPage(kNotesTemplate, parent), m_userDir(userDir)
{
}

void NotesPage::BindControls()
{
    for (int i = 0; i < notes::kNoteBoxCount; ++i) {
        connect(Control<QCheckBox>(kNoteBoxIds[static_cast<std::size_t>(i)]), &QCheckBox::clicked, this,
                [this, i] { OnNote(i); });
    }
    connect(Control<QPushButton>(id::kClear), &QPushButton::clicked, this, [this] { OnClear(); });
    connect(Control<QPushButton>(id::kAdd), &QPushButton::clicked, this, [this] { OnAdd(); });
}

void NotesPage::DoDataExchange(platform::DataExchange& dx)
{
    dx.Text(id::kHiddenNotes, m_hidden);
    for (int i = 0; i < notes::kNoteBoxCount; ++i)
        dx.Check(kNoteBoxIds[static_cast<std::size_t>(i)], checks[static_cast<std::size_t>(i)]);
    dx.Check(id::kClearPrevious, clearPrevious);
}

bool NotesPage::OnInitDialog()
{
    PropertyPage::OnInitDialog();
    if (deutsch) {
        for (int i = 0; i < notes::kNoteBoxCount; ++i) {
            if (const char* german = notes::kNoteBoxes[static_cast<std::size_t>(i)].germanCaption)
                Control<QCheckBox>(kNoteBoxIds[static_cast<std::size_t>(i)])->setText(QString::fromUtf8(german));
        }
    }
    if (clearPrevious == 0)
        m_logic.LoadSearchEntry(checks, initialMask);
    ShowEnabled();
    UpdateButtons();
    UpdateCaption(true);
    return true;
}

bool NotesPage::OnSetActive()
{
    UpdateCaption(true);
    return PropertyPage::OnSetActive();
}

void NotesPage::ShowEnabled()
{
    for (int i = 0; i < notes::kNoteBoxCount; ++i)
        EnableControl(kNoteBoxIds[static_cast<std::size_t>(i)], m_logic.Enabled(i));
}

void NotesPage::UpdateButtons()
{
    EnableControl(id::kClear, m_logic.Count() != 0);
    EnableControl(id::kAdd, m_logic.Count() != 0);
}

void NotesPage::UpdateCaption(bool lookUp)
{
    SheetCaption caption{"Tonalith", false};
    if (lookUp)
        caption = CaptionForNotes(m_logic.Mask(), m_userDir);
    // A set that already has a name cannot be added.
    EnableControl(id::kAdd, !caption.named && m_logic.Count() != 0);
    if (Sheet())
        Sheet()->setWindowTitle(platform::ToQString(caption.text));
}

void NotesPage::OnNote(int index)
{
    m_logic.Toggle(index, Control<QCheckBox>(kNoteBoxIds[static_cast<std::size_t>(index)])->isChecked());
    ShowEnabled();
    UpdateButtons();
    UpdateCaption(true);
}

void NotesPage::OnClear()
{
    m_logic.Clear();
    for (int boxId : kNoteBoxIds)
        Control<QCheckBox>(boxId)->setChecked(false);
    ShowEnabled();
    UpdateCaption(false);
    UpdateButtons();
}

void NotesPage::OnAdd()
{
    if (m_logic.Count() == 0) {
        platform::MessageBox(QStringLiteral("No notes selected"), platform::MessageIcon::Exclamation);
        return;
    }
    UpdateData(true);
    AddFixedNotesToUserDir(m_userDir, checks, window());
}

}  // namespace dialogs
