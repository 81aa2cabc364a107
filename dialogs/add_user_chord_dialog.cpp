#include "dialogs/add_user_chord_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/dialog_templates.h"
#include "dialogs/name_validator.h"
#include "platform/dialog_runner.h"
#include "platform/qt_text.h"

namespace dialogs {

AddUserChordDialog::AddUserChordDialog(QWidget* parent) : TemplateDialog(kAddUserChordTemplate, parent) {}

void AddUserChordDialog::BindControls()
{
    for (int i = 0; i < notes::kNoteBoxCount; ++i) {
        connect(Control<QCheckBox>(kNoteBoxIds[static_cast<std::size_t>(i)]), &QCheckBox::clicked, this,
                [this, i] { OnNote(i); });
    }
    connect(Control<QPushButton>(id::kClear), &QPushButton::clicked, this, [this] { OnClear(); });
    auto* edit = Control<QLineEdit>(id::kChordName);
    edit->setMaxLength(kMaxNameLength);
    edit->setValidator(new NameValidator(edit));
}

void AddUserChordDialog::DoDataExchange(platform::DataExchange& dx)
{
    for (int i = 0; i < notes::kNoteBoxCount; ++i)
        dx.Check(kNoteBoxIds[static_cast<std::size_t>(i)], checks[static_cast<std::size_t>(i)]);
    dx.Text(id::kChordName, name);
    dx.MaxChars(name, kMaxNameLength);
}

bool AddUserChordDialog::OnInitDialog()
{
    TemplateDialog::OnInitDialog();
    if (modifyMode)
        setWindowTitle(QStringLiteral("Modify Chord in User Directory"));
    m_logic.LoadUserChord(checks, lock);
    if (lock != 0) {
        ShowControl(id::kClear, false);
        ShowControl(id::kNotesGroup, false);
    }
    ShowEnabled();
    Control(id::kChordName)->setFocus();
    return true;
}

void AddUserChordDialog::ShowEnabled()
{
    for (int i = 0; i < notes::kNoteBoxCount; ++i)
        EnableControl(kNoteBoxIds[static_cast<std::size_t>(i)], m_logic.Enabled(i));
}

void AddUserChordDialog::OnNote(int index)
{
    m_logic.Toggle(index, Control<QCheckBox>(kNoteBoxIds[static_cast<std::size_t>(index)])->isChecked());
    ShowEnabled();
}

void AddUserChordDialog::OnClear()
{
    m_logic.Clear();
    for (int boxId : kNoteBoxIds)
        Control<QCheckBox>(boxId)->setChecked(false);
    ShowEnabled();
}

void AddUserChordDialog::OnOK()
{
    auto* edit = Control<QLineEdit>(id::kChordName);
    if (edit->text().isEmpty()) {
        platform::MessageBox(QStringLiteral("No chord name"));
        edit->setFocus();
        return;
    }
    if (m_logic.Count() == 0 && lock == 0) {
        platform::MessageBox(QStringLiteral("No notes selected"));
        return;
    }
    resultFlags = 0;
    if (!UpdateData(true))
        return;
    resultMask = notes::MaskFromNoteChecks(checks);
    resultFlags = notes::FlatFlagsFromNoteChecks(checks);
    EndDialog(QDialog::Accepted);
}

}  // namespace dialogs

namespace dialogs {

bool AddFixedNotesToUserDir(UserDirList& userDir, const notes::NoteChecks& checks, QWidget* parent)
{
    AddUserChordDialog dialog(parent);
    dialog.checks = checks;
    dialog.lock = NoteBoxLogic::kNotesFixed;
    if (dialog.DoModal() != QDialog::Accepted)
        return false;
    userDir.push_back({platform::ToUtf8(dialog.name), dialog.Value()});
    g_bUserDirModified = true;
    return true;
}

}  // namespace dialogs
