#pragma once
#include <optional>
#include <string>

#include <QString>

#include "document/file_dialog_port.h"

class QFileDialog;
class QWidget;

namespace platform {

// The file dialogs on QFileDialog, run through the dialog runner. Each dialog
// starts in the folder of the last file chosen, the current folder at first.
class QtFileDialogs final : public ports::FileDialogPort {
public:
    explicit QtFileDialogs(QWidget* parent = nullptr);

    std::optional<std::string> GetSavePath(const std::string& defaultName, const std::string& defaultSuffix,
                                           const std::string& filter) override;
    std::optional<std::string> GetOpenPath(const std::string& filter) override;

private:
    std::optional<std::string> Run(QFileDialog& dialog);

    QWidget* m_parent;
    QString m_folder;
};

}  // namespace platform
