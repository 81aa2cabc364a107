#pragma once
#include "document/user_dir_dialog_port.h"

class QWidget;

namespace dialogs {

// The User Directory's dialogs, run modally over parent.
class UserDirectoryDialogs : public ports::UserDirDialogPort {
public:
    explicit UserDirectoryDialogs(QWidget* parent = nullptr) : m_parent(parent) {}

    ports::UserDirectoryResult RunUserDirectory(UserDirList& userDir) override;
    ports::UserChordResult RunAddUserChord(const ports::UserChordPreset& preset) override;

private:
    QWidget* m_parent;
};

}  // namespace dialogs
