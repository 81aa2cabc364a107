#include "dialogs/user_directory/add_user_chord_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/common/name_validator.h"
#include "dialogs/user_directory/user_directory_logic.h"
#include "dialogs/user_directory/user_directory_templates.h"
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
    // A name from an older file may hold what the edit refuses.
    name = platform::ToQString(AllowedName(platform::ToUtf8(name)));
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
    const UserChordOk ok = CheckUserChord(platform::ToUtf8(edit->text()), m_logic, lock);
    if (ok.refusal) {
        platform::MessageBox(QString::fromLatin1(ok.refusal));
        if (ok.refusal == kNoChordName)
            edit->setFocus();
        return;
    }
    if (!UpdateData(true))
        return;
    name = platform::ToQString(ok.name);
    resultMask = ok.mask;
    resultFlags = ok.flags;
    EndDialog(QDialog::Accepted);
}

bool AddFixedNotesToUserDir(UserDirList& userDir, const notes::NoteChecks& checks, QWidget* parent)
{
    AddUserChordDialog dialog(parent);
    dialog.checks = checks;
    dialog.lock = NoteBoxLogic::kNotesFixed;
    if (dialog.DoModal() != QDialog::Accepted)
        return false;
    engine::AddUserChord(userDir, platform::ToUtf8(dialog.name), dialog.Value());
    return true;
}

}  // namespace dialogs
