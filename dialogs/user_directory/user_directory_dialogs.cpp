#include "dialogs/user_directory/user_directory_dialogs.h"

#include "dialogs/user_directory/add_user_chord_dialog.h"
#include "dialogs/user_directory/user_directory_dialog.h"
#include "platform/qt_text.h"

namespace dialogs {

ports::UserDirectoryResult UserDirectoryDialogs::RunUserDirectory(UserDirList& userDir)
{
    UserDirectoryDialog dialog(userDir, m_parent);
    const bool ok = dialog.DoModal() == QDialog::Accepted;
    return {ok, dialog.Model().ChosenMask(), dialog.Model().ChosenFlags()};
}

ports::UserChordResult UserDirectoryDialogs::RunAddUserChord(const ports::UserChordPreset& preset)
{
    AddUserChordDialog dialog(m_parent);
    dialog.modifyMode = preset.modifyMode;
    dialog.lock = preset.lock;
    dialog.checks = preset.checks;
    dialog.name = platform::ToQString(preset.name);
    if (dialog.DoModal() != QDialog::Accepted)
        return {};
    return {true, platform::ToUtf8(dialog.name), dialog.resultFlags, dialog.resultMask};
}

}  // namespace dialogs
