#include "platform/qt_file_dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

#include "platform/dialog_runner.h"

namespace platform {

QtFileDialogs::QtFileDialogs(QWidget* parent) : m_parent(parent), m_folder(QDir::currentPath()) {}

std::optional<std::string> QtFileDialogs::GetSavePath(const std::string& defaultName,
                                                      const std::string& defaultSuffix, const std::string& filter)
{
    QFileDialog dialog(m_parent, QString(), m_folder, QString::fromStdString(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QString::fromStdString(defaultSuffix));
    dialog.selectFile(QString::fromStdString(defaultName));
    return Run(dialog);
}

std::optional<std::string> QtFileDialogs::GetOpenPath(const std::string& filter)
{
    QFileDialog dialog(m_parent, QString(), m_folder, QString::fromStdString(filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return Run(dialog);
}

std::optional<std::string> QtFileDialogs::Run(QFileDialog& dialog)
{
    if (dialogRunner().RunStandardDialog(dialog) != QDialog::Accepted)
        return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty() || files.first().isEmpty())
        return std::nullopt;
    m_folder = QFileInfo(files.first()).absolutePath();
    return QFile::encodeName(files.first()).toStdString();
}

}  // namespace platform
