#include "dialogs/user_directory/user_directory_dialog.h"

#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include "dialogs/user_directory/add_user_chord_dialog.h"
#include "dialogs/user_directory/user_directory_templates.h"
#include "platform/dialog_runner.h"
#include "platform/list_boxes.h"
#include "platform/qt_text.h"

namespace dialogs {

UserDirectoryDialog::UserDirectoryDialog(UserDirList& userDir, QWidget* parent)
    : TemplateDialog(kUserDirectoryTemplate, parent), m_model(userDir)
{
}

void UserDirectoryDialog::BindControls()
{
    m_list = Control<QListWidget>(id::kUserDirList);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &UserDirectoryDialog::OnSelchangeList);
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] { OnOK(); });
    connect(Control<QPushButton>(id::kUserDirAdd), &QPushButton::clicked, this, &UserDirectoryDialog::OnAdd);
    connect(Control<QPushButton>(id::kUserDirModify), &QPushButton::clicked, this, &UserDirectoryDialog::OnModify);
    connect(Control<QPushButton>(id::kUserDirDelete), &QPushButton::clicked, this, &UserDirectoryDialog::OnDelete);
}

bool UserDirectoryDialog::OnInitDialog()
{
    TemplateDialog::OnInitDialog();
    {
        const QSignalBlocker blocker(m_list);
        for (const CUdir& entry : m_model.List())
            platform::AddString(*m_list, platform::ToQString(entry.GetName()));
        platform::SetCurSel(*m_list, -1);
    }
    EnableEditing();
    m_list->setFocus();
    return true;
}

bool UserDirectoryDialog::SelectedLine(std::string& line) const
{
    if (m_list->selectedItems().isEmpty())
        return false;
    line = platform::ToUtf8(m_list->currentItem()->text());
    return true;
}

bool UserDirectoryDialog::RequireSelectedLine(std::string& line) const
{
    if (SelectedLine(line))
        return true;
    platform::MessageBox(QString::fromLatin1(kNoSelection));
    return false;
}

void UserDirectoryDialog::EnableEditing()
{
    EnableControl(id::kUserDirModify, !m_model.Empty());
    EnableControl(id::kUserDirDelete, !m_model.Empty());
}

void UserDirectoryDialog::ShowNotes()
{
    platform::SetControlText(Control(id::kUserChordNotes), platform::ToQString(m_model.ChosenNotes()));
}

void UserDirectoryDialog::SelectNewLine(const std::string& name)
{
    const int at = platform::AddString(*m_list, platform::ToQString(name));
    platform::SetCurSel(*m_list, at);
}

void UserDirectoryDialog::OnSelchangeList()
{
    std::string line;
    const bool selected = SelectedLine(line);
    m_model.Select(selected ? &line : nullptr);
    ShowNotes();
}

void UserDirectoryDialog::OnAdd()
{
    AddUserChordDialog add(this);
    if (add.DoModal() != QDialog::Accepted)
        return;
    const std::string name = platform::ToUtf8(add.name);
    m_model.Add(name, add.Value());
    SelectNewLine(name);
    EnableEditing();
    ShowNotes();
}

void UserDirectoryDialog::OnModify()
{
    std::string line;
    if (!RequireSelectedLine(line))
        return;
    const CUdir* entry = m_model.Find(line);
    if (!entry)
        return;
    m_model.Select(&line);
    AddUserChordDialog modify(this);
    modify.modifyMode = true;
    modify.name = platform::ToQString(entry->GetName());
    modify.checks = notes::NoteChecksFromChord(entry->Mask(), entry->Flags());
    if (modify.DoModal() != QDialog::Accepted)
        return;
    const std::string name = platform::ToUtf8(modify.name);
    if (!m_model.Modify(line, name, modify.Value()))
        return;
    {
        const QSignalBlocker blocker(m_list);
        delete m_list->takeItem(m_list->currentRow());
        SelectNewLine(name);
    }
    ShowNotes();
}

void UserDirectoryDialog::OnDelete()
{
    std::string line;
    if (!RequireSelectedLine(line))
        return;
    if (m_model.Empty())
        return;
    m_model.Delete(line);
    {
        // Qt would move the selection to a neighbour; nothing is chosen now.
        const QSignalBlocker blocker(m_list);
        delete m_list->takeItem(m_list->currentRow());
        platform::SetCurSel(*m_list, -1);
    }
    platform::SetControlText(Control(id::kUserChordNotes), QString());
    EnableEditing();
}

void UserDirectoryDialog::OnOK()
{
    if (const char* refusal = m_model.OkRefusal()) {
        platform::MessageBox(QString::fromLatin1(refusal));
        return;
    }
    TemplateDialog::OnOK();
}

}  // namespace dialogs
