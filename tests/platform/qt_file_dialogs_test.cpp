#include <gtest/gtest.h>

#include <QDir>
#include <QFileDialog>
#include <QTemporaryDir>

#include <functional>
#include <vector>

#include "platform/dialog_runner.h"
#include "platform/qt_file_dialogs.h"

namespace {

using platform::QtFileDialogs;

// Hands each file dialog to the test, which reads it and answers for the user.
class FileDialogRunner : public platform::IDialogRunner {
public:
    explicit FileDialogRunner(std::function<int(QFileDialog&)> answer) : m_answer(std::move(answer)) {}
    int RunModal(platform::Dialog&) override { return QDialog::Rejected; }
    int RunStandardDialog(QDialog& dialog) override { return m_answer(dynamic_cast<QFileDialog&>(dialog)); }
    void ShowMessage(QWidget*, const QString&, const QString&, platform::MessageIcon) override {}

private:
    std::function<int(QFileDialog&)> m_answer;
};

TEST(QtFileDialogs, SaveDialogOffersTheNameSuffixAndFilters)
{
    QString suffix;
    QStringList filters;
    QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
    bool confirmsOverwrite = false;
    QString offered;
    FileDialogRunner runner([&](QFileDialog& d) {
        suffix = d.defaultSuffix();
        filters = d.nameFilters();
        mode = d.acceptMode();
        confirmsOverwrite = !d.testOption(QFileDialog::DontConfirmOverwrite);
        offered = d.selectedFiles().value(0);
        return int(QDialog::Rejected);
    });
    const platform::ScopedDialogRunner scoped(runner);
    QtFileDialogs dialogs;
    EXPECT_FALSE(dialogs.GetSavePath("A_major", "html", "HTML Files (*.html *.htm);;All Files (*)"));
    EXPECT_EQ(suffix, "html");
    EXPECT_EQ(filters, (QStringList{"HTML Files (*.html *.htm)", "All Files (*)"}));
    EXPECT_EQ(mode, QFileDialog::AcceptSave);
    EXPECT_TRUE(confirmsOverwrite);
    EXPECT_TRUE(offered.endsWith("/A_major.html")) << offered.toStdString();
}

TEST(QtFileDialogs, AcceptedPathIsReturnedAndItsFolderRemembered)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString chosen = QDir(dir.path()).filePath("page.html");
    QString startFolder;
    std::vector<QFileDialog::FileMode> modes;
    FileDialogRunner runner([&](QFileDialog& d) {
        startFolder = d.directory().absolutePath();
        modes.push_back(d.fileMode());
        d.selectFile(chosen);
        return int(QDialog::Accepted);
    });
    const platform::ScopedDialogRunner scoped(runner);
    QtFileDialogs dialogs;
    EXPECT_EQ(dialogs.GetSavePath("x", "html", "All Files (*)"), chosen.toStdString());
    EXPECT_EQ(dialogs.GetOpenPath("All Files (*)"), chosen.toStdString());
    EXPECT_EQ(startFolder, QDir(dir.path()).absolutePath());
    EXPECT_EQ(modes, (std::vector<QFileDialog::FileMode>{QFileDialog::AnyFile, QFileDialog::ExistingFile}));
}

}  // namespace
