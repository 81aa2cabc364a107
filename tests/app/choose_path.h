#pragma once
#include <string>
#include <vector>

#include <QDialog>
#include <QFileDialog>
#include <QString>

#include "platform/dialog_runner.h"

// Answers every file dialog with one path, as a user who types it would.
class ChoosePath : public platform::IDialogRunner {
public:
    explicit ChoosePath(QString path) : m_path(std::move(path)) {}
    int RunModal(platform::Dialog&) override { return QDialog::Rejected; }
    int RunStandardDialog(QDialog& dialog) override
    {
        auto& files = dynamic_cast<QFileDialog&>(dialog);
        files.selectFile(m_path);
        ++fileDialogs;
        return QDialog::Accepted;
    }
    void ShowMessage(QWidget*, const QString&, const QString& text, platform::MessageIcon) override
    {
        messages.push_back(text.toStdString());
    }

    int fileDialogs = 0;
    std::vector<std::string> messages;

private:
    QString m_path;
};
